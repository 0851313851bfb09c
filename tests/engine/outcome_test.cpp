// Settling a finished word: counters, points, turns and the dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"

namespace {

enum class Outcome { CleanSolve, SolveAfterFailure, Failure };

// Ends the word in play ("casa" in every slot) as asked.
void Finish(Harness& h, Outcome outcome) {
  if (outcome == Outcome::SolveAfterFailure) {
    ASSERT_EQ(h.game.PressLetter('x'), PressResult::Wrong);
  }
  if (outcome == Outcome::Failure) {
    h.FailWord("casa");
  } else {
    h.SolveWord();
  }
}

struct OutcomeCase {
  Outcome outcome;
  int points;
  bool solved;
};

class OutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(OutcomeTest, CountsForThePlayerWhoseTurnItWasInTheModeOfTheWord) {
  const OutcomeCase& c = GetParam();
  for (int mode = 1; mode <= 6; ++mode) {
    SCOPED_TRACE(testing::Message() << "mode " << mode);
    Harness h;
    PlayerTable& p = h.game.players;
    p.playerCount = 3;
    p.currentPlayer = 2;
    p.scores[2].points = 4;
    p.scores[0].points = 100;
    h.StartOnly("/c/a/s/a", mode);
    int shownPlayer = 0;
    h.view.onSolvedDialog = h.view.onFailedDialog = [&] { shownPlayer = p.currentPlayer; };
    Finish(h, c.outcome);
    EXPECT_EQ(p.scores[2].points, 4 + c.points);
    EXPECT_EQ(p.scores[0].points, 100 + c.points);
    EXPECT_EQ(p.scores[1].points, 0);
    EXPECT_EQ(p.scores[3].points, 0);
    // The points shown are those of the player who scored.
    EXPECT_EQ(h.view.pointsText,
              std::to_string(4 + c.points) + " / " + std::to_string(100 + c.points));
    const PlayerRecord& r = p.records[1];
    for (int m = 1; m <= 6; ++m) {
      EXPECT_EQ(r.solved[m - 1], c.solved && m == mode ? 1 : 0) << "solved in mode " << m;
      EXPECT_EQ(r.failed[m - 1], !c.solved && m == mode ? 1 : 0) << "failed in mode " << m;
    }
    EXPECT_EQ(r.solvedTotal, c.solved ? 1 : 0);
    EXPECT_EQ(r.failedTotal, c.solved ? 0 : 1);
    EXPECT_EQ(p.records[0].solvedTotal + p.records[2].solvedTotal, 0);
    EXPECT_EQ(p.currentPlayer, 3);
    if (c.outcome != Outcome::CleanSolve) {
      EXPECT_EQ(shownPlayer, 3);  // the turn passed before the dialog opened
    }
    EXPECT_FALSE(h.game.state.wordInPlay);
  }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, OutcomeTest,
                         testing::Values(OutcomeCase{Outcome::CleanSolve, 10, true},
                                         OutcomeCase{Outcome::SolveAfterFailure, 5, true},
                                         OutcomeCase{Outcome::Failure, -3, false}));

TEST(OutcomeTest, CleanSolveLeavesTheDialogToTheExitAnimation) {
  Harness h;
  h.StartOnly("casa", kHideFewLetters);
  h.log.entries.clear();
  h.SolveWord();
  EXPECT_TRUE(h.game.state.exitAnimationPending);
  EXPECT_EQ(h.view.solvedDialogs, 0);
  EXPECT_EQ(h.log.Count("ShowSolvedWord"), 1);
  EXPECT_LT(h.log.Find("SetPointsText 10 / 10"), h.log.Find("ShowSolvedWord"));
}

TEST(OutcomeTest, SolveAfterFailureOpensTheDialogThenClearsTheFloor) {
  Harness h;
  h.StartOnly("casa", kHideFewLetters);
  std::vector<bool> floorInDialog;
  h.view.onSolvedDialog = [&] { floorInDialog.assign(h.view.floor.begin(), h.view.floor.end()); };
  h.game.PressLetter('x');
  h.log.entries.clear();
  h.SolveWord();
  EXPECT_FALSE(h.game.state.exitAnimationPending);
  EXPECT_EQ(h.view.solvedDialogs, 1);
  EXPECT_EQ(h.log.Count("ShowSolvedWord"), 0);  // the word stays where it is
  EXPECT_EQ(h.view.wordText, "c a s a ");
  ASSERT_EQ(floorInDialog.size(), 7u);
  EXPECT_TRUE(floorInDialog[1]);  // still broken while the dialog is open
  EXPECT_LT(h.log.Find("ShowSolvedDialog"), h.log.Find("HideBrokenFloor"));
  for (int piece = 1; piece <= 6; ++piece)
    EXPECT_FALSE(h.view.floor[piece]);
}

TEST(OutcomeTest, TurnGoesRoundTheGroupAndNextWordShowsTheNextPlayer) {
  Harness h;
  PlayerTable& p = h.game.players;
  p.playerCount = 3;
  p.records[1].name = "Ana";
  p.records[2].name = "Luis";
  p.records[2].solvedTotal = 7;
  h.view.onSolvedDialog = h.view.onFailedDialog = [&] { h.game.StartWord(); };
  h.StartOnly("casa", kHideFewLetters);
  std::vector<int> turns = {p.currentPlayer};
  const Outcome outcomes[] = {Outcome::Failure, Outcome::SolveAfterFailure, Outcome::CleanSolve};
  for (Outcome outcome : outcomes) {
    Finish(h, outcome);
    turns.push_back(p.currentPlayer);
    if (outcome == Outcome::SolveAfterFailure) {
      EXPECT_EQ(h.view.playerName, "Luis");
      EXPECT_EQ(h.view.solvedCounter, 7);
    }
    if (outcome == Outcome::CleanSolve)
      h.game.StartWord();
  }
  EXPECT_EQ(turns, (std::vector<int>{1, 2, 3, 1}));
  EXPECT_EQ(h.view.playerName, "Sin nombre");
  EXPECT_EQ(p.scores[0].points, -3 + 5 + 10);
}

TEST(OutcomeTest, OnePlayerShowsTheSamePointsAsTheGroup) {
  Harness h;
  h.view.onFailedDialog = [&] { h.game.StartWord(); };
  h.StartOnly("casa", kHideFewLetters);
  for (int i = 0; i < 3; ++i)
    Finish(h, Outcome::Failure);
  EXPECT_EQ(h.game.players.currentPlayer, 1);
  EXPECT_EQ(h.view.pointsText, "-9 / -9");
  EXPECT_EQ(h.game.players.records[0].failed[kHideFewLetters - 1], 3);
}

TEST(OutcomeTest, CountersStartAgainAtOnePast32700) {
  const std::pair<int, int> steps[] = {{0, 1}, {1, 2}, {32699, 32700}, {32700, 1}};
  for (const auto& [before, after] : steps)
    EXPECT_EQ(BumpCounter(before), after);

  Harness h;
  h.view.onFailedDialog = [&] { h.game.StartWord(); };
  PlayerRecord& r = h.game.players.records[0];
  r.solvedTotal = 32700;
  r.solved[kHideAllButEnds - 1] = 32699;
  r.failedTotal = 32699;
  r.failed[kHideAllButEnds - 1] = 32700;
  h.StartOnly("casa", kHideAllButEnds);
  Finish(h, Outcome::CleanSolve);
  EXPECT_EQ(r.solvedTotal, 1);
  EXPECT_EQ(r.solved[kHideAllButEnds - 1], 32700);
  h.game.StartWord();
  Finish(h, Outcome::Failure);
  EXPECT_EQ(r.failedTotal, 32700);
  EXPECT_EQ(r.failed[kHideAllButEnds - 1], 1);
}

TEST(OutcomeTest, PreviousAndNextStopAtTheEnds) {
  Harness h;
  PlayerTable& p = h.game.players;
  p.playerCount = 3;
  p.records[1].name = "Ana";
  p.records[1].solvedTotal = 4;
  p.records[1].failedTotal = 2;
  p.scores[2].points = 15;
  p.scores[0].points = 20;
  const std::pair<bool, int> presses[] = {{false, 1}, {true, 2},  {true, 3}, {true, 3},
                                          {false, 2}, {false, 1}, {false, 1}};
  for (const auto& [next, expected] : presses) {
    next ? h.game.NextPlayer() : h.game.PreviousPlayer();
    EXPECT_EQ(p.currentPlayer, expected);
  }
  h.game.NextPlayer();
  EXPECT_EQ(h.view.playerName, "Ana");
  EXPECT_EQ(h.view.pointsText, "15 / 20");
  EXPECT_EQ(h.view.solvedCounter, 4);
  EXPECT_EQ(h.view.failedCounter, 2);
}

}  // namespace
