// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four sounds of the game, as the windows play them.
#pragma once

enum class SoundId { LetraCorrecta, LetraFallada, SonidoTecla, Acierto };

enum class PlayMode {
  Sync,   // returns when the sound has played
  Async,  // starts the sound and returns; a new sound cuts the one playing
  Loop,   // plays again and again until Stop
};

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  virtual void Play(SoundId id, PlayMode mode) = 0;
  virtual void Stop() = 0;
};
