// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/spell_checker.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "files.h"

namespace {

QList<int> UnknownStarts(const SpellChecker& spelling, const QString& text) {
  QList<int> starts;
  for (const SpellChecker::Range& range : spelling.UnknownWords(text))
    starts.append(range.start);
  return starts;
}

TEST(SpellingTest, UnderlinesWordsTheDictionaryDoesNotKnow) {
  const SpellChecker spelling;
  ASSERT_TRUE(spelling.Available()) << "the Spanish dictionary (hunspell-es) is missing";
  // Marks between the letters of a word are not mistakes; the program's own words (which the
  // dictionary lacks) are known.
  EXPECT_EQ(UnknownStarts(spelling, "El niño come cigüeñas y el pingüino un yoyó en el ca/mi/ón"),
            QList<int>());
  EXPECT_EQ(UnknownStarts(spelling, "kasa y kosa"), QList<int>({0, 7}));
  // What was meant first, where the dictionary offers it after words that sound otherwise.
  for (const auto& [written, meant] : std::vector<std::pair<QString, std::string>>{
           {"colorez", "colores"}, {"Kasa", "Casa"}, {"girafa", "jirafa"}, {"zielo", "cielo"}})
    EXPECT_EQ(spelling.Suggestions(written).value(0).toStdString(), meant);
}

// The teacher's word file: a word a line, whatever ends the lines; what is no word is skipped.
// A file too big is not read, nor written over.
TEST(SpellingTest, UserWordFileSkipsWhatIsNoWord) {
  const QTemporaryDir dir;
  const QString path = dir.filePath("palabras.dic");
  const QByteArray x61(61, 'x');
  Write(path, "ñandutí\r\n\xFF\xFEzzq\n" + x61 + "\nxx9\n\n  zzqq  \n");
  EXPECT_EQ(UnknownStarts(SpellChecker(path), "ñandutí zzq " + x61 + " zzqq"), QList<int>({8, 12}));
  const QByteArray huge = QByteArray(300 * 1024, 'a') + "\nzzqq\n";
  Write(path, huge);
  SpellChecker spelling(path);
  EXPECT_EQ(UnknownStarts(spelling, "zzqq"), QList<int>({0}));
  EXPECT_FALSE(spelling.AddToDictionary("zzqq"));
  EXPECT_EQ(Read(path), huge);
}

}  // namespace
