// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says: letter names, the word spelled, a press announced.
#include "spelling.h"

#include <gtest/gtest.h>

#include "charset.h"
#include "letter_case.h"

namespace {

struct NameCase {
  const char* test;
  const char* letter;  // UTF-8
  const char* name;    // UTF-8
};

class LetterNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(LetterNameTest, IsTheSpanishName) {
  const std::string letter = Ansi(GetParam().letter);
  ASSERT_EQ(letter.size(), 1u);
  EXPECT_EQ(AnsiToUtf8(LetterName(letter[0])), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, LetterNameTest,
    ::testing::Values(
        NameCase{"PlainVowel", "a", "a"}, NameCase{"H", "h", "hache"}, NameCase{"Q", "q", "cu"},
        NameCase{"W", "w", "uve doble"}, NameCase{"Y", "y", "i griega"}, NameCase{"Z", "z", "zeta"},
        NameCase{"Enye", "ñ", "eñe"}, NameCase{"CapitalEnye", "Ñ", "eñe mayúscula"},
        NameCase{"AcuteA", "á", "a con tilde"},
        NameCase{"CapitalAcuteO", "Ó", "o con tilde mayúscula"},
        NameCase{"UDiaeresis", "ü", "u con diéresis"},
        NameCase{"GraveE", "è", "e con acento grave"}, NameCase{"Cedilla", "ç", "ce con cedilla"},
        NameCase{"CapitalL", "L", "ele mayúscula"}, NameCase{"Apostrophe", "'", "apóstrofo"},
        NameCase{"Pound", "£", "libra"}, NameCase{"Digit", "7", "7"}),
    [](const auto& info) { return std::string(info.param.test); });

// Only the five plain vowels are said as themselves; every other key has a
// name a speech synthesiser cannot misread ("y" alone is read as "i").
TEST(LetterNameTest, EveryKeyOfTheKeyboardHasAName) {
  const std::string keys = Ansi("bcdfghjklmnñpqrstvwxyzáéíóúü");
  for (char c : keys)
    EXPECT_NE(LetterName(c), std::string(1, c)) << AnsiToUtf8(std::string(1, c));
  for (char c : ToUpper(keys))
    EXPECT_NE(LetterName(c).find(Ansi("mayúscula")), std::string::npos)
        << AnsiToUtf8(std::string(1, c));
}

struct SpellCase {
  const char* test;
  const char* shown;  // UTF-8
  const char* spelled;
};

class SpellShownWordTest : public ::testing::TestWithParam<SpellCase> {};

TEST_P(SpellShownWordTest, SaysEachLetterAndEachGap) {
  EXPECT_EQ(AnsiToUtf8(SpellShownWord(Ansi(GetParam().shown))), GetParam().spelled);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SpellShownWordTest,
    ::testing::Values(SpellCase{"Gaps", "l . a . e ", "ele, hueco, a, hueco, e"},
                      SpellCase{"FirstHidden", ". s a ", "hueco, ese, a"},
                      SpellCase{"Accents", "c a m i ó n ", "ce, a, eme, i, o con tilde, ene"},
                      SpellCase{"SpaceInsideTheWord", "a   . ", "a, espacio, hueco"},
                      SpellCase{"DesignCaption", "palabra", "pe, a, ele, a, be, erre, a"},
                      SpellCase{"Empty", "", ""}),
    [](const auto& info) { return std::string(info.param.test); });

struct PressCase {
  const char* test;
  char letter;
  PressResult result;
  int chances;
  const char* said;
};

class PressAnnouncementTest : public ::testing::TestWithParam<PressCase> {};

TEST_P(PressAnnouncementTest, SaysTheLetterAndWhatItDid) {
  const PressCase& c = GetParam();
  EXPECT_EQ(AnsiToUtf8(PressAnnouncement(c.letter, c.result, c.chances)), c.said);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressAnnouncementTest,
    ::testing::Values(
        PressCase{"Correct", 'a', PressResult::Correct, 5, "a, correcta"},
        PressCase{"Wrong", 'b', PressResult::Wrong, 3, "be, incorrecta, quedan 3 fallos"},
        PressCase{"WrongOneLeft", 'b', PressResult::Wrong, 1, "be, incorrecta, queda 1 fallo"},
        PressCase{"WrongNoneLeft", 'x', PressResult::Wrong, 0,
                  "equis, incorrecta, no quedan fallos"},
        PressCase{"Solved", 'e', PressResult::SolvedClean, 5, "e, correcta. Palabra acertada"},
        PressCase{"SolvedAfterFailures", 'e', PressResult::SolvedWithFailures, 2,
                  "e, correcta. Palabra acertada"},
        PressCase{"Lost", 'k', PressResult::Lost, 0, "ka, incorrecta. Palabra fallada"},
        PressCase{"Ignored", 'a', PressResult::Ignored, 5, ""}),
    [](const auto& info) { return std::string(info.param.test); });

}  // namespace
