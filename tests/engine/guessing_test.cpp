// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Judging the letters pressed while a word is in play.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charset.h"
#include "fakes.h"

namespace {

struct Options {
  bool revealAll = true;
  bool countRepeated = false;
  bool vowelsOnly = false;
  int allowed = 5;
};

const Options kDefaults;
const Options kOneAtATime{false, true};
const Options kRepeatsCount{true, true};
const Options kVowelsOnly{true, false, true};
const Options kTwoAllowed{true, false, false, 2};

struct PressCase {
  const char* name;
  std::string word;
  int mode;
  Options options;
  bool onScreen;  // else the physical keyboard
  std::string presses;
  // One letter a press: Ignored, Correct, Wrong, Solved, solved with Failures, Lost.
  std::string results;
  std::string shown;  // the word shown afterwards
  int steps;
  int chances;
};

char Code(PressResult result) {
  return "ICWSFL"[static_cast<int>(result)];
}

class PressLetterTest : public testing::TestWithParam<PressCase> {};

TEST_P(PressLetterTest, JudgesEachPress) {
  const PressCase& c = GetParam();
  Harness h;
  Settings& options = h.settings();
  options.revealAllOccurrences = c.options.revealAll;
  options.countRepeatedLetters = c.options.countRepeated;
  options.vowelsOnly = c.options.vowelsOnly;
  options.allowedFailures = c.options.allowed;
  h.StartOnly(c.word, c.mode);
  const GameState& s = h.game.state();
  std::string results;
  const InputSource source = c.onScreen ? InputSource::OnScreenKey : InputSource::PhysicalKeyboard;
  for (PressResult r : h.Press(c.presses, source))
    results += Code(r);
  EXPECT_EQ(results, c.results);
  EXPECT_EQ(h.view.wordText, c.shown);
  EXPECT_EQ(s.failureSteps, c.steps);
  EXPECT_EQ(s.chancesLeft, c.chances);
  EXPECT_EQ(h.view.chances, c.chances);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressLetterTest,
    testing::Values(
        PressCase{"RevealsEveryOccurrence", "casa", 4, kDefaults, 0, "a", "S", "c a s a ", 0, 5},
        PressCase{"RevealsTheFirstOccurrence", "casa", 4, kOneAtATime, 0, "a", "C", "c a s . ", 0,
                  5},
        PressCase{"RevealsTheNextOccurrence", "casa", 4, kOneAtATime, 0, "aa", "CS", "c a s a ", 0,
                  5},
        PressCase{"AccentIsAnotherLetter", Ansi("más"), 1, kDefaults, 0, Ansi("aá"), "WF",
                  Ansi("m á s "), 1, 4},
        PressCase{"CaseIsAnotherLetter", "casa", 4, kDefaults, 0, "A", "W", "c . s . ", 1, 4},
        PressCase{"VowelsOnlyIgnoresConsonants", "casa", 1, kVowelsOnly, 0, "cs", "II", "c . s . ",
                  0, 2},
        PressCase{"VowelsOnlyWrongVowel", "casa", 1, kVowelsOnly, 1, "e", "W", "c . s . ", 2, 1},
        PressCase{"KeyboardGivesLettersOnly", "casa", 4, kDefaults, 0, "7-,", "III", "c . s . ", 0,
                  5},
        PressCase{"KeyboardGivesSigns", "casa", 4, kDefaults, 0, Ansi("$ç"), "WW", "c . s . ", 2,
                  3},
        PressCase{"OnScreenDigitIsJudged", "casa", 4, kDefaults, 1, "7", "W", "c . s . ", 1, 4},
        PressCase{"SpaceDotEnterNeverCount", "casa", 4, kDefaults, 1, " .\r", "III", "c . s . ", 0,
                  5},
        PressCase{"WrongLetterTwiceCostsOnce", "casa", 4, kDefaults, 0, "xx", "WI", "c . s . ", 1,
                  4},
        PressCase{"WrongLetterTwiceCostsTwice", "casa", 4, kRepeatsCount, 0, "xx", "WW", "c . s . ",
                  2, 3},
        PressCase{"FoundLetterAgainIsIgnored", "perro", 4, kDefaults, 0, "ee", "CI", "p e r . o ",
                  0, 5},
        PressCase{"FoundLetterAgainIsWrong", "perro", 4, kRepeatsCount, 0, "ee", "CW", "p e r . o ",
                  1, 4},
        PressCase{"EnyeFromTheKeyboard", Ansi("niño"), 2, kDefaults, 0, Ansi("nñ"), "CS",
                  Ansi("n i ñ o "), 0, 5},
        PressCase{"MarkedLetters", "/ca/sa", 6, kDefaults, 0, "cs", "CS", "c a s a ", 0, 5},
        PressCase{"SixthWrongLetterLoses", "casa", 4, kDefaults, 0, "bdefgh", "WWWWWL", "c . s . ",
                  6, 0},
        PressCase{"ThirdWrongLetterLoses", "casa", 4, kTwoAllowed, 0, "bde", "WWL", "c . s . ", 6,
                  0},
        PressCase{"NothingCountsAfterASolve", "casa", 4, kDefaults, 0, "ab", "SI", "c a s a ", 0,
                  5},
        PressCase{"NothingCountsAfterALoss", "casa", 4, kTwoAllowed, 1, "bdeas", "WWLII",
                  "c . s . ", 6, 0}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

TEST(PressLetterTest, IgnoredPressesChangeNothing) {
  Harness h;
  h.settings().vowelsOnly = true;
  h.StartOnly("casa", kHideVowels);
  h.log.entries.clear();
  h.Press("cs7 .\r");
  EXPECT_TRUE(h.log.entries.empty());
  EXPECT_TRUE(h.sound.played.empty());
  EXPECT_EQ(h.game.state().pressedLetters, "");
}

TEST(PressLetterTest, SoundsFollowEachPress) {
  Harness h;
  h.StartOnly("pato", kHideFewLetters);  // "p . t ."
  h.log.entries.clear();
  h.Press("xax");
  const std::vector<std::pair<SoundId, PlayMode>> expected = {
      {SoundId::SonidoTecla, PlayMode::Sync},
      {SoundId::LetraFallada, PlayMode::Async},
      {SoundId::SonidoTecla, PlayMode::Sync},
      {SoundId::LetraCorrecta, PlayMode::Async}};
  EXPECT_EQ(h.sound.played, expected);
  // The key click has played before the letter shows.
  const int click = h.log.Find("Play SonidoTecla", h.log.Find("SetFailedLetter"));
  EXPECT_LT(click, h.log.Find("ShowRevealedWord p a t . "));
  EXPECT_LT(h.log.Find("ShowRevealedWord p a t . "), h.log.Find("Play LetraCorrecta"));
  EXPECT_EQ(h.game.state().displayText, "p a t . ");
  EXPECT_EQ(h.game.state().pressedLetters, "xa");
}

struct WrongLetterCase {
  int allowed;
  std::vector<int> labels;   // label of each wrong letter
  std::vector<int> chances;  // chances left after each
};

class WrongLetterTest : public testing::TestWithParam<WrongLetterCase> {};

TEST_P(WrongLetterTest, FillsLabelsAndBreaksTheFloor) {
  const WrongLetterCase& c = GetParam();
  Harness h;
  h.settings().allowedFailures = c.allowed;
  h.StartOnly("casa", kHideFewLetters);
  const int stepsPerLetter = c.allowed == 2 ? 2 : 1;
  const std::string letters = "bdefgh";
  PressResult last = PressResult::Ignored;
  for (std::size_t i = 0; i < c.labels.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "wrong letter " << i + 1);
    h.log.entries.clear();
    last = h.game.PressLetter(letters[i], InputSource::PhysicalKeyboard);
    EXPECT_EQ(h.view.failedLabels[c.labels[i]], letters[i]);
    EXPECT_EQ(h.log.Find("SetFailedLetter " + std::to_string(c.labels[i]) + " " + letters[i]),
              h.log.Find("SetChances") + 1);
    EXPECT_EQ(h.view.chances, c.chances[i]);
    const int broken = static_cast<int>(i + 1) * stepsPerLetter;
    for (int piece = 1; piece <= 6; ++piece)
      EXPECT_EQ(h.view.floor[piece], piece <= broken);
  }
  EXPECT_EQ(h.game.state().failedLetters, letters.substr(0, c.labels.size()));
  EXPECT_EQ(last, PressResult::Lost);
  EXPECT_FALSE(h.game.state().wordInPlay);
}

INSTANTIATE_TEST_SUITE_P(Allowed, WrongLetterTest,
                         testing::Values(WrongLetterCase{5, {1, 2, 3, 4, 5, 5}, {4, 3, 2, 1, 0, 0}},
                                         WrongLetterCase{2, {1, 3, 5}, {1, 0, 0}}),
                         [](const testing::TestParamInfo<WrongLetterCase>& info) {
                           return std::to_string(info.param.allowed) + "Allowed";
                         });

}  // namespace
