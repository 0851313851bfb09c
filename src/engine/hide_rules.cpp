// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hide_rules.h"

#include "charset.h"

namespace {

constexpr int kMarkedWordLimit = 31;

void BuildVowels(GameState& state, const std::string& word) {
  for (char c : word)
    Emit(state, c, IsVowel(c));
}

void BuildConsonants(GameState& state, const std::string& word) {
  for (char c : word)
    Emit(state, c, IsConsonant(c));
}

void BuildAllButEnds(GameState& state, const std::string& word) {
  const std::size_t n = word.size();
  for (std::size_t i = 0; i < n; ++i)
    Emit(state, word[i], i > 0 && (i < n - 1 || n == 2));
}

void BuildFewLetters(GameState& state, const std::string& word) {
  if (word.size() <= 3) {  // shown, hidden, shown
    for (std::size_t i = 0; i < word.size(); ++i)
      Emit(state, word[i], i == 1);
    return;
  }
  for (char c : word) {
    Emit(state, c, state.easyToggle);
    state.easyToggle = !state.easyToggle;
  }
}

void BuildManyLetters(GameState& state, const std::string& word) {
  if (word.size() <= 3) {  // hidden, shown, hidden
    for (std::size_t i = 0; i < word.size(); ++i)
      Emit(state, word[i], i != 1);
    return;
  }
  for (char c : word) {
    const bool shown = state.manyCounter > 2;
    Emit(state, c, !shown);
    state.manyCounter = shown ? 0 : state.manyCounter + 1;
  }
}

int BuildMarked(GameState& state, const std::string& rawWord) {
  int emitted = 0;
  for (std::size_t i = 0; i < rawWord.size() && emitted < kMarkedWordLimit; ++i) {
    const bool marked = rawWord[i] == kHideMark;
    if (marked && ++i == rawWord.size())
      break;  // a mark at the very end marks nothing
    Emit(state, rawWord[i], marked);
    ++emitted;
  }
  return emitted;
}

}  // namespace

void ClearBuild(GameState& state) {
  state.hiddenLetters.fill('.');
  state.hiddenCount = 0;
  state.displayText.clear();
}

bool FoundFromStart(char hidden) {
  return !IsWordLetter(hidden);
}

void Emit(GameState& state, char c, bool hidden) {
  if (hidden && state.hiddenCount < kMaxHidden) {
    state.displayText += FoundFromStart(c) ? c : '.';
    state.hiddenLetters[state.hiddenCount] = c;
    state.hiddenPositions[state.hiddenCount] = static_cast<int>(state.displayText.size());
    ++state.hiddenCount;
  } else {
    state.displayText += c;
  }
  state.displayText += ' ';
}

int BuildWord(GameState& state, int mode, const WordEntry& entry) {
  switch (mode) {
    case kHideVowels:
      BuildVowels(state, entry.word);
      break;
    case kHideConsonants:
      BuildConsonants(state, entry.word);
      break;
    case kHideAllButEnds:
      BuildAllButEnds(state, entry.word);
      break;
    case kHideManyLetters:
      BuildManyLetters(state, entry.word);
      break;
    case kHideMarked:
      return BuildMarked(state, entry.rawWord);
    default:
      BuildFewLetters(state, entry.word);
      break;
  }
  return static_cast<int>(entry.word.size());
}

int FindableCount(const GameState& state) {
  int count = 0;
  for (int i = 0; i < state.hiddenCount; ++i) {
    if (!FoundFromStart(state.hiddenLetters[i]))
      ++count;
  }
  return count;
}
