// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting a new game for a group: up to ten names typed in the players window.
#pragma once

#include <array>
#include <string>

#include "players.h"

inline constexpr std::size_t kNameLength = 19;
inline constexpr const char* kNoGroupName = "Grupo sin nombre";

struct LocalDate {
  int year = 0;
  int day = 0;
  int month = 0;
};

// Removes every leading and trailing character whose code is 32 or less.
std::string TrimName(const std::string& text);

// Clears every record and score, stores the filled names without gaps (a single
// name in field 7 is player 1), "Sin nombre" when none is given, the group name
// or "Grupo sin nombre", today's date in all ten records; the turn goes to player 1.
void StartGroup(PlayerTable& players, const std::array<std::string, kMaxPlayers>& names,
                const std::string& group, const LocalDate& today);
