// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound module (lurimba-sound.so): the four sounds, read once from the program's resources
// and played from memory on the system's default sound device, through ALSA (which a desktop
// routes to its sound server). The only part of the game that links the sound library.
#include <alsa/asoundlib.h>

#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <array>

#include "platform/pcm_player.h"
#include "platform/sound_files.h"
#include "platform/wave_file.h"
#include "sound_player.h"

namespace {

// A synchronous sound holds the game for its own length and this much more at most.
constexpr int kWaitMarginMs = 80;
// How much the device holds ahead: short, so that a cut is heard at once.
constexpr unsigned kDeviceLatencyUs = 100000;

// ALSA's own complaints (no sound card, no sound server) are not the player's business.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

class AlsaOutput : public PcmOutput {
 public:
  ~AlsaOutput() override {
    if (pcm_) {
      snd_pcm_drain(pcm_);
      snd_pcm_close(pcm_);
      // What ALSA read of its configuration is read again at the next sound.
      snd_config_update_free_global();
    }
  }

  bool Open(const WaveSound& format) override {
    snd_lib_error_set_handler(Quiet);
    if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
      pcm_ = nullptr;
      return false;
    }
    rate_ = format.rate;
    return snd_pcm_set_params(pcm_,
                              format.bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE,
                              SND_PCM_ACCESS_RW_INTERLEAVED, format.channels, format.rate, 1,
                              kDeviceLatencyUs) == 0;
  }

  bool Write(const char* samples, qsizetype frames) override {
    while (frames > 0) {
      snd_pcm_sframes_t written = snd_pcm_writei(pcm_, samples, frames);
      if (written < 0)
        written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
      if (written < 0)
        return false;
      frames -= written;
      samples += written * snd_pcm_frames_to_bytes(pcm_, 1);
    }
    return true;
  }

  int PendingMs() override {
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_delay(pcm_, &delay) < 0 || delay < 0)
      return 0;
    return static_cast<int>(delay * 1000 / rate_);
  }

  void Drop() override { snd_pcm_drop(pcm_); }

 private:
  snd_pcm_t* pcm_ = nullptr;
  int rate_ = 1;
};

std::vector<WaveSound> ReadSounds() {
  std::vector<WaveSound> sounds;
  for (const char* name : kSoundFiles) {
    QFile file(name);
    std::optional<WaveSound> sound;
    if (file.open(QIODevice::ReadOnly))
      sound = ReadWave(file.readAll());
    sounds.push_back(sound.value_or(WaveSound{}));  // a sound that cannot be read is silence
  }
  return sounds;
}

class WavePlayer : public QObject, public SoundPlayer {
 public:
  explicit WavePlayer(QObject* parent)
      : QObject(parent),
        pcm_(
            ReadSounds(), [] { return std::make_unique<AlsaOutput>(); },
            [this](std::uint64_t play) {
              // From the player's thread (which ends before this object) to the game's.
              QMetaObject::invokeMethod(this, [this, play] {
                if (waitingFor_ == play && wait_)
                  wait_->quit();
              });
            }) {
    for (std::size_t i = 0; i < kSoundFiles.size(); ++i)
      lengthsMs_[i] = WaveLengthMs(kSoundFiles[i]);
  }

  void Play(SoundId id, PlayMode mode) override {
    const int index = static_cast<int>(id);
    const std::uint64_t play = pcm_.Start(index, mode == PlayMode::Loop);
    if (mode != PlayMode::Sync)
      return;
    // Wait for the end of the sound, letting timers and painting run but no user input.
    QEventLoop wait;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &wait, &QEventLoop::quit);
    limit.start(lengthsMs_[index] + kWaitMarginMs);
    waitingFor_ = play;
    wait_ = &wait;
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    wait_ = nullptr;
  }

  void Stop() override { pcm_.Stop(); }

 private:
  PcmPlayer pcm_;
  std::array<int, 4> lengthsMs_{};  // how long a synchronous play may hold the game
  std::uint64_t waitingFor_ = 0;
  QEventLoop* wait_ = nullptr;
};

}  // namespace

// The sounds, as a child of `parent`, which owns them.
extern "C" Q_DECL_EXPORT SoundPlayer* lurimba_new_sound_player(QObject* parent) {
  return new WavePlayer(parent);
}
