// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The players of the group, their word counters and their points.
#pragma once

#include <array>
#include <string>

#include "game_state.h"

inline constexpr int kMaxPlayers = 10;
inline constexpr int kCounterLimit = 32700;
inline constexpr const char* kNoName = "Sin nombre";

// One player's counters, as a results file keeps them.
struct PlayerRecord {
  std::string name;   // at most 19 characters
  std::string theme;  // at most 49 characters
  int year = 0;
  int day = 0;
  int month = 0;
  std::array<int, kModeCount> solved{};  // index = hide mode - 1
  int solvedTotal = 0;
  std::array<int, kModeCount> failed{};
  int failedTotal = 0;
  bool operator==(const PlayerRecord&) const = default;
};

struct ScoreEntry {
  std::string name;  // at most 19 characters
  int points = 0;
};

struct PlayerTable {
  int playerCount = 1;
  int currentPlayer = 1;
  std::array<PlayerRecord, kMaxPlayers> records;   // player 1 first
  std::array<ScoreEntry, kMaxPlayers + 1> scores;  // entry 0 is the group

  PlayerRecord& Current() { return records[currentPlayer - 1]; }
  const PlayerRecord& Current() const { return records[currentPlayer - 1]; }
  ScoreEntry& CurrentScore() { return scores[currentPlayer]; }
  const ScoreEntry& CurrentScore() const { return scores[currentPlayer]; }

  void CountSolved(int mode);
  void CountFailed(int mode);
  // Adds (or with a negative number takes away) points to the current player and the group.
  void AddPoints(int points);
  // Adds points to the group and to every player of it (a completed puzzle).
  void AddPointsToEveryone(int points);
  // The turn goes to the next player, from the last back to the first.
  void PassTurn();
  // By hand: one player back or forward, never past the first or the last.
  void PreviousPlayer();
  void NextPlayer();
};

// Counts one more word; a counter that would pass 32700 starts again at 1.
int BumpCounter(int counter);

// "%ld / %ld": the current player's points and the group's.
std::string PointsText(const PlayerTable& players);
