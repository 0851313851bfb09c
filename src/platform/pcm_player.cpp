// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/pcm_player.h"

#include <algorithm>
#include <chrono>

namespace {

// A cut waits at most for one piece handed to the device (about 23 ms at 22050 frames a second).
constexpr qsizetype kPieceFrames = 512;

}  // namespace

PcmPlayer::PcmPlayer(std::vector<WaveSound> sounds, MakeOutput makeOutput, Finished finished)
    : sounds_(std::move(sounds)),
      makeOutput_(std::move(makeOutput)),
      finished_(std::move(finished)) {}

PcmPlayer::~PcmPlayer() {
  {
    const std::lock_guard lock(mutex_);
    quit_ = true;
    ++wanted_;
  }
  wake_.notify_all();
  if (thread_.joinable())
    thread_.join();
}

std::uint64_t PcmPlayer::Start(int index, bool loop) {
  std::uint64_t play = 0;
  {
    const std::lock_guard lock(mutex_);
    index_ = index >= 0 && index < static_cast<int>(sounds_.size()) ? index : -1;
    loop_ = loop;
    play = ++wanted_;
    if (!thread_.joinable())
      thread_ = std::thread(&PcmPlayer::Run, this);
  }
  wake_.notify_all();
  return play;
}

void PcmPlayer::Stop() {
  const std::lock_guard lock(mutex_);
  if (!thread_.joinable())
    return;  // nothing ever played
  index_ = -1;
  ++wanted_;
  wake_.notify_all();
}

void PcmPlayer::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return quit_ || wanted_ != taken_; });
    if (quit_)
      return;
    const std::uint64_t play = taken_ = wanted_;
    const int index = index_;
    const bool loop = loop_;
    lock.unlock();
    if (index >= 0)
      PlayOne(index, loop, play);
    finished_(play);
    lock.lock();
  }
}

void PcmPlayer::PlayOne(int index, bool loop, std::uint64_t play) {
  const WaveSound& sound = sounds_[index];
  const std::unique_ptr<PcmOutput> output = makeOutput_();
  if (!output || sound.Frames() == 0 || !output->Open(sound))
    return;
  do {
    for (qsizetype at = 0; at < sound.Frames(); at += kPieceFrames) {
      if (Cut(play)) {
        output->Drop();
        return;
      }
      const qsizetype frames = std::min(kPieceFrames, sound.Frames() - at);
      if (!output->Write(sound.samples.constData() + at * sound.FrameBytes(), frames))
        return;
    }
  } while (loop);
  // The end of the sound plays out unless a new sound comes first.
  std::unique_lock lock(mutex_);
  if (wake_.wait_for(lock, std::chrono::milliseconds(output->PendingMs()),
                     [&] { return Cut(play); }))
    output->Drop();
}
