// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Settling a finished word: counters, points and the turn.
#include "game.h"

namespace {

constexpr int kCleanSolvePoints = 10;
constexpr int kSolvePoints = 5;
constexpr int kFailPoints = -3;

}  // namespace

void Game::ShowPoints() {
  view_.SetPointsText(PointsText(players_));
}

void Game::WordSolved() {
  players_.CountSolved(settings_.hideMode);
  players_.AddPoints(kCleanSolvePoints);
  ShowPoints();
  players_.PassTurn();
  // The main window's icon timer plays the exit animation and opens the dialog.
  state_.exitAnimationPending = true;
  view_.ShowSolvedWord();
}

void Game::WordSolvedWithFailures() {
  players_.CountSolved(settings_.hideMode);
  players_.AddPoints(kSolvePoints);
  ShowPoints();
  players_.PassTurn();
}

void Game::WordFailed() {
  view_.ShowBrokenFloor(kFailureStepsToLose);
  players_.CountFailed(settings_.hideMode);
  players_.AddPoints(kFailPoints);
  ShowPoints();
  players_.PassTurn();
}

void Game::AdvancePuzzle(PuzzleView& view) {
  ::AdvancePuzzle(puzzle_, view, sound_, prompter_, players_);
}

void Game::ExitAnimationDone() {
  state_.exitAnimationPending = false;
}

// The floor is mended and the next word drawn; a word that cannot be drawn
// still leaves the game ready for the keys, as the dialogs always have.
void Game::ContinueAfterOutcome() {
  view_.HideBrokenFloor();
  StartWord();
  state_.wordInPlay = true;
}

void Game::ShowCurrentPlayer() {
  const PlayerRecord& record = players_.Current();
  view_.SetPlayerName(record.name);
  ShowPoints();
  view_.SetWordCounters(record.solvedTotal, record.failedTotal);
}

void Game::PreviousPlayer() {
  players_.PreviousPlayer();
  ShowCurrentPlayer();
}

void Game::NextPlayer() {
  players_.NextPlayer();
  ShowCurrentPlayer();
}
