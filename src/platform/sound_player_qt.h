// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four sounds, loaded once from the program's resources and played from memory. Loading
// starts when the event loop first runs (or at the first sound, if that comes sooner).
#pragma once

#include <QObject>
#include <QSoundEffect>
#include <array>

#include "sound_player.h"

// The length of a WAVE sound from its byte rate and the size of its data; 0 when unknown.
int WaveLengthMs(const QString& path);

class QtSoundPlayer : public QObject, public SoundPlayer {
 public:
  QtSoundPlayer();
  void Play(SoundId id, PlayMode mode) override;
  void Stop() override;

 private:
  void Start();
  QSoundEffect& Effect(SoundId id) { return *effects_[static_cast<int>(id)]; }

  std::array<QSoundEffect*, 4> effects_{};
  std::array<int, 4> lengthsMs_{};  // how long a synchronous play may hold the game
  QSoundEffect* playing_ = nullptr;
};
