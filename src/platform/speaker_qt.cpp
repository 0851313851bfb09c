// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/speaker_qt.h"

#include "platform/module.h"
#include "platform/sound_files.h"
#include "platform/text.h"
#include "platform/wave_file.h"

namespace {

// The voice gets ready this long after it is wanted: at start-up, after the window has shown.
constexpr int kLoadDelayMs = 300;

}  // namespace

QtSpeaker::QtSpeaker() {
  afterSound_.setSingleShot(true);
  connect(&afterSound_, &QTimer::timeout, this, &QtSpeaker::SayWaiting);
}

QtSpeaker::~QtSpeaker() = default;

void QtSpeaker::SetWanted(bool wanted) {
  if (wanted) {
    QTimer::singleShot(kLoadDelayMs, this, &QtSpeaker::Load);
    return;
  }
  afterSound_.stop();
  if (voice_)
    voice_->Stop();
}

void QtSpeaker::Load() {
  if (loaded_)
    return;
  loaded_ = true;
  const auto newVoice =
      reinterpret_cast<NewVoiceFunction>(ModuleFunction(kSpeechModule, kNewVoiceFunction));
  if (newVoice)
    voice_.reset(newVoice());
}

void QtSpeaker::Say(const std::string& text, std::optional<SoundId> after) {
  Load();
  if (!voice_)
    return;
  waiting_ = ToQt(text).toUtf8();
  if (!after) {
    afterSound_.stop();
    SayWaiting();
    return;
  }
  voice_->Stop();
  afterSound_.start(SoundLengthMs(*after));
}

// A letter's name waits for the sound that judged it to end; each length is read once.
int QtSpeaker::SoundLengthMs(SoundId sound) {
  int& length = soundLengthsMs_[static_cast<std::size_t>(sound)];
  if (length < 0)
    length = WaveLengthMs(kSoundFiles[static_cast<std::size_t>(sound)]);
  return length;
}

void QtSpeaker::SayWaiting() {
  voice_->Say(waiting_.constData());
}
