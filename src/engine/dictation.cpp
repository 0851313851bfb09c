// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dictation.h"

#include "letter_case.h"
#include "spelling.h"

namespace {

// The word in play as the list gives it, in small letters: capitals would be spelled.
std::string WordInPlay(const Game& game) {
  const int k = game.state().currentWord;
  if (k < 1 || k > kMaxWords)
    return {};
  return ToLower(game.words().slots[k].word);
}

}  // namespace

Speaker& NoSpeech() {
  class Silent : public Speaker {
    void Say(const std::string&, std::optional<SoundId>) override {}
  };
  static Silent silent;
  return silent;
}

void Dictation::SetOn(bool on) {
  on_ = on;
  speaker_.SetWanted(on);
}

void Dictation::WordStarted(const Game& game) {
  const std::string word = WordInPlay(game);
  if (on_ && !word.empty())
    speaker_.Say(word, std::nullopt);
}

void Dictation::LetterJudged(char c, PressResult result) {
  if (!on_ || result == PressResult::Ignored)
    return;
  const bool wrong = result == PressResult::Wrong || result == PressResult::Lost;
  speaker_.Say(LetterName(c), wrong ? SoundId::LetraFallada : SoundId::LetraCorrecta);
}

void Dictation::ReadWord(const Game& game) {
  const std::string word = WordInPlay(game);
  if (word.empty())
    return;
  // A hint the teacher hides ("Ver") is not read out either.
  const std::string& hint = game.words().slots[game.state().currentWord].hint;
  const bool sayHint = game.settings().view.hint && !hint.empty();
  speaker_.Say(sayHint ? hint + ". " + word : word, std::nullopt);
}
