// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture puzzle: which pieces each clean solve shows, the sounds between
// them, the reward of a completed picture and the order of the pictures.
#include "puzzle.h"

#include <cstdlib>
#include <set>

#include "charset.h"
#include "fakes.h"

namespace {

// The puzzle window as the steps see it: pictures that exist and load, and a log of the rest.
class FakePuzzleView : public PuzzleView {
 public:
  explicit FakePuzzleView(CallLog& log) : log_(log) {}

  std::set<int> existing;    // picture numbers with a file
  std::set<int> unreadable;  // of those, the ones that do not load
  std::vector<int> loaded;
  std::vector<PieceRect> shown;  // since the last ClearPieces
  std::string notice;
  int completions = 0;

  bool PictureExists(int number) override { return existing.count(number) > 0; }
  bool LoadPicture(int number) override {
    log_.Add("LoadPicture", number);
    if (!existing.count(number) || unreadable.count(number))
      return false;
    loaded.push_back(number);
    return true;
  }
  void SetNoticeText(const std::string& text) override { log_.Add("SetNoticeText", notice = text); }
  void ClearPieces() override { log_.Add("ClearPieces"), shown.clear(); }
  void ShowPiece(const PieceRect& p) override {
    log_.Add("ShowPiece", p.left, p.top, p.right, p.bottom);
    shown.push_back(p);
  }
  void PuzzleCompleted() override { log_.Add("PuzzleCompleted"), ++completions; }

 private:
  CallLog& log_;
};

struct PuzzleHarness {
  CallLog log;
  FakePuzzleView view{log};
  FakeSound sound{log};
  FakePrompter prompter{log};
  PlayerTable players;
  PuzzleState state;

  void CleanSolve() { AdvancePuzzle(state, view, sound, prompter, players); }
};

// The pieces as a child sees them appear, written out: (left, top, right, bottom).
const PieceRect kExpectedOrder[kPuzzlePieces] = {
    {0, 0, 80, 100},    {240, 100, 320, 200}, {80, 100, 160, 200},  {160, 0, 240, 100},
    {240, 0, 320, 100}, {0, 100, 80, 200},    {160, 100, 240, 200}, {80, 0, 160, 100}};

std::string Text(const PieceRect& p) {
  return std::to_string(p.left) + "," + std::to_string(p.top) + "," + std::to_string(p.right) +
         "," + std::to_string(p.bottom);
}

std::vector<std::string> Texts(const std::vector<PieceRect>& pieces) {
  std::vector<std::string> texts;
  for (const PieceRect& p : pieces)
    texts.push_back(Text(p));
  return texts;
}

}  // namespace

// The k-th clean solve of a picture shows its first k pieces, the newest one first.
class PuzzleStepTest : public ::testing::TestWithParam<int> {};

