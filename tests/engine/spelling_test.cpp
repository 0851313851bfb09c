// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says: letter names, the word spelled, a press announced.
#include "spelling.h"

#include <gtest/gtest.h>

#include <tuple>

#include "charset.h"
#include "letter_case.h"

namespace {

TEST(LetterNameTest, IsTheSpanishName) {
  EXPECT_EQ(AnsiToUtf8(SpellShownWord(Ansi("ahqwyzñÑáÓüèçL'£7"))),
            "a, hache, cu, uve doble, i griega, zeta, eñe, eñe mayúscula, a con tilde, "
            "o con tilde mayúscula, u con diéresis, e con acento grave, ce con cedilla, "
            "ele mayúscula, apóstrofo, libra, 7");
}

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

TEST(SpellShownWordTest, SaysEachLetterAndEachGap) {
  // UTF-8
  const std::pair<const char*, const char*> words[] = {
      {"l . a . e ", "ele, hueco, a, hueco, e"},           {". s a ", "hueco, ese, a"},
      {"c a m i ó n ", "ce, a, eme, i, o con tilde, ene"}, {"a   . ", "a, espacio, hueco"},
      {"palabra", "pe, a, ele, a, be, erre, a"},           {"", ""}};
  for (const auto& [shown, spelled] : words)
    EXPECT_EQ(AnsiToUtf8(SpellShownWord(Ansi(shown))), spelled);
}

TEST(PressAnnouncementTest, SaysTheLetterWhatItDidAndTheWordLeft) {
  const std::tuple<char, PressResult, int, const char*> presses[] = {
      {'a', PressResult::Correct, 5, "a, correcta: ce, a, hueco, a"},
      {'b', PressResult::Wrong, 3, "be, incorrecta, quedan 3 fallos"},
      {'b', PressResult::Wrong, 1, "be, incorrecta, queda 1 fallo"},
      {'x', PressResult::Wrong, 0, "equis, incorrecta, no quedan fallos"},
      {'s', PressResult::SolvedClean, 5, "ese, correcta. Palabra acertada: casa"},
      {'s', PressResult::SolvedWithFailures, 2, "ese, correcta. Palabra acertada: casa"},
      {'k', PressResult::Lost, 0, "ka, incorrecta. Palabra fallada"},
      {'a', PressResult::Ignored, 5, ""}};
  for (const auto& [letter, result, chances, said] : presses) {
    const bool solved =
        result == PressResult::SolvedClean || result == PressResult::SolvedWithFailures;
    EXPECT_EQ(
        AnsiToUtf8(PressAnnouncement(letter, result, chances, solved ? "c a s a " : "c a . a ")),
        said);
  }
}

}  // namespace
