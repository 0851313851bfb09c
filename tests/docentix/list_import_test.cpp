// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files a teacher imports, as they come from other programs: what each one gives.
#include "docentix/list_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>

#include "files.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct ImportCase {
  std::string name;
  QString file;
  QByteArray bytes;
  Entries entries;  // none when the file is refused
  std::vector<int> lines;
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
  // Qt 6.4 compares two empty lists with memcmp on a null pointer: compare as vectors.
  EXPECT_EQ(std::vector<int>(imported.sourceLines.cbegin(), imported.sourceLines.cend()), c.lines);
  EXPECT_EQ(imported.draft.theme, c.theme);
  EXPECT_TRUE(c.says.isEmpty() ? imported.error.isEmpty() : imported.error.contains(c.says))
      << imported.error.toStdString();
  if (!c.says.isEmpty())
    EXPECT_TRUE(imported.error.contains(path));
}

// Whatever is not a regular file is refused at once, naming it.
TEST(ImportSpecialFileTest, RefusesFifoAndFolder) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("tuberia.txt");
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  EXPECT_TRUE(ImportListFile(fifo).error.contains("«" + fifo + "»: no es un archivo normal"));
  EXPECT_TRUE(ImportListFile(dir.path()).error.contains("«" + dir.path() + "»: es una carpeta"));
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
                   {2}},
        ImportCase{"CommaCsvWithSemicolonInQuotedHint",
                   "a.csv",
                   "ñandú,\"Corre; no vuela\"\n",
                   {{"ñandú", "Corre; no vuela"}},
                   {1}},
        ImportCase{"Utf8WithMark", "a.txt", "\xEF\xBB\xBFñu;Ñandú\n", {{"ñu", "Ñandú"}}, {1}},
        ImportCase{"Utf8FilesPutTogether",
                   "a.txt",
                   "\xEF\xBB\xBFgato;Maúlla\n\xEF\xBB\xBFvaca;Da leche\n",
                   {{"gato", "Maúlla"}, {"vaca", "Da leche"}},
                   {1, 2}},
        ImportCase{"Windows1252",
                   "a.csv",
                   "Palabra;Pista\r\nping\xFCino;Ave\x85\r\n",
                   {{"pingüino", "Ave…"}},
                   {2}},
        ImportCase{"Utf16LittleEndian",
                   "a.txt",
                   QByteArray("\xFF\xFE\n\0\xF1\0u\0;\0a\0", 12),
                   {{"ñu", "a"}},
                   {2}},
        ImportCase{
            "Utf16BigEndian", "a.txt", QByteArray("\xFE\xFF\0\xF1\0u\0\n", 8), {{"ñu", ""}}, {1}},
        ImportCase{"BrokenUtf16",
                   "a.txt",
                   QByteArray("\xFF\xFE\x00\xD8", 4),
                   {},
                   {},
                   "",
                   "a.txt»: el archivo dice estar en UTF-16"},
        ImportCase{"EmptyNamed",
                   "vacia.txt",
                   "\n \n",
                   {},
                   {},
                   "",
                   "vacia.txt»: el archivo no tiene ninguna palabra"},
        ImportCase{"LineTooLong",
                   "a.txt",
                   "gato;Maúlla\n" + QByteArray(1001, 'x'),
                   {},
                   {},
                   "",
                   "a.txt»: la línea 2 tiene una palabra o una pista de más de 1000"},
        ImportCase{"LineOverTheBoundWithWordAndHintWithin",
                   "a.txt",
                   "\"" + QByteArray(1200, '"') + "\";" + QByteArray(600, 'x'),
                   {{std::string(600, '"'), std::string(600, 'x')}},
                   {1}},
        ImportCase{"OverOneMebibyte",
                   "a.txt",
                   QByteArray((1 << 20) + 1, '\n'),
                   {},
                   {},
                   "",
                   "a.txt»: ocupa más de 1 MiB"},
        ImportCase{"KvtmlFieldTooLong",
                   "a.kvtml",
                   "<kvtml><entries><entry><translation id=\"0\"><text>" + QByteArray(1001, 'x') +
                       "</text></translation></entry></entries></kvtml>",
                   {},
                   {},
                   "",
                   "a.kvtml»: la entrada de la línea 1 tiene una palabra o una pista de más"},
        ImportCase{"KvtmlLines",
                   "a.kvtml",
                   "<kvtml>\n<information><title>Aves</title></information>\n<entries>\n"
                   "<entry><translation id=\"0\"><text>ñu</text></translation></entry>\n"
                   "</entries></kvtml>",
                   {{"ñu", ""}},
                   {4},
                   "Aves"}),
    [](const auto& info) { return info.param.name; });

Entries EntriesOf(const WordListDraft& draft) {
  Entries entries;
  for (const DraftEntry& entry : draft.entries)
    entries.emplace_back(entry.word, entry.hint);
  return entries;
}

// A vocabulary of the KDE programs: each entry's translation in the first language gives the
// word (its text) and the hint (its comment); the lessons only name entries again.
TEST(KvtmlImportTest, TakesEachEntrysTextAndComment) {
  const QByteArray kvtml = R"(<?xml version="1.0" encoding="UTF-8"?>
<kvtml version="2.0"><information><title> Aves  del
  campo</title></information><entries>
  <entry id="0"><translation id="0"><text>cigüeña</text><comment>Anida en los
    campanarios</comment></translation>
    <translation id="1"><text>stork</text><comment>bird</comment></translation></entry>
  <entry id="1"><translation id="0"><text>ñu</text></translation></entry>
  <entry id="2"><translation id="1"><text>only english</text></translation></entry>
  <entry id="3"><translation id="0"><text>búho</text><comment>Ve de noche</comment>
    <conjugation><tense>presente</tense></conjugation></translation></entry>
</entries><lessons><container><entry id="0"/><entry id="3"/></container></lessons></kvtml>
)";
  const ImportedList imported = ImportKvtml(kvtml);
  ASSERT_TRUE(imported.error.isEmpty()) << imported.error.toStdString();
  EXPECT_EQ(
      EntriesOf(imported.draft),
      (Entries{{"cigüeña", "Anida en los campanarios"}, {"ñu", ""}, {"búho", "Ve de noche"}}));
  EXPECT_EQ(imported.sourceLines, QList<int>({4, 7, 9}));  // each entry's line
  EXPECT_EQ(imported.draft.theme, "Aves del campo");
  EXPECT_FALSE(ImportKvtml("<kvtml><entries><entry><translation>").error.isEmpty());
  EXPECT_FALSE(ImportKvtml("<html></html>").error.isEmpty());
}

// What is exported as UTF-8 text is imported back the same, quotes and separators included.
TEST(TextExportTest, ImportsBackTheSameWords) {
  const WordListDraft draft{
      "", {{"ca/ña", "Dulce; de azúcar"}, {"ñu", "de\tÁfrica"}, {"\"sí\"", "dice, \"sí\""}}};
  const QByteArray text = ExportText(draft);
  EXPECT_EQ(text,
            "ca/ña;\"Dulce; de azúcar\"\nñu;\"de\tÁfrica\"\n\"\"\"sí\"\"\";\"dice, \"\"sí\"\"\"\n");
  EXPECT_EQ(EntriesOf(ImportText(text).draft), EntriesOf(draft));
  const WordListDraft headingLike{"", {{"Palabra", "Pista"}}};  // not taken for a heading
  EXPECT_EQ(EntriesOf(ImportText(ExportText(headingLike)).draft), EntriesOf(headingLike));
}

}  // namespace
