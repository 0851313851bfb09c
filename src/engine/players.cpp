// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "players.h"

int BumpCounter(int counter) {
  return counter >= kCounterLimit ? 1 : counter + 1;
}

namespace {

int ModeIndex(int mode) {
  return (mode >= 1 && mode <= kModeCount ? mode : kHideFewLetters) - 1;
}

}  // namespace

void PlayerTable::CountSolved(int mode) {
  PlayerRecord& record = Current();
  record.solvedTotal = BumpCounter(record.solvedTotal);
  int& counter = record.solved[ModeIndex(mode)];
  counter = BumpCounter(counter);
}

void PlayerTable::CountFailed(int mode) {
  PlayerRecord& record = Current();
  record.failedTotal = BumpCounter(record.failedTotal);
  int& counter = record.failed[ModeIndex(mode)];
  counter = BumpCounter(counter);
}

void PlayerTable::AddPoints(int points) {
  scores[0].points += points;
  CurrentScore().points += points;
}

void PlayerTable::AddPointsToEveryone(int points) {
  scores[0].points += points;
  for (int player = 1; player <= playerCount; ++player)
    scores[player].points += points;
}

void PlayerTable::PassTurn() {
  currentPlayer = currentPlayer >= playerCount ? 1 : currentPlayer + 1;
}

void PlayerTable::PreviousPlayer() {
  if (currentPlayer > 1)
    --currentPlayer;
}

void PlayerTable::NextPlayer() {
  if (currentPlayer < playerCount)
    ++currentPlayer;
}

std::string PointsText(const PlayerTable& players) {
  return std::to_string(players.CurrentScore().points) + " / " +
         std::to_string(players.scores[0].points);
}
