// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "puzzle.h"

#include "charset.h"

namespace {

// The grid: the width halved and halved again, the height halved.
constexpr int kRight = kPuzzleWidth;
constexpr int kMiddle = kRight / 2;
constexpr int kQuarter = kMiddle / 2;
constexpr int kThreeQuarters = kMiddle + kQuarter;
constexpr int kBottom = kPuzzleHeight;
constexpr int kHalfHeight = kBottom / 2;

// Pieces in the order they appear, so that a half-done picture is hard to guess.
constexpr std::array<PieceRect, kPuzzlePieces> kPieceOrder = {{
    {0, 0, kQuarter, kHalfHeight},
    {kThreeQuarters, kHalfHeight, kRight, kBottom},
    {kQuarter, kHalfHeight, kMiddle, kBottom},
    {kMiddle, 0, kThreeQuarters, kHalfHeight},
    {kThreeQuarters, 0, kRight, kHalfHeight},
    {0, kHalfHeight, kQuarter, kBottom},
    {kMiddle, kHalfHeight, kThreeQuarters, kBottom},
    {kQuarter, 0, kMiddle, kHalfHeight},
}};

const char* const kNoPuzzlesText = "\n¡Error!\n\nNo se han encontrado puzles.\n";
const char* const kRunningNotice = "Cuando completes el puzle";
const char* const kCompletedNotice = "Bravo, has conseguido";

// Loads the picture after the last one loaded, or the first when there is none after it.
bool LoadNextPicture(PuzzleState& state, PuzzleView& view, Prompter& prompter) {
  int number = state.puzzleNumber + 1;
  if (!view.PictureExists(number)) {
    state.puzzleNumber = 0;
    number = 1;
  }
  if (!view.LoadPicture(number)) {
    prompter.Plain(Ansi(kNoPuzzlesText));
    state.puzzleState = -1;
    return false;
  }
  state.puzzleState = 1;
  ++state.puzzleNumber;
  state.pieceStep = 1;
  view.SetNoticeText(Ansi(kRunningNotice));
  return true;
}

void CompletePuzzle(PuzzleState& state, PuzzleView& view, PlayerTable& players) {
  view.SetNoticeText(Ansi(kCompletedNotice));
  players.AddPointsToEveryone(kPuzzleBonus);
  view.PuzzleCompleted();
  state.pieceStep = 1;
  state.puzzleState = 0;
}

}  // namespace

PieceRect PuzzlePiece(int order) {
  return kPieceOrder.at(order - 1);
}

std::vector<int> PiecesToDraw(int count) {
  if (count < 2 || count > kPuzzlePieces)
    return {1};
  std::vector<int> pieces;
  for (int order = count; order >= 1; --order)
    pieces.push_back(order);
  return pieces;
}

std::string PuzzleFileName(int number) {
  return "puzles/puzle" + std::to_string(number) + ".bmp";
}

void AdvancePuzzle(PuzzleState& state, PuzzleView& view, SoundPlayer& sound, Prompter& prompter,
                   PlayerTable& players) {
  if (state.puzzleState < 0)
    return;
  if (state.puzzleState == 0 && !LoadNextPicture(state, view, prompter))
    return;
  view.ClearPieces();
  if (state.pieceStep >= 1 && state.pieceStep < kPuzzlePieces) {
    RevealPieces(state.pieceStep, view, sound);
    ++state.pieceStep;
  } else if (state.pieceStep == kPuzzlePieces) {
    RevealPieces(kPuzzlePieces, view, sound);
    CompletePuzzle(state, view, players);
  }
  // The piece sounds have cut the tune of the solved dialog; "Seguir" stops it.
  sound.Play(SoundId::Acierto, PlayMode::Loop);
}

void RevealPieces(int count, PuzzleView& view, SoundPlayer& sound) {
  for (int order : PiecesToDraw(count)) {
    view.ShowPiece(PuzzlePiece(order));
    sound.Play(SoundId::LetraCorrecta, PlayMode::Sync);
  }
}

void ResetPuzzles(PuzzleState& state) {
  state = PuzzleState{};
}

void RestartPuzzles(PuzzleState& state) {
  state.puzzleState = 0;
}
