// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files a teacher imports, as they come from other programs: what each one gives.
#include "docentix/list_import.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "files.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct ImportCase {
  std::string name;
  QString file;
  QByteArray bytes;
  Entries entries;  // none when the file is refused
  QList<int> lines;
  std::string theme;
  QString says;  // part of the refusal; empty when the file is read
};

class ImportFileTest : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportFileTest, GivesTheWordsOrSaysWhy) {
  const ImportCase& c = GetParam();
  QTemporaryDir dir;
  const QString path = dir.filePath(c.file);
  ASSERT_FALSE(Write(path, c.bytes).isEmpty());
  const ImportedList imported = ImportListFile(path);
  Entries entries;
  for (const DraftEntry& entry : imported.draft.entries)
    entries.emplace_back(entry.word, entry.hint);
  EXPECT_EQ(entries, c.entries);
  EXPECT_EQ(imported.sourceLines, c.lines);
  EXPECT_EQ(imported.draft.theme, c.theme);
  EXPECT_TRUE(c.says.isEmpty() ? imported.error.isEmpty() : imported.error.contains(c.says))
      << imported.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportFileTest,
    ::testing::Values(
        ImportCase{
            "CsvHeading", "a.csv", "Palabra,Pista\r\nperro,Ladra\r\n", {{"perro", "Ladra"}}, {2}},
        ImportCase{"HeadingInCapitalsAfterBlankLine",
                   "a.txt",
                   "\n  WORD ; Hint\ngato;Maúlla\n",
                   {{"gato", "Maúlla"}},
                   {3}},
        ImportCase{
            "AccentedHeadingWithoutHint", "a.csv", "\"Término\"\nvaca\n", {{"vaca", ""}}, {2}},
        ImportCase{"WordPalabraWithItsHintKept",
                   "a.csv",
                   "palabra,Se escribe con letras\n",
                   {{"palabra", "Se escribe con letras"}},
                   {1}},
        ImportCase{"OnlyTheFirstLineIsAHeading",
                   "a.csv",
                   "Palabra,Pista\nPalabra,Pista\n",
                   {{"Palabra", "Pista"}},
                   {2}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
