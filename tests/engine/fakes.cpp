// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

int CallLog::Find(const std::string& prefix, int from) const {
  for (int i = std::max(from, 0); i < static_cast<int>(entries.size()); ++i) {
    if (entries[i].rfind(prefix, 0) == 0)
      return i;
  }
  return -1;
}

int CallLog::Count(const std::string& prefix) const {
  return static_cast<int>(std::count_if(entries.begin(), entries.end(), [&](const std::string& e) {
    return e.rfind(prefix, 0) == 0;
  }));
}

bool FakePrompter::Question(const std::string& text, const std::string& caption) {
  Record("Question", text, caption);
  if (answers.empty())
    throw std::logic_error("a question nobody expected");
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> FakePrompter::AskOpenFile(const OpenFileRequest& request) {
  requests.push_back(request);
  log_.Add("AskOpenFile", request.pattern);
  if (onAsk)
    onAsk();
  if (files.empty())
    throw std::logic_error("the open-file dialog came back once too often");
  auto answer = files.front();
  files.pop_front();
  return answer;
}

std::optional<std::string> FakePrompter::AskSaveFile(const SaveFileRequest& request) {
  requests.push_back(request);
  log_.Add("AskSaveFile", request.pattern);
  if (onAsk)
    onAsk();
  if (saveFiles.empty())
    throw std::logic_error("the save dialog came back once too often");
  auto answer = saveFiles.front();
  saveFiles.pop_front();
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
  WordList& words = GameTestAccess::Words(game);
  words.Clear();
  words.theme = theme;
  for (std::size_t k = 0; k < rawWords.size(); ++k) {
    words.slots[k + 1].rawWord = rawWords[k];
    words.slots[k + 1].hint = "pista " + std::to_string(k + 1);
  }
  words.CountWords(WordField::Raw);
  words.StripMarks();
  words.loaded = true;
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
  for (int guard = 0; guard < 64; ++guard) {
    const auto next = std::find_if(s.hiddenLetters.begin(), s.hiddenLetters.begin() + s.hiddenCount,
                                   [](char c) { return c != '.'; });
    if (next == s.hiddenLetters.begin() + s.hiddenCount)
      break;
    const PressResult result = game.PressLetter(*next, InputSource::PhysicalKeyboard);
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
    if (result != PressResult::Wrong) {
      ADD_FAILURE() << "a letter not in the word was not wrong: " << c;
      return result;
    }
  }
  ADD_FAILURE() << "the word was not lost";
  return PressResult::Ignored;
}

std::vector<std::string> Repeat(const std::string& word, int times) {
  return std::vector<std::string>(times, word);
}
