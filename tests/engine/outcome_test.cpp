// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settling a finished word: counters, points, turns and the next word.

#include "fakes.h"

namespace {

enum class Outcome { CleanSolve, SolveAfterFailure, Failure };

// Ends the word in play ("casa" in every slot) as asked.
void Finish(Harness& h, Outcome outcome) {
  if (outcome == Outcome::SolveAfterFailure) {
    ASSERT_EQ(h.game.PressLetter('x', InputSource::PhysicalKeyboard), PressResult::Wrong);
  }
  outcome == Outcome::Failure ? h.FailWord("casa") : h.SolveWord();
}

// A clean solve gives 10 points, a solve after a failure 5, a failure -3.
TEST(OutcomeTest, CountsForThePlayerWhoseTurnItWasInTheModeOfTheWord) {
  for (const auto& [outcome, points] :
       {std::pair{Outcome::CleanSolve, 10}, std::pair{Outcome::SolveAfterFailure, 5},
        std::pair{Outcome::Failure, -3}}) {
    for (int mode = 1; mode <= 6; ++mode) {
      SCOPED_TRACE(testing::Message()
                   << "outcome " << static_cast<int>(outcome) << " mode " << mode);
      const bool solved = outcome != Outcome::Failure;
      Harness h;
      PlayerTable& p = h.players();
      p.playerCount = 3;
      p.currentPlayer = 2;
      p.scores[2].points = 4;
      p.scores[0].points = 100;
      h.StartOnly("/c/a/s/a", mode);
      Finish(h, outcome);
      EXPECT_EQ(std::vector<int>({p.scores[0].points, p.scores[1].points, p.scores[2].points,
                                  p.scores[3].points}),
                std::vector<int>({100 + points, 0, 4 + points, 0}));
      // The points shown are those of the player who scored.
      EXPECT_EQ(h.view.pointsText,
                std::to_string(4 + points) + " / " + std::to_string(100 + points));
      std::array<int, kModeCount> inMode{};
      inMode[mode - 1] = 1;
      PlayerRecord expected = p.records[1];
      expected.solved = solved ? inMode : std::array<int, kModeCount>{};
      expected.failed = solved ? std::array<int, kModeCount>{} : inMode;
      expected.solvedTotal = solved ? 1 : 0;
      expected.failedTotal = solved ? 0 : 1;
      EXPECT_EQ(p.records[1], expected);
      EXPECT_EQ(p.records[0].solvedTotal + p.records[2].solvedTotal, 0);
      EXPECT_EQ(p.currentPlayer, 3);  // the turn has passed before any dialog opens
      EXPECT_FALSE(h.game.state().wordInPlay);
    }
  }
}

TEST(OutcomeTest, CleanSolveLeavesTheDialogToTheExitAnimation) {
  Harness h;
  h.StartOnly("casa", kHideFewLetters);
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
    Harness h;
    h.StartOnly("casa", kHideFewLetters);
    h.log.entries.clear();
    Finish(h, outcome);
    EXPECT_FALSE(h.game.state().exitAnimationPending);
    // The word and the broken floor stay where they are.
    EXPECT_EQ(
        h.log.Count("ShowSolvedWord") + h.log.Count("SetWordText") + h.log.Count("HideBrokenFloor"),
        0);
    EXPECT_EQ(h.game.PressLetter('c', InputSource::PhysicalKeyboard), PressResult::Ignored);

    h.log.entries.clear();
    h.game.ContinueAfterOutcome();
    EXPECT_LT(h.log.Find("HideBrokenFloor"), h.log.Find("SetWordText"));
    EXPECT_EQ(h.view.floor, (std::array<bool, 7>{}));
    EXPECT_TRUE(h.game.state().wordInPlay);
    EXPECT_EQ(h.view.wordText, "c . s . ");
  }
}

// "Anterior" and "Siguiente" stop at the first and the last player.
TEST(OutcomeTest, TurnGoesRoundTheGroupAndNextWordShowsTheNextPlayer) {
  Harness h;
  PlayerTable& p = h.players();
  p.playerCount = 3;
  p.records[1].name = "Ana";
  p.records[2].name = "Luis";
  p.records[2].solvedTotal = 7;
  h.StartOnly("casa", kHideFewLetters);
  std::vector<std::string> shown;
  for (Outcome outcome : {Outcome::Failure, Outcome::SolveAfterFailure, Outcome::CleanSolve}) {
    Finish(h, outcome);
    if (outcome == Outcome::CleanSolve)
      h.game.ExitAnimationDone();
    h.game.ContinueAfterOutcome();
    shown.push_back(h.view.playerName + " " + std::to_string(h.view.solvedCounter));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"Ana 0", "Luis 7", "Sin nombre 0"}));
  EXPECT_EQ(p.currentPlayer, 1);
  EXPECT_EQ(p.scores[0].points, -3 + 5 + 10);

  std::string turns;
  for (char press : std::string("PNNNPPP")) {
    press == 'N' ? h.game.NextPlayer() : h.game.PreviousPlayer();
    turns += std::to_string(p.currentPlayer);
  }
  EXPECT_EQ(turns, "1233211");
  h.game.NextPlayer();
  EXPECT_EQ(h.view.playerName + " " + h.view.pointsText, "Ana 5 / 12");
  EXPECT_EQ(std::make_pair(h.view.solvedCounter, h.view.failedCounter), std::make_pair(1, 0));
}

}  // namespace
