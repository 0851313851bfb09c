// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Judging one letter given by a key, a coloured vowel or the real keyboard.
#include "charset.h"
#include "game.h"

PressResult Game::PressLetter(char c, InputSource source) {
  if (!state_.wordInPlay || c == ' ' || c == '.' || c == '\r')
    return PressResult::Ignored;
  if (!settings_.countRepeatedLetters && state_.pressedLetters.find(c) != std::string::npos) {
    return PressResult::Ignored;
  }
  if (settings_.hideMode == kHideVowels && settings_.vowelsOnly && !IsVowel(c)) {
    return PressResult::Ignored;
  }
  if (source == InputSource::PhysicalKeyboard && !IsWordLetter(c)) {
    return PressResult::Ignored;
  }
  state_.pressedLetters += c;
  sound_.Play(SoundId::SonidoTecla, PlayMode::Sync);

  bool revealed = false;
  for (int j = 0; j < state_.hiddenCount; ++j) {
    if (state_.hiddenLetters[j] != c)
      continue;
    state_.displayText[state_.hiddenPositions[j] - 1] = c;
    view_.ShowRevealedWord(state_.displayText);
    sound_.Play(SoundId::LetraCorrecta, PlayMode::Async);
    ++state_.foundCount;
    state_.hiddenLetters[j] = '.';
    revealed = true;
    if (state_.foundCount == state_.hiddenCount) {
      state_.wordInPlay = false;
      if (state_.failureSteps == 0) {
        WordSolved();
        return PressResult::SolvedClean;
      }
      WordSolvedWithFailures();
      return PressResult::SolvedWithFailures;
    }
    if (!settings_.revealAllOccurrences)
      break;
  }
  if (revealed)
    return PressResult::Correct;

  RecordWrongLetter(c);
  if (state_.failureSteps >= kFailureStepsToLose) {
    state_.wordInPlay = false;
    WordFailed();
    return PressResult::Lost;
  }
  return PressResult::Wrong;
}

void Game::RecordWrongLetter(char c) {
  state_.failedLetters += c;
  ++state_.failureSteps;
  if (state_.chancesLeft > 0)
    --state_.chancesLeft;
  view_.SetChances(state_.chancesLeft);
  view_.SetFailedLetter(state_.failureSteps < 5 ? state_.failureSteps : 5, c);
  sound_.Play(SoundId::LetraFallada, PlayMode::Async);
  view_.ShowBrokenFloor(state_.failureSteps);
  // With two wrong letters allowed every wrong letter breaks two pieces.
  if (state_.wordAllowedFailures == 2) {
    ++state_.failureSteps;
    view_.ShowBrokenFloor(state_.failureSteps);
  }
}
