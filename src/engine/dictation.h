// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading aloud, for the children who cannot read yet: what the game says, and when. The
// program's voice says the texts; the game decides them.
#pragma once

#include <optional>
#include <string>

#include "game.h"
#include "sound_player.h"

// The voice, as the game uses it. Text is Windows-1252.
class Speaker {
 public:
  virtual ~Speaker() = default;
  // Says `text`, cutting what was being said; once the sound `after` has played, when given.
  virtual void Say(const std::string& text, std::optional<SoundId> after) = 0;
  // Reading aloud was switched on or off: a voice may get ready, or stop.
  virtual void SetWanted(bool /*wanted*/) {}
};

// A voice that says nothing.
Speaker& NoSpeech();

class Dictation {
 public:
  explicit Dictation(Speaker& speaker) : speaker_(speaker) {}

  // "Leer en voz alta": each new word and each letter judged are said. Off at first.
  bool On() const { return on_; }
  void SetOn(bool on);

  // A new word is in play: it is said whole, as in a dictation, so that the child hears
  // what to write and finds the missing letters.
  void WordStarted(const Game& game);
  // A letter was judged: its name (LetterName) is said after the sound that judged it.
  void LetterJudged(char c, PressResult result);
  // The loudspeaker: the hint, then the word, whether reading aloud is on or not.
  void ReadWord(const Game& game);

 private:
  Speaker& speaker_;
  bool on_ = false;
};
