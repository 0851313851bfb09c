// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's voice, in the speech module (lurimba-speech.so). Nothing of it loads until
// reading aloud is wanted: the module loads a moment after that (after the window shows, at
// start-up), or at the first text to say. Without the module or a voice the game is silent.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <memory>

#include "dictation.h"
#include "platform/voice.h"

class QtSpeaker : public QObject, public Speaker {
 public:
  QtSpeaker();
  ~QtSpeaker() override;
  void Say(const std::string& text, std::optional<SoundId> after) override;
  void SetWanted(bool wanted) override;
  // False until the module is loaded, and when it cannot be or has no voice.
  bool HasVoice() const { return voice_ != nullptr; }

 private:
  void Load();
  void SayWaiting();
  int SoundLengthMs(SoundId sound);

  bool loaded_ = false;
  std::unique_ptr<Voice> voice_;
  QByteArray waiting_;  // UTF-8, said when the sound before it has played
  QTimer afterSound_;
  std::array<int, 4> soundLengthsMs_{-1, -1, -1, -1};  // -1: not read yet
};
