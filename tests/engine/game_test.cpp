// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting a word: the draw, the hiding mode, the reset of the word shown, and
// the menu commands of the modes and options.

#include <tuple>

#include "charset.h"
#include "fakes.h"

namespace {

const Message kNoList{
    "Stop", "\n\nNo hay archivo en memoria para jugar. Debes abrir un archivo de palabras.\n\n",
    "Lurimba"};
const std::string kNoMarksText = Ansi(
    "\n\nEl archivo en memoria tiene palabras \"SIN marcas\".\n\nPor tanto, esta opción de juego "
    "no es posible.\n");
const std::string kNoVowelsText = Ansi(
    "\nHay una o más palabras en el archivo, sin letras vocales. Imposible jugar con ellas en "
    "esta opción de juego.\nEl programa va a cambiar de opción de juego para continuar. "
    "\nDespués, puede elegir otra opción de juego.");
const std::string kNoConsonantsText = Ansi(
    "\nHay una o más palabras en el archivo, sin letras consonantes. Imposible jugar con ellas "
    "en esta opción de juego.\nEl programa va a cambiar de opción de juego para continuar. "
    "\nDespués, puede elegir otra opción de juego.");
const Message kNoPlayable{
    "Stop",
    Ansi("\n\nNinguna palabra del archivo en memoria se puede jugar con esta opción de juego.\n\n"
         "Por tanto, el programa va a cambiar de opción de juego.\n"),
    "Lurimba"};

const std::vector<std::string> kAnimals = {"v/aca", "pe/rro", "ga/to", "/oso",   "lo/bo",
                                           "/pez",  "to/ro",  "ra/ta", "ca/bra", "pa/to"};

TEST(GameStartTest, ShowsHintThemeAndResetsTheWordInOrder) {
  Harness h;
  h.UseWords(kAnimals);
  GameState& s = h.state();
  h.settings().allowedFailures = 2;
  s.elapsedSeconds = 77;
  s.pressedLetters = s.failedLetters = "xy";
  s.failureSteps = 4;
  h.players().records[0].solvedTotal = 3;
  h.players().records[0].failedTotal = 4;
  h.players().scores[1].points = 7;
  h.players().scores[0].points = 12;
  h.settings().colouredVowels = true;
  h.randoms = {2};
  h.game.StartWordInMode(kHideFewLetters);
  const std::vector<std::string> expected = {"ShowSettings 4",
                                             "SetHintText Pista: pista 2",
                                             "SetThemeText Tema: Animales",
                                             "HideSceneFrames",
                                             "SetWordText p . r . o ",
                                             "SetWordCounters 3 4",
                                             "SetChances 2",
                                             "ClearFailedLetters",
                                             "ShowVowelOverlay 1",
                                             "SetPlayerName Sin nombre",
                                             "SetPointsText 7 / 12",
                                             "SetVowelOptionsEnabled 0"};
  EXPECT_EQ(h.log.entries, expected);
  EXPECT_EQ(s.currentWord, 2);
  EXPECT_TRUE(s.wordInPlay);
  EXPECT_EQ(s.elapsedSeconds + s.foundCount + s.failureSteps, 0);
  EXPECT_EQ(s.pressedLetters + s.failedLetters, "");

  h.words().slots[5].hint = "";
  h.randoms = {5};
  h.game.StartWord();
  EXPECT_EQ(h.view.hintText, "Pista: ");
}

TEST(GameStartTest, ModeSetsHelpTopicAndAllowedFailures) {
  const int helpTopics[] = {0, 512, 513, 515, 510, 511, 514};
  for (bool vowelsOnly : {false, true}) {
    for (int mode = 1; mode <= 6; ++mode) {
      SCOPED_TRACE(testing::Message() << "mode " << mode << " vowelsOnly " << vowelsOnly);
      Harness h;
      h.UseWords(kAnimals);
      h.settings().vowelsOnly = vowelsOnly;
      h.game.StartWordInMode(mode);
      EXPECT_EQ(h.view.shown.hideMode, mode);
      EXPECT_EQ(h.game.state().helpContext, helpTopics[mode]);
      EXPECT_EQ(h.view.chances, mode == 1 && vowelsOnly ? 2 : 5);
      EXPECT_EQ(h.view.vowelOptionsEnabled, mode == 1);
    }
  }
}

// A word without a letter to hide in modes 1 and 2 is shown whole, then the notice, then mode 4.
TEST(GameStartTest, NoLetterToHideShowsTheWordThenNoticeThenModeFour) {
  const std::tuple<int, std::string, std::string, std::string> cases[] = {
      {1, "xyz", "x y z ", kNoVowelsText}, {2, Ansi("oía"), Ansi("o í a "), kNoConsonantsText}};
  for (const auto& [mode, word, shown, notice] : cases) {
    Harness h;
    h.UseWords({word, "sol", "sol", "sol", "sol", "sol", "sol", "sol", "sol", "sol"});
    h.randoms = {1, 2};
    h.game.ChooseMode(mode);
    EXPECT_EQ(h.prompter.messages, (std::vector<Message>{{"Plain", notice, ""}}));
    const int notified = h.log.Find("Plain");
    EXPECT_EQ(h.log.Find("SetWordText " + shown), h.log.Find("SetWordText"));
    EXPECT_LT(h.log.Find("SetWordText"), notified);
    EXPECT_EQ(h.log.Find("ShowSettings 4", notified), notified + 1);
    EXPECT_EQ(h.game.state().helpContext, 510);
    EXPECT_EQ(h.view.wordText, "s . l ");
  }
}

TEST(GameCommandTest, ModeNeedsAListAndMarks) {
  Harness h;
  h.game.ChooseMode(kHideAllButEnds);
  EXPECT_EQ(h.prompter.messages, std::vector<Message>{kNoList});
  EXPECT_EQ(h.log.entries, (std::vector<std::string>{"Stop Lurimba", "ShowSettings 4"}));

  std::vector<std::string> words = kAnimals;
  words[9] = "pato";  // no mark
  h.UseWords(words);
  h.game.StartWordInMode(kHideAllButEnds);
  const std::string before = h.view.wordText;
  h.log.entries.clear();
  h.game.ChooseMode(kHideMarked);
  EXPECT_EQ(h.prompter.messages,
            (std::vector<Message>{kNoList, {"Stop", kNoMarksText, "Lurimba"}}));
  // The marks go back to the mode in play.
  EXPECT_EQ(h.log.entries, (std::vector<std::string>{"Stop Lurimba", "ShowSettings 3"}));
  EXPECT_EQ(h.settings().hideMode, kHideAllButEnds);
  EXPECT_EQ(h.view.wordText, before);

  h.UseWords(kAnimals);
  h.game.ChooseMode(kHideMarked);
  EXPECT_EQ(h.view.shown.hideMode, kHideMarked);
  // The current mode chosen again starts a new word.
  const int starts = h.log.Count("SetHintText");
  h.game.ChooseMode(kHideMarked);
  EXPECT_EQ(h.log.Count("SetHintText"), starts + 1);
}

TEST(GameCommandTest, Options) {
  Harness h;
  h.UseWords(kAnimals);
  h.game.StartWordInMode(kHideVowels);
  h.log.entries.clear();
  h.game.SetVowelsOnly(true);
  EXPECT_EQ(h.log.entries, (std::vector<std::string>{"ShowSettings 1", "ShowVowelOverlay 1"}));
  EXPECT_TRUE(h.view.shown.vowelsOnly && h.view.shown.colouredVowels);
  // The word in play keeps its allowed failures; the next one has two.
  EXPECT_EQ(h.game.state().wordAllowedFailures, 5);
  h.game.StartWord();
  EXPECT_EQ(h.game.state().wordAllowedFailures, 2);
  h.log.entries.clear();
  h.game.SetVowelsOnly(false);
  EXPECT_EQ(h.log.entries, (std::vector<std::string>{"ShowSettings 1", "ShowVowelOverlay 0"}));
  EXPECT_FALSE(h.view.shown.colouredVowels);

  // Repeated letters count, then reveal all: each toggle as the menus see it.
  const Settings& s = h.view.shown;
  std::string marks;
  for (char toggle : std::string("IIRIR")) {
    toggle == 'I' ? h.game.ToggleIgnorePressedLetters() : h.game.ToggleRevealAll();
    marks += std::to_string(s.countRepeatedLetters) + std::to_string(s.revealAllOccurrences) + " ";
  }
  // One occurrence revealed a press always counts repeated letters.
  EXPECT_EQ(marks, "11 01 10 10 11 ");

  h.game.StartWordInMode(kHideAllButEnds);
  const int starts = h.log.Count("SetHintText");
  h.game.SetAllowedFailures(2);
  EXPECT_EQ(h.log.Count("SetHintText"), starts + 1);
  EXPECT_EQ(h.settings().hideMode, kHideAllButEnds);
  EXPECT_EQ(h.view.chances, 2);
}

struct NoPlayableCase {
  const char* name;
  int mode;
  std::vector<std::string> words;
  std::vector<Message> messages;  // the program ends after kNoValidList
};

class NoPlayableWordTest : public testing::TestWithParam<NoPlayableCase> {};

TEST_P(NoPlayableWordTest, StopsDrawing) {
  const NoPlayableCase& c = GetParam();
  Harness h;
  h.UseWords(c.words);
  h.game.StartWordInMode(c.mode);
  EXPECT_EQ(h.prompter.messages, c.messages);
  const bool quits = c.messages.back() == kNoValidList;
  EXPECT_EQ(h.log.Count("QuitProgram"), quits ? 1 : 0);
  if (!quits) {
    EXPECT_EQ(h.view.shown.hideMode, kHideFewLetters);
    EXPECT_TRUE(h.game.state().wordInPlay);
    EXPECT_EQ(h.view.wordText.size(), 2 * kWordLength);
  }
}

const std::vector<std::string> kLetters = {"a", "b", "/c", "d", "e", "f", "g", "h", "i", "/j"};

INSTANTIATE_TEST_SUITE_P(
    Lists, NoPlayableWordTest,
    testing::Values(
        NoPlayableCase{
            "ShortWordsInModeThree", kHideAllButEnds, kLetters, {kNoPlayable, kNoValidList}},
        NoPlayableCase{"ShortWordsInModeFour", kHideFewLetters, kLetters, {kNoValidList}},
        NoPlayableCase{"NothingToFindInModeFour", kHideFewLetters, Repeat("1-2"), {kNoValidList}},
        NoPlayableCase{
            "OneLetterMarkedWords", kHideMarked, Repeat("/x"), {kNoPlayable, kNoValidList}},
        NoPlayableCase{
            "LongMarkedWords", kHideMarked, Repeat("/" + std::string(31, 'm')), {kNoPlayable}}),
    [](const testing::TestParamInfo<NoPlayableCase>& info) { return info.param.name; });

}  // namespace
