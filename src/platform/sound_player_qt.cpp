// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_player_qt.h"

#include <QTimer>

#include "platform/module.h"

namespace {

// The sound system starts this long after the event loop first runs, once the main window has
// shown and painted: the window comes sooner, and the first sound comes later still (a word
// must be in play, after the players window that the game timer opens a second after).
constexpr int kStartDelayMs = 300;

}  // namespace

QtSoundPlayer::QtSoundPlayer() {
  QTimer::singleShot(kStartDelayMs, this, &QtSoundPlayer::Start);
}

void QtSoundPlayer::Start() {
  if (started_)
    return;
  started_ = true;
  const auto newPlayer = reinterpret_cast<NewSoundPlayerFunction>(
      ModuleFunction(kSoundModule, kNewSoundPlayerFunction));
  if (newPlayer)
    player_ = newPlayer(this);
}

void QtSoundPlayer::Play(SoundId id, PlayMode mode) {
  Start();  // a sound asked for before the event loop ran
  if (player_)
    player_->Play(id, mode);
}

void QtSoundPlayer::Stop() {
  if (player_)
    player_->Stop();
}
