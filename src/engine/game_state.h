// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one state of the game in progress.
#pragma once

#include <array>
#include <string>

// How letters are hidden. The numbers index the per-mode counters of results.
enum HideMode : int {
  kHideVowels = 1,
  kHideConsonants = 2,
  kHideAllButEnds = 3,
  kHideFewLetters = 4,   // every second character; the start-up mode
  kHideManyLetters = 5,  // three characters of every four
  kHideMarked = 6,       // the characters marked with "/" in the list
};
inline constexpr int kModeCount = 6;

// Help topic shown by F1 after a word starts in each mode (index = mode).
inline constexpr std::array<int, kModeCount + 1> kModeHelpContext = {500, 512, 513, 515,
                                                                     510, 511, 514};

inline constexpr int kMaxHidden = 32;
inline constexpr int kFailureStepsToLose = 6;

enum class InputSource { PhysicalKeyboard = 1, OnScreenKey = 2 };

// The word in play. The options that shape it live in Settings.
struct GameState {
  int currentWord = 0;
  bool easyToggle = false;  // mode 4 alternation, carried over from word to word
  int manyCounter = 0;      // mode 5 run, carried over from word to word

  std::string displayText;  // every character followed by a space; hidden ones as "."
  int hiddenCount = 0;
  std::array<char, kMaxHidden> hiddenLetters{};   // "." once found
  std::array<int, kMaxHidden> hiddenPositions{};  // 1-based positions in displayText
  int foundCount = 0;
  std::string pressedLetters;
  std::string failedLetters;
  int failureSteps = 0;
  int wordAllowedFailures = 5;
  int chancesLeft = 0;
  int elapsedSeconds = 0;
  bool wordInPlay = false;
  bool exitAnimationPending = false;
  int helpContext = 500;
};
