// Settling a finished word: counters, points and the turn.
#include "game.h"

namespace {

constexpr int kCleanSolvePoints = 10;
constexpr int kSolvePoints = 5;
constexpr int kFailPoints = -3;

}  // namespace

void Game::ShowPoints() {
  view_.SetPointsText(PointsText(players));
}

void Game::WordSolved() {
  players.CountSolved(state.hideMode);
  players.AddPoints(kCleanSolvePoints);
  ShowPoints();
  players.PassTurn();
  // The main window's icon timer plays the exit animation and opens the dialog.
  state.exitAnimationPending = true;
  view_.ShowSolvedWord();
}

void Game::WordSolvedWithFailures() {
  players.CountSolved(state.hideMode);
  players.AddPoints(kSolvePoints);
  ShowPoints();
  players.PassTurn();
  view_.ShowSolvedDialog();
  if (view_.ProgramEnding())
    return;
  view_.HideBrokenFloor();
}

void Game::WordFailed() {
  view_.ShowBrokenFloor(kFailureStepsToLose);
  players.CountFailed(state.hideMode);
  players.AddPoints(kFailPoints);
  ShowPoints();
  players.PassTurn();
  view_.ShowFailedDialog();
}

void Game::ShowCurrentPlayer() {
  const PlayerRecord& record = players.Current();
  view_.SetPlayerName(record.name);
  ShowPoints();
  view_.SetWordCounters(record.solvedTotal, record.failedTotal);
}

void Game::PreviousPlayer() {
  players.PreviousPlayer();
  ShowCurrentPlayer();
}

void Game::NextPlayer() {
  players.NextPlayer();
  ShowCurrentPlayer();
}