TEST_P(PuzzleStepTest, ShowsTheFirstPiecesNewestFirst) {
  const int step = GetParam();
  PuzzleHarness h;
  h.view.existing = {1};
  for (int solve = 1; solve < step; ++solve)
    h.CleanSolve();
  h.log.entries.clear();
  h.sound.played.clear();
  h.CleanSolve();

  std::vector<std::string> expected;
  for (int order = step; order >= 1; --order)
    expected.push_back(Text(kExpectedOrder[order - 1]));
  EXPECT_EQ(Texts(h.view.shown), expected);
  // A "letracorrecta" played to its end after every piece, then the solved tune again.
  std::vector<std::pair<SoundId, PlayMode>> sounds(step, {SoundId::LetraCorrecta, PlayMode::Sync});
  sounds.push_back({SoundId::Acierto, PlayMode::Loop});
  EXPECT_EQ(h.sound.played, sounds);
  EXPECT_EQ(h.log.Find("ShowPiece"), h.log.Find("ClearPieces") + 1);
  EXPECT_EQ(h.view.loaded, std::vector<int>{1}) << "one picture for eight solves";
  EXPECT_EQ(h.state.pieceStep, step == kPuzzlePieces ? 1 : step + 1);
  EXPECT_EQ(h.state.puzzleState, step == kPuzzlePieces ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, PuzzleStepTest, ::testing::Range(1, kPuzzlePieces + 1),
                         [](const auto& info) { return "Solve" + std::to_string(info.param); });

TEST(PuzzleTest, TheFirstStepLoadsThePictureAndSaysWhatItIsFor) {
  PuzzleHarness h;
  h.view.existing = {1, 2};
  h.CleanSolve();
  EXPECT_EQ(h.log.entries[0], "LoadPicture 1");
  EXPECT_EQ(h.view.notice, "Cuando completes el puzle");
  EXPECT_EQ(h.state.puzzleNumber, 1);
  EXPECT_TRUE(h.prompter.messages.empty());
}

TEST(PuzzleTest, TheEighthPieceGivesTwentyPointsToTheGroupAndEveryPlayer) {
  PuzzleHarness h;
  h.view.existing = {1};
  h.players.playerCount = 3;
  h.players.currentPlayer = 2;
  const std::array<int, 5> before = {50, 10, 20, 30, 7};  // group, players 1..3, a fourth
  for (int i = 0; i < 5; ++i)
    h.players.scores[i].points = before[i];
  for (int solve = 1; solve < kPuzzlePieces; ++solve)
    h.CleanSolve();
  EXPECT_EQ(h.players.scores[0].points, 50) << "no points before the last piece";
  EXPECT_EQ(h.view.completions, 0);

  h.log.entries.clear();
  h.CleanSolve();
  EXPECT_EQ(h.players.scores[0].points, 70);
  EXPECT_EQ(h.players.scores[1].points, 30);
  EXPECT_EQ(h.players.scores[2].points, 40);
  EXPECT_EQ(h.players.scores[3].points, 50);
  EXPECT_EQ(h.players.scores[4].points, 7) << "a player who is not in the group";
  EXPECT_EQ(h.view.notice, "Bravo, has conseguido");
  EXPECT_EQ(h.view.completions, 1);
  // The dialog and the points are told after the last piece, before the tune starts again.
  EXPECT_LT(h.log.Find("ShowPiece 0 0 80 100"), h.log.Find("PuzzleCompleted"));
  EXPECT_LT(h.log.Find("PuzzleCompleted"), h.log.Find("Play Acierto Loop"));
}

// Pictures 1 and 2 exist: eight solves a picture, then the first one again.
TEST(PuzzleTest, PicturesFollowEachOtherAndStartAgainAfterTheLast) {
  PuzzleHarness h;
  h.view.existing = {1, 2};
  std::vector<int> pictureOfSolve;
  for (int solve = 1; solve <= 24; ++solve) {
    h.CleanSolve();
    pictureOfSolve.push_back(h.state.puzzleNumber);
  }
  EXPECT_EQ(h.view.loaded, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(pictureOfSolve[8 - 1], 1);
  EXPECT_EQ(pictureOfSolve[9 - 1], 2);
  EXPECT_EQ(pictureOfSolve[16 - 1], 2);
  EXPECT_EQ(pictureOfSolve[17 - 1], 1);
  EXPECT_EQ(h.view.completions, 3);
}

struct MissingCase {
  const char* name;
  std::set<int> existing;
  std::set<int> unreadable;
  int puzzleNumber;  // before the step
  int numberAfter;   // after the refused step
  int pictureTried;
};

class PuzzleMissingTest : public ::testing::TestWithParam<MissingCase> {};

TEST_P(PuzzleMissingTest, SaysSoOnceAndSwitchesPuzzlesOff) {
  const MissingCase& c = GetParam();
  PuzzleHarness h;
  h.view.existing = c.existing;
  h.view.unreadable = c.unreadable;
  h.state.puzzleNumber = c.puzzleNumber;
  h.CleanSolve();
  ASSERT_EQ(h.prompter.messages.size(), 1u);
  EXPECT_EQ(h.prompter.messages[0].kind, "Plain");
  EXPECT_EQ(h.prompter.messages[0].text, Ansi("\n¡Error!\n\nNo se han encontrado puzles.\n"));
  EXPECT_EQ(h.state.puzzleState, -1);
  EXPECT_FALSE(h.state.Enabled());
  EXPECT_EQ(h.state.puzzleNumber, c.numberAfter);
  EXPECT_EQ(h.log.entries[0], "LoadPicture " + std::to_string(c.pictureTried));
  // The window is left as it was, and the tune is not started again.
  EXPECT_EQ(h.log.Find("ClearPieces"), -1);
  EXPECT_EQ(h.log.Find("SetNoticeText"), -1);
  EXPECT_TRUE(h.sound.played.empty());

  // Later clean solves do nothing at all, until "Jugar".
  h.CleanSolve();
  EXPECT_EQ(h.prompter.messages.size(), 1u);
  EXPECT_EQ(h.log.Count("LoadPicture"), 1);
  RestartPuzzles(h.state);
  EXPECT_TRUE(h.state.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Pictures, PuzzleMissingTest,
                         ::testing::Values(MissingCase{"NoPictureAtAll", {}, {}, 0, 0, 1},
                                           MissingCase{"FirstUnreadable", {1}, {1}, 0, 0, 1},
                                           MissingCase{"NextUnreadable", {1, 2, 3}, {3}, 2, 2, 3},
                                           MissingCase{"FirstGoneAfterTheLast", {2}, {}, 2, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PuzzleTest, JugarAbandonsAHalfDonePictureForTheNextOne) {
  PuzzleHarness h;
  h.view.existing = {1, 2, 3};
  for (int solve = 1; solve <= 3; ++solve)
    h.CleanSolve();
  RestartPuzzles(h.state);
  h.CleanSolve();
  EXPECT_EQ(h.view.loaded, (std::vector<int>{1, 2}));
  EXPECT_EQ(Texts(h.view.shown), std::vector<std::string>{Text(kExpectedOrder[0])});
  EXPECT_EQ(h.state.pieceStep, 2);
}

TEST(PuzzleTest, CreatingTheWindowForgetsEveryPicture) {
  PuzzleState state{-1, 5, 4};
  ResetPuzzles(state);
  EXPECT_EQ(state.puzzleState, 0);
  EXPECT_EQ(state.puzzleNumber, 0);
  EXPECT_EQ(state.pieceStep, 1);
}

// A count outside 2..8 draws the top-left piece alone.
class RevealCountTest : public ::testing::TestWithParam<int> {};

TEST_P(RevealCountTest, OutOfRangeDrawsTheFirstPieceOnly) {
  CallLog log;
  FakePuzzleView view(log);
  FakeSound sound(log);
  RevealPieces(GetParam(), view, sound);
  EXPECT_EQ(Texts(view.shown), std::vector<std::string>{Text(kExpectedOrder[0])});
  EXPECT_EQ(sound.played.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Counts, RevealCountTest, ::testing::Values(-1, 0, 1, 9),
                         [](const auto& info) {
                           return "Count" + std::string(info.param < 0 ? "Minus" : "") +
                                  std::to_string(std::abs(info.param));
                         });

TEST(PuzzleTest, PicturesAreNumberedInThePuzzleFolder) {
  EXPECT_EQ(PuzzleFileName(1), "puzles/puzle1.bmp");
  EXPECT_EQ(PuzzleFileName(12), "puzles/puzle12.bmp");
}
