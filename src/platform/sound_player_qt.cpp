// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound_player_qt.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QUrl>

namespace {

constexpr std::array<const char*, 4> kSoundFiles = {
    ":/sounds/letracorrecta.wav", ":/sounds/letrafallada.wav", ":/sounds/sonidotecla.wav",
    ":/sounds/acierto.wav"};

// A synchronous sound holds the game for its own length and this much more at most.
constexpr int kWaitMarginMs = 80;

std::uint32_t LittleEndian32(const QByteArray& bytes, qsizetype offset) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i)
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + i])) << (8 * i);
  return value;
}

}  // namespace

int WaveLengthMs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return 0;
  const QByteArray bytes = file.readAll();
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
    return 0;
  std::uint32_t byteRate = 0;
  for (qsizetype at = 12; at + 8 <= bytes.size();) {
    const QByteArray id = bytes.mid(at, 4);
    const std::uint32_t size = LittleEndian32(bytes, at + 4);
    if (id == "fmt " && size >= 12 && at + 20 <= bytes.size())
      byteRate = LittleEndian32(bytes, at + 16);
    if (id == "data")
      return byteRate ? static_cast<int>(std::uint64_t{size} * 1000 / byteRate) : 0;
    at += 8 + size + (size & 1);
  }
  return 0;
}

// The sound system starts once the event loop runs, that is after the main window shows: the
// window comes sooner, and the first sound comes much later (a word must be in play).
QtSoundPlayer::QtSoundPlayer() {
  QTimer::singleShot(0, this, &QtSoundPlayer::Start);
}

void QtSoundPlayer::Start() {
  if (effects_[0])
    return;
  for (std::size_t i = 0; i < effects_.size(); ++i) {
    effects_[i] = new QSoundEffect(this);
    effects_[i]->setSource(QUrl(QString("qrc") + kSoundFiles[i]));
    lengthsMs_[i] = WaveLengthMs(kSoundFiles[i]);
  }
}

void QtSoundPlayer::Play(SoundId id, PlayMode mode) {
  Start();  // a sound asked for before the event loop ran
  Stop();
  QSoundEffect& effect = Effect(id);
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

void QtSoundPlayer::Stop() {
  if (playing_)
    playing_->stop();
  playing_ = nullptr;
}
