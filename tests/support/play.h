// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a word on purpose: the letters still to find and letters not in the word.
#pragma once

#include <string>

#include "game.h"

inline std::string LettersToFind(const Game& game) {
  std::string letters;
  for (int i = 0; i < game.state().hiddenCount; ++i) {
    const char c = game.state().hiddenLetters[i];
    if (c != '.' && letters.find(c) == std::string::npos)
      letters += c;
  }
  return letters;
}

// The which-th lower-case letter that is not in the word in play.
inline char WrongLetter(const Game& game, int which = 0) {
  const std::string& word = game.words().slots[game.state().currentWord].word;
  for (char c = 'a'; c <= 'z'; ++c) {
    if (word.find(c) == std::string::npos && which-- == 0)
      return c;
  }
  return 'x';
}
