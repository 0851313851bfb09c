// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture puzzle that rewards clean solves: each clean solve shows one more
// of the eight pieces of a picture; the eighth completes it and gives 20 points
// to the group and to every player. Pictures are "puzles/puzle1.bmp",
// "puzles/puzle2.bmp" ... in the game folder; after the last one comes the first.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "players.h"
#include "prompter.h"
#include "sound_player.h"

inline constexpr int kPuzzleWidth = 320;
inline constexpr int kPuzzleHeight = 200;
inline constexpr int kPuzzlePieces = 8;
inline constexpr int kPuzzleBonus = 20;

struct PuzzleState {
  int puzzleState = 0;   // 0: the next step loads a picture; 1: one is in progress; -1: no puzzles
  int puzzleNumber = 0;  // the last picture loaded, 0 when none yet
  int pieceStep = 1;     // how many pieces the next step shows, 1..8

  // Puzzles are shown, and the solved dialog says so, until no picture could be found.
  bool Enabled() const { return puzzleState >= 0; }
};

struct PieceRect {
  int left, top, right, bottom;
};

// Piece `order` (1..8) of the order in which pieces appear.
PieceRect PuzzlePiece(int order);
// The pieces a step showing `count` pieces draws, in drawing order: the last
// one to appear first, the top-left one last. A count outside 2..8 draws piece 1 only.
std::vector<int> PiecesToDraw(int count);

// The picture file of a number, relative to the game folder (UTF-8).
std::string PuzzleFileName(int number);

// What a puzzle step needs of its window.
class PuzzleView {
 public:
  virtual ~PuzzleView() = default;
  virtual bool PictureExists(int number) = 0;
  // Empties the hidden picture and loads picture `number` into it; false when it cannot be read.
  virtual bool LoadPicture(int number) = 0;
  virtual void SetNoticeText(const std::string& text) = 0;  // Windows-1252
  // A white area with an outline in the window's colour.
  virtual void ClearPieces() = 0;
  // Copies the piece from the hidden picture and shows it at once.
  virtual void ShowPiece(const PieceRect& piece) = 0;
  // The puzzle is complete and the points are given: the solved dialog and the
  // points display say so.
  virtual void PuzzleCompleted() = 0;
};

// One puzzle step, run after a clean solve while puzzles are enabled.
void AdvancePuzzle(PuzzleState& state, PuzzleView& view, SoundPlayer& sound, Prompter& prompter,
                   PlayerTable& players);
// Draws the first `count` pieces, each with the "letracorrecta" sound played to its end.
void RevealPieces(int count, PuzzleView& view, SoundPlayer& sound);
// The puzzle window is created: no picture yet.
void ResetPuzzles(PuzzleState& state);
// "Jugar" in the players window: the next clean solve loads the next picture,
// puzzles are available again.
void RestartPuzzles(PuzzleState& state);
