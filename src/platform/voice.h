// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The voice that reads aloud, in the speech module (lurimba-speech.so): eSpeak NG's Spanish
// voice, loaded only once reading aloud is wanted.
#pragma once

#include <vector>

inline constexpr const char* kSpeechModule = "lurimba-speech";

class Voice {
 public:
  virtual ~Voice() = default;
  // Starts saying `utf8` and returns; what was being said stops.
  virtual void Say(const char* utf8) = 0;
  virtual void Stop() = 0;
};

// Makes the voice, which plays on the sound device; null when no voice is installed.
using NewVoiceFunction = Voice* (*)();
inline constexpr const char* kNewVoiceFunction = "lurimba_new_voice";

// The same voice, saying `utf8` into `samples` (mono, 16 bits) instead of the sound device;
// gives their sample rate, 0 when no voice is installed. Not while a voice made above lives.
using SynthesizeFunction = int (*)(const char* utf8, std::vector<short>* samples);
inline constexpr const char* kSynthesizeFunction = "lurimba_synthesize";
