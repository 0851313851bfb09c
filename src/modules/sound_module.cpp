// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module (lurimba-sound.so): the four sounds, loaded once from the program's resources
// and played from memory. The only part of the game that links Qt Multimedia.
#include <QEventLoop>
#include <QObject>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <array>

#include "platform/wave_file.h"
#include "sound_player.h"

namespace {

constexpr std::array<const char*, 4> kSoundFiles = {
    ":/sounds/letracorrecta.wav", ":/sounds/letrafallada.wav", ":/sounds/sonidotecla.wav",
    ":/sounds/acierto.wav"};

// A synchronous sound holds the game for its own length and this much more at most.
constexpr int kWaitMarginMs = 80;

class EffectPlayer : public QObject, public SoundPlayer {
 public:
  explicit EffectPlayer(QObject* parent) : QObject(parent) {
    for (std::size_t i = 0; i < effects_.size(); ++i) {
      effects_[i] = new QSoundEffect(this);
      effects_[i]->setSource(QUrl(QString("qrc") + kSoundFiles[i]));
      lengthsMs_[i] = WaveLengthMs(kSoundFiles[i]);
    }
  }

  void Play(SoundId id, PlayMode mode) override {
    Stop();
    QSoundEffect& effect = *effects_[static_cast<int>(id)];
    // Without an audio device the effect never loads: the game stays silent.
    if (effect.status() == QSoundEffect::Error)
      return;
    effect.setLoopCount(mode == PlayMode::Loop ? QSoundEffect::Infinite : 1);
    effect.play();
    playing_ = &effect;
    if (mode != PlayMode::Sync || !effect.isLoaded())
      return;

    // Wait for the end of the sound, letting timers and painting run but no user input.
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    QObject::connect(&effect, &QSoundEffect::playingChanged, &wait, [&] {
      if (!effect.isPlaying())
        wait.quit();
    });
    limit.start(lengthsMs_[static_cast<int>(id)] + kWaitMarginMs);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
  }

  void Stop() override {
    if (playing_)
      playing_->stop();
    playing_ = nullptr;
  }

 private:
  std::array<QSoundEffect*, 4> effects_{};
  std::array<int, 4> lengthsMs_{};  // how long a synchronous play may hold the game
  QSoundEffect* playing_ = nullptr;
};

}  // namespace

// The sounds, as a child of `parent`, which owns them.
extern "C" Q_DECL_EXPORT SoundPlayer* lurimba_new_sound_player(QObject* parent) {
  return new EffectPlayer(parent);
}
