// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

#include <algorithm>
#include <stdexcept>

int CallLog::Find(const std::string& prefix, int from) const {
  for (int i = std::max(from, 0); i < static_cast<int>(entries.size()); ++i) {
    if (entries[i].rfind(prefix, 0) == 0)
      return i;
  }
  return -1;
}

int CallLog::Count(const std::string& prefix) const {
  int count = 0;
  for (int at = Find(prefix); at >= 0; at = Find(prefix, at + 1))
    ++count;
  return count;
}

bool FakePrompter::Question(const std::string& text, const std::string& caption) {
  Record("Question", text, caption);
  throw std::logic_error("a question nobody expected");
}

std::optional<std::string> FakePrompter::Ask(const std::string& name,
                                             const OpenFileRequest& request) {
  requests.push_back(request);
  log_.Add(name, request.pattern);
  if (onAsk)
    onAsk();
  if (files.empty())
    throw std::logic_error("a file dialog came back once too often");
  auto answer = files.front();
  files.pop_front();
  return answer;
}

Harness::Harness() {
  game.SetRandomSource([this] {
    if (randoms.empty())
      return counter++;
    const int value = randoms.front();
    randoms.pop_front();
    return value;
  });
}

void Harness::UseWords(const std::vector<std::string>& rawWords, const std::string& theme) {
  words().Clear();
  words().theme = theme;
  for (std::size_t k = 0; k < rawWords.size(); ++k)
    words().slots[k + 1] = {rawWords[k], "", "pista " + std::to_string(k + 1)};
  words().CountWords(WordField::Raw);
  words().StripMarks();
  words().loaded = true;
  GameTestAccess::Draw(game).ResetDraw();
}

void Harness::StartOnly(const std::string& rawWord, int mode) {
  UseWords(Repeat(rawWord));
  game.StartWordInMode(mode);
}

std::vector<PressResult> Harness::Press(const std::string& letters, InputSource source) {
  std::vector<PressResult> results;
  for (char c : letters)
    results.push_back(game.PressLetter(c, source));
  return results;
}

PressResult Harness::SolveWord() {
  const GameState& s = game.state();
  for (int i = 0; i < s.hiddenCount; ++i) {
    const PressResult result = game.PressLetter(s.hiddenLetters[i], InputSource::PhysicalKeyboard);
    if (result == PressResult::SolvedClean || result == PressResult::SolvedWithFailures)
      return result;
  }
  ADD_FAILURE() << "the word did not end when every hidden letter was given";
  return PressResult::Ignored;
}

PressResult Harness::FailWord(const std::string& avoid) {
  for (char c = 'a'; c <= 'z'; ++c) {
    if (avoid.find(c) != std::string::npos)
      continue;
    const PressResult result = game.PressLetter(c, InputSource::PhysicalKeyboard);
    if (result == PressResult::Lost)
      return result;
    EXPECT_EQ(result, PressResult::Wrong) << "a letter not in the word: " << c;
  }
  ADD_FAILURE() << "the word was not lost";
  return PressResult::Ignored;
}
