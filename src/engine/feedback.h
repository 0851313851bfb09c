// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the word-solved and word-failed dialogs say, and how the scene changes
// after each clean solve.
#pragma once

#include <string>

// Which decorations of the castle room show, and where the fourth one hangs.
struct DecorationScene {
  bool showFirst;
  bool showSecond;
  bool showThird;
  int fourthLeft;
};

inline constexpr int kSceneCount = 7;

// Scene 1..7, cycled by clean solves.
DecorationScene SceneFor(int scene);
int NextScene(int scene);

enum class DialogLayout { Short, Long };

struct DialogText {
  std::string text;  // UTF-8, the program's own words
  DialogLayout layout;
};

// The word-solved dialog: a clean solve (with or without the puzzle running) or
// a solve after wrong letters.
DialogText SolvedText(bool cleanSolve, bool puzzlesEnabled);

// The word-solved dialog once a clean solve has completed a picture puzzle.
DialogText PuzzleCompletedText();

// The word-failed dialog: five short messages, then a long one, counted over
// the whole run. Advances `failureCount`.
DialogText FailedText(int& failureCount);
