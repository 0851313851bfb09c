// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each pupil's progress over the results files a teacher keeps. Every record is one
// game of one pupil, dated; the games a pupil played on one date are one session.
// Records of one pupil are those whose names are equal but for case and the spaces
// around them, whichever file they come from.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "players.h"

struct WordCounts {
  long long solved = 0;
  long long failed = 0;
};

// The share of the words played that were solved, in whole percent rounded to the
// nearest; nothing when no word was played.
std::optional<int> PercentSolved(const WordCounts& words);

struct ProgressSession {
  int year = 0, month = 0, day = 0;  // as stored, whether or not a calendar has the date
  int games = 0;                     // the records of that date
  WordCounts words;                  // from the records' totals
};

struct PupilProgress {
  std::string name;                            // as the pupil's first record writes it
  std::array<WordCounts, kModeCount> modes{};  // index = hiding mode - 1
  WordCounts overall;                          // the records' totals
  std::vector<ProgressSession> sessions;       // the earliest first
};

// Every pupil of `records`, in the order of their first records.
std::vector<PupilProgress> PupilsProgress(const std::vector<PlayerRecord>& records);
