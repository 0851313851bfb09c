// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Judging the letters pressed while a word is in play.

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
  std::string shown;  // the word shown afterwards, without its spaces
  int chances;
};

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
  std::string results, shown;
  const InputSource source = c.onScreen ? InputSource::OnScreenKey : InputSource::PhysicalKeyboard;
  for (PressResult r : h.Press(c.presses, source))
    results += "ICWSFL"[static_cast<int>(r)];
  for (char letter : c.shown)
    shown += std::string(1, letter) + " ";
  EXPECT_EQ(results, c.results);
  EXPECT_EQ(h.view.wordText, shown);
  EXPECT_EQ(h.view.chances, c.chances);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressLetterTest,
    testing::Values(
        PressCase{"RevealsEveryOccurrence", "casa", 4, kDefaults, 0, "a", "S", "casa", 5},
        PressCase{"RevealsOneOccurrenceAPress", "casa", 4, kOneAtATime, 0, "aa", "CS", "casa", 5},
        PressCase{"AccentIsAnotherLetter", Ansi("más"), 1, kDefaults, 0, Ansi("aá"), "WF",
                  Ansi("más"), 4},
        PressCase{"CaseIsAnotherLetter", "casa", 4, kDefaults, 0, "A", "W", "c.s.", 4},
        PressCase{"VowelsOnlyIgnoresConsonants", "casa", 1, kVowelsOnly, 0, "cs", "II", "c.s.", 2},
        PressCase{"VowelsOnlyWrongVowel", "casa", 1, kVowelsOnly, 1, "e", "W", "c.s.", 1},
        PressCase{"KeyboardGivesLettersAndSigns", "casa", 4, kDefaults, 0, Ansi("7-,$ç"), "IIIWW",
                  "c.s.", 3},
        PressCase{"OnScreenDigitIsJudged", "casa", 4, kDefaults, 1, "7", "W", "c.s.", 4},
        PressCase{"SpaceDotEnterNeverCount", "casa", 4, kDefaults, 1, " .\r", "III", "c.s.", 5},
        PressCase{"WrongLetterTwiceCostsOnce", "casa", 4, kDefaults, 0, "xx", "WI", "c.s.", 4},
        PressCase{"WrongLetterTwiceCostsTwice", "casa", 4, kRepeatsCount, 0, "xx", "WW", "c.s.", 3},
        PressCase{"FoundLetterAgainIsIgnored", "perro", 4, kDefaults, 0, "ee", "CI", "per.o", 5},
        PressCase{"FoundLetterAgainIsWrong", "perro", 4, kRepeatsCount, 0, "ee", "CW", "per.o", 4},
        PressCase{"EnyeFromTheKeyboard", Ansi("niño"), 2, kDefaults, 0, Ansi("nñ"), "CS",
                  Ansi("niño"), 5},
        PressCase{"HiddenSpaceIsFoundFromTheStart", "pan duro", 3, kDefaults, 0, "andur", "CCCCS",
                  "pan duro", 5},
        PressCase{"MarkedLetters", "/ca/sa", 6, kDefaults, 0, "cs", "CS", "casa", 5},
        PressCase{"SixthWrongLetterLoses", "casa", 4, kDefaults, 0, "bdefgh", "WWWWWL", "c.s.", 0},
        PressCase{"NothingCountsAfterASolve", "casa", 4, kDefaults, 0, "ab", "SI", "casa", 5},
        PressCase{"NothingCountsAfterALoss", "casa", 4, kTwoAllowed, 0, "bdeas", "WWLII", "c.s.",
                  0}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

TEST(PressLetterTest, SoundsFollowEachPressAndIgnoredPressesChangeNothing) {
  Harness h;
  h.StartOnly("pato", kHideFewLetters);  // "p . t ."
  h.log.entries.clear();
  h.Press("x7 .\rax");
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

// The label each wrong letter goes to and the floor pieces broken after it.
TEST(PressLetterTest, WrongLettersFillLabelsAndBreakTheFloor) {
  for (const auto& [allowed, labels] :
       std::vector<std::pair<int, std::string>>{{5, "123455"}, {2, "135"}}) {
    Harness h;
    h.settings().allowedFailures = allowed;
    h.StartOnly("casa", kHideFewLetters);
    const std::string letters = std::string("bdefgh").substr(0, labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
      SCOPED_TRACE(testing::Message() << allowed << " allowed, wrong letter " << i + 1);
      h.log.entries.clear();
      h.game.PressLetter(letters[i], InputSource::PhysicalKeyboard);
      const std::string label = labels.substr(i, 1);
      EXPECT_EQ(h.view.failedLabels[label[0] - '0'], letters[i]);
      EXPECT_EQ(h.log.Find("SetFailedLetter " + label + " " + letters[i]),
                h.log.Find("SetChances") + 1);
      const int broken = std::min(6, static_cast<int>(i + 1) * (allowed == 2 ? 2 : 1));
      for (int piece = 1; piece <= 6; ++piece)
        EXPECT_EQ(h.view.floor[piece], piece <= broken) << "piece " << piece;
    }
    EXPECT_EQ(h.game.state().failedLetters, letters);
    EXPECT_FALSE(h.game.state().wordInPlay);
  }
}

}  // namespace
