// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays PCM sounds on a sound device from a thread of its own, so that the game goes on while a
// sound plays: a new sound cuts the one playing, a looping sound plays until the next one or
// Stop, and without a device every sound is silence. The thread starts with the first sound and
// sleeps between sounds.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/wave_file.h"

// A sound device, opened for one sound at a time (the player's thread calls it).
class PcmOutput {
 public:
  virtual ~PcmOutput() = default;
  // False when there is no device, or it cannot play this format.
  virtual bool Open(const WaveSound& format) = 0;
  // Hands `frames` frames to the device, waiting while its buffer is full; false on an error.
  virtual bool Write(const char* samples, qsizetype frames) = 0;
  // How long what was handed over still plays.
  virtual int PendingMs() = 0;
  // Silences what was handed over and not yet played.
  virtual void Drop() = 0;
};

class PcmPlayer {
 public:
  using MakeOutput = std::function<std::unique_ptr<PcmOutput>()>;
  // Called on the player's thread when a play ends (played, cut, or silent), with its number.
  using Finished = std::function<void(std::uint64_t play)>;

  PcmPlayer(std::vector<WaveSound> sounds, MakeOutput makeOutput, Finished finished);
  ~PcmPlayer();

  // Cuts what plays and starts sound `index`; the number of this play.
  std::uint64_t Start(int index, bool loop);
  void Stop();

 private:
  void Run();
  void PlayOne(int index, bool loop, std::uint64_t play);
  bool Cut(std::uint64_t play) const { return wanted_ != play; }

  std::vector<WaveSound> sounds_;
  MakeOutput makeOutput_;
  Finished finished_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::atomic<std::uint64_t> wanted_{0};  // the latest play asked for (or Stop)
  std::uint64_t taken_ = 0;               // the latest play the thread began
  int index_ = -1;                        // what the latest play plays; -1 silence
  bool loop_ = false;
  bool quit_ = false;
  std::thread thread_;
};
