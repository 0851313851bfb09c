// Judging one letter given by a key, a coloured vowel or the real keyboard.
#include "charset.h"
#include "game.h"

PressResult Game::PressLetter(char c) {
  if (!state.wordInPlay || c == ' ' || c == '.' || c == '\r')
    return PressResult::Ignored;
  if (!state.countRepeatedLetters && state.pressedLetters.find(c) != std::string::npos) {
    return PressResult::Ignored;
  }
  if (state.hideMode == kHideVowels && state.vowelsOnly && !IsVowel(c)) {
    return PressResult::Ignored;
  }
  if (state.inputSource == InputSource::PhysicalKeyboard && !IsWordLetter(c)) {
    return PressResult::Ignored;
  }
  state.pressedLetters += c;
  sound_.Play(SoundId::SonidoTecla, PlayMode::Sync);

  bool revealed = false;
  for (int j = 0; j < state.hiddenCount; ++j) {
    if (state.hiddenLetters[j] != c)
      continue;
    view_.RevealLetter(state.hiddenPositions[j], c);
    sound_.Play(SoundId::LetraCorrecta, PlayMode::Async);
    ++state.foundCount;
    state.hiddenLetters[j] = '.';
    revealed = true;
    if (state.foundCount == state.hiddenCount) {
      state.wordInPlay = false;
      if (state.failureSteps == 0) {
        WordSolved();
        return PressResult::Solved;
      }
      WordSolvedWithFailures();
      return PressResult::SolvedWithFailures;
    }
    if (!state.revealAllOccurrences)
      break;
  }
  if (revealed)
    return PressResult::Correct;

  RecordWrongLetter(c);
  if (state.failureSteps >= kFailureStepsToLose) {
    state.wordInPlay = false;
    WordFailed();
    return PressResult::Lost;
  }
  return PressResult::Wrong;
}

void Game::RecordWrongLetter(char c) {
  state.failedLetters += c;
  ++state.failureSteps;
  if (state.chancesLeft > 0)
    --state.chancesLeft;
  view_.SetChances(state.chancesLeft);
  view_.SetFailedLetter(state.failureSteps < 5 ? state.failureSteps : 5, c);
  sound_.Play(SoundId::LetraFallada, PlayMode::Async);
  view_.ShowBrokenFloor(state.failureSteps);
  // With two wrong letters allowed every wrong letter breaks two pieces.
  if (state.wordAllowedFailures == 2) {
    ++state.failureSteps;
    view_.ShowBrokenFloor(state.failureSteps);
  }
}
