// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The six ways of hiding the letters of a word.
#pragma once

#include "game_state.h"
#include "word_list.h"

// Empties the word being built: no hidden letters, no text.
void ClearBuild(GameState& state);

// Appends one character (and a space) to displayText. A hidden letter shows as
// "."; a hidden character no key gives (a space, a hyphen, a digit ...) shows as
// itself and is counted as found when the word starts.
void Emit(GameState& state, char c, bool hidden);

// Applies the rule of `mode` to the word of `entry` (mode 6 walks the word as
// written, with its marks). Returns the number of characters emitted; mode 6
// stops at the 31st, so a word too long for the screen is never built whole.
int BuildWord(GameState& state, int mode, const WordEntry& entry);

// Hidden positions the player can actually give (letters, not spaces or signs).
int FindableCount(const GameState& state);

// Whether a hidden character is given from the start (shown as itself).
bool FoundFromStart(char hidden);
