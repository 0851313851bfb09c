// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settling a finished word: counters, points, turns and the next word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes.h"

namespace {

enum class Outcome { CleanSolve, SolveAfterFailure, Failure };

// Ends the word in play ("casa" in every slot) as asked.
void Finish(Harness& h, Outcome outcome) {
  if (outcome == Outcome::SolveAfterFailure) {
    ASSERT_EQ(h.game.PressLetter('x', InputSource::PhysicalKeyboard), PressResult::Wrong);
  }
  if (outcome == Outcome::Failure) {
    h.FailWord("casa");
  } else {
    h.SolveWord();
  }
}

std::string OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::CleanSolve:
      return "CleanSolve";
    case Outcome::SolveAfterFailure:
      return "SolveAfterFailure";
    default:
      return "Failure";
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
    PlayerTable& p = h.players();
    p.playerCount = 3;
    p.currentPlayer = 2;
    p.scores[2].points = 4;
    p.scores[0].points = 100;
    h.StartOnly("/c/a/s/a", mode);
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
    EXPECT_EQ(p.currentPlayer, 3);  // the turn has passed before any dialog opens
    EXPECT_FALSE(h.game.state().wordInPlay);
  }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, OutcomeTest,
                         testing::Values(OutcomeCase{Outcome::CleanSolve, 10, true},
                                         OutcomeCase{Outcome::SolveAfterFailure, 5, true},
                                         OutcomeCase{Outcome::Failure, -3, false}),
                         [](const testing::TestParamInfo<OutcomeCase>& info) {
                           return OutcomeName(info.param.outcome);
                         });

TEST(OutcomeTest, CleanSolveLeavesTheDialogToTheExitAnimation) {
  Harness h;
  h.StartOnly("casa", kHideFewLetters);
  h.log.entries.clear();
  EXPECT_EQ(h.SolveWord(), PressResult::SolvedClean);
  EXPECT_TRUE(h.game.state().exitAnimationPending);
  EXPECT_EQ(h.log.Count("ShowSolvedWord"), 1);
  EXPECT_LT(h.log.Find("SetPointsText 10 / 10"), h.log.Find("ShowSolvedWord"));
  h.game.ExitAnimationDone();
  EXPECT_FALSE(h.game.state().exitAnimationPending);
}

// The dialog of a finished word opens after the press has returned; the next
// word waits for its answer.
TEST(OutcomeTest, TheNextWordWaitsForTheDialogsAnswer) {
  for (Outcome outcome : {Outcome::SolveAfterFailure, Outcome::Failure}) {
    SCOPED_TRACE(OutcomeName(outcome));
    Harness h;
    h.StartOnly("casa", kHideFewLetters);
    h.log.entries.clear();
    Finish(h, outcome);
    EXPECT_FALSE(h.game.state().exitAnimationPending);
    EXPECT_EQ(h.log.Count("ShowSolvedWord"), 0);  // the word stays where it is
    EXPECT_EQ(h.log.Count("SetWordText"), 0);
    EXPECT_EQ(h.log.Count("HideBrokenFloor"), 0);
    EXPECT_TRUE(h.view.floor[1]);
    EXPECT_EQ(h.game.PressLetter('c', InputSource::PhysicalKeyboard), PressResult::Ignored);

    h.log.entries.clear();
    h.game.ContinueAfterOutcome();
    EXPECT_LT(h.log.Find("HideBrokenFloor"), h.log.Find("SetWordText"));
    for (int piece = 1; piece <= 6; ++piece)
      EXPECT_FALSE(h.view.floor[piece]);
    EXPECT_TRUE(h.game.state().wordInPlay);
    EXPECT_EQ(h.view.wordText, "c . s . ");
  }
}

TEST(OutcomeTest, TurnGoesRoundTheGroupAndNextWordShowsTheNextPlayer) {
  Harness h;
  PlayerTable& p = h.players();
  p.playerCount = 3;
  p.records[1].name = "Ana";
  p.records[2].name = "Luis";
  p.records[2].solvedTotal = 7;
  h.StartOnly("casa", kHideFewLetters);
  std::vector<int> turns = {p.currentPlayer};
  const Outcome outcomes[] = {Outcome::Failure, Outcome::SolveAfterFailure, Outcome::CleanSolve};
  for (Outcome outcome : outcomes) {
    Finish(h, outcome);
    turns.push_back(p.currentPlayer);
    if (outcome == Outcome::CleanSolve)
      h.game.ExitAnimationDone();
    h.game.ContinueAfterOutcome();
    if (outcome == Outcome::SolveAfterFailure) {
      EXPECT_EQ(h.view.playerName, "Luis");
      EXPECT_EQ(h.view.solvedCounter, 7);
    }
  }
  EXPECT_EQ(turns, (std::vector<int>{1, 2, 3, 1}));
  EXPECT_EQ(h.view.playerName, "Sin nombre");
  EXPECT_EQ(p.scores[0].points, -3 + 5 + 10);
}

TEST(OutcomeTest, OnePlayerShowsTheSamePointsAsTheGroup) {
  Harness h;
  h.StartOnly("casa", kHideFewLetters);
  for (int i = 0; i < 3; ++i) {
    Finish(h, Outcome::Failure);
    h.game.ContinueAfterOutcome();
  }
  EXPECT_EQ(h.players().currentPlayer, 1);
  EXPECT_EQ(h.view.pointsText, "-9 / -9");
  EXPECT_EQ(h.players().records[0].failed[kHideFewLetters - 1], 3);
}

TEST(OutcomeTest, CountersStartAgainAtOnePast32700) {
  const std::pair<int, int> steps[] = {{0, 1}, {1, 2}, {32699, 32700}, {32700, 1}};
  for (const auto& [before, after] : steps)
    EXPECT_EQ(BumpCounter(before), after);

  Harness h;
  PlayerRecord& r = h.players().records[0];
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
  PlayerTable& p = h.players();
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
