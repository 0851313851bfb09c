// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four sounds, played by the sound module (lurimba-sound.so). The module loads, and loads
// the sounds, when the event loop first runs (or at the first sound, if that comes sooner);
// without it the game is silent, as without an audio device.
#pragma once

#include <QObject>

#include "platform/wave_file.h"
#include "sound_player.h"

// The function of the sound module that makes its player, a child of `parent`.
using NewSoundPlayerFunction = SoundPlayer* (*)(QObject* parent);
inline constexpr const char* kNewSoundPlayerFunction = "lurimba_new_sound_player";

class QtSoundPlayer : public QObject, public SoundPlayer {
 public:
  QtSoundPlayer();
  void Play(SoundId id, PlayMode mode) override;
  void Stop() override;
  // False until the sound module is loaded, and when it cannot be.
  bool HasSound() const { return player_ != nullptr; }

 private:
  void Start();

  bool started_ = false;
  SoundPlayer* player_ = nullptr;  // the module's, a child of this object
};
