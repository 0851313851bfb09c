// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture puzzle: which pieces each clean solve shows, the sounds between
// them, the reward of a completed picture and the order of the pictures.
#include "puzzle.h"

#include <set>
#include <tuple>

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
  std::string pieces;  // "left,top,right,bottom " each piece shown since the last ClearPieces
  std::string notice;

  bool PictureExists(int number) override { return existing.count(number) > 0; }
  bool LoadPicture(int number) override {
    log_.Add("LoadPicture", number);
    if (!existing.count(number) || unreadable.count(number))
      return false;
    loaded.push_back(number);
    return true;
  }
  void SetNoticeText(const std::string& text) override { log_.Add("SetNoticeText", notice = text); }
  void ClearPieces() override { log_.Add("ClearPieces"), pieces.clear(); }
  void ShowPiece(const PieceRect& p) override {
    log_.Add("ShowPiece", p.left, p.top, p.right, p.bottom);
    for (int side : {p.left, p.top, p.right})
      pieces += std::to_string(side) + ",";
    pieces += std::to_string(p.bottom) + " ";
  }
  void PuzzleCompleted() override { log_.Add("PuzzleCompleted"); }

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

// The pieces as a child sees them appear.
const char* const kOrder[kPuzzlePieces] = {
    "0,0,80,100 ",    "240,100,320,200 ", "80,100,160,200 ",  "160,0,240,100 ",
    "240,0,320,100 ", "0,100,80,200 ",    "160,100,240,200 ", "80,0,160,100 "};

}  // namespace

// The k-th clean solve of a picture shows its first k pieces, the newest one first.
class PuzzleStepTest : public ::testing::TestWithParam<int> {};

TEST_P(PuzzleStepTest, ShowsTheFirstPiecesNewestFirst) {
  const int step = GetParam();
  PuzzleHarness h;
  h.view.existing = {1, 2};
  for (int solve = 1; solve < step; ++solve)
    h.CleanSolve();
  h.sound.played.clear();
  h.CleanSolve();

  std::string expected;
  for (int order = step; order >= 1; --order)
    expected += kOrder[order - 1];
  EXPECT_EQ(h.view.pieces, expected);
  // A "letracorrecta" played to its end after every piece, then the solved tune again.
  std::vector<std::pair<SoundId, PlayMode>> sounds(step, {SoundId::LetraCorrecta, PlayMode::Sync});
  sounds.push_back({SoundId::Acierto, PlayMode::Loop});
  EXPECT_EQ(h.sound.played, sounds);
  EXPECT_EQ(h.view.loaded, std::vector<int>{1}) << "one picture for eight solves";
  EXPECT_EQ(h.view.notice,
            step == kPuzzlePieces ? "Bravo, has conseguido" : "Cuando completes el puzle");
  EXPECT_TRUE(h.prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Steps, PuzzleStepTest, ::testing::Range(1, kPuzzlePieces + 1),
                         [](const auto& info) { return "Solve" + std::to_string(info.param); });

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
  h.log.entries.clear();
  h.CleanSolve();
  std::vector<int> after;
  for (int i = 0; i < 5; ++i)
    after.push_back(h.players.scores[i].points);
  EXPECT_EQ(after, (std::vector<int>{70, 30, 40, 50, 7}));
  // The dialog and the points are told after the last piece, before the tune starts again.
  EXPECT_LT(h.log.Find("ShowPiece 0 0 80 100"), h.log.Find("PuzzleCompleted"));
  EXPECT_LT(h.log.Find("PuzzleCompleted"), h.log.Find("Play Acierto Loop"));
}

// Pictures 1 and 2 exist: eight solves a picture, then the first one again; "Jugar"
// abandons a half-done picture for the next one.
TEST(PuzzleTest, PicturesFollowEachOther) {
  PuzzleHarness h;
  h.view.existing = {1, 2};
  std::vector<int> pictureOfSolve;
  for (int solve = 1; solve <= 17; ++solve) {
    h.CleanSolve();
    pictureOfSolve.push_back(h.state.puzzleNumber);
  }
  EXPECT_EQ(h.view.loaded, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(pictureOfSolve[8 - 1], 1);
  EXPECT_EQ(pictureOfSolve[9 - 1], 2);
  EXPECT_EQ(pictureOfSolve[16 - 1], 2);
  EXPECT_EQ(h.log.Count("PuzzleCompleted"), 2);
  RestartPuzzles(h.state);
  h.CleanSolve();
  EXPECT_EQ(h.view.loaded, (std::vector<int>{1, 2, 1, 2}));
  EXPECT_EQ(h.view.pieces, kOrder[0]);
}

// No picture to load: the notice once, puzzles off until "Jugar".
TEST(PuzzleTest, MissingPictureIsSaidOnceAndSwitchesPuzzlesOff) {
  // Pictures with a file, those that do not load, the last number loaded, the number
  // after the refused step and the picture tried.
  const std::tuple<std::set<int>, std::set<int>, int, int, int> cases[] = {
      {{}, {}, 0, 0, 1}, {{1}, {1}, 0, 0, 1}, {{1, 2, 3}, {3}, 2, 2, 3}, {{2}, {}, 2, 0, 1}};
  for (const auto& [existing, unreadable, before, after, tried] : cases) {
    PuzzleHarness h;
    h.view.existing = existing;
    h.view.unreadable = unreadable;
    h.state.puzzleNumber = before;
    h.CleanSolve();
    EXPECT_EQ(
        h.prompter.messages,
        (std::vector<Message>{{"Plain", Ansi("\n¡Error!\n\nNo se han encontrado puzles.\n"), ""}}));
    EXPECT_FALSE(h.state.Enabled());
    EXPECT_EQ(h.state.puzzleNumber, after);
    // Only the picture tried: the window is left as it was, and the tune is not started again.
    EXPECT_EQ(h.log.entries,
              (std::vector<std::string>{"LoadPicture " + std::to_string(tried), "Plain "}));
    h.CleanSolve();  // later clean solves do nothing at all
    EXPECT_EQ(h.log.entries.size(), 2u);
    RestartPuzzles(h.state);
    EXPECT_TRUE(h.state.Enabled());
  }
}

TEST(PuzzleTest, PicturesAreReadFromThePuzzleFolder) {
  EXPECT_EQ(PuzzleFileName(12), "puzles/puzle12.bmp");
}
