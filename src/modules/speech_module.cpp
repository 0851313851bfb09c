// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The speech module (lurimba-speech.so): eSpeak NG, with its Spanish (Spain) voice. The only
// part of the game that links eSpeak NG.
#include <espeak-ng/espeak_ng.h>

#include <QtGlobal>
#include <cstring>

#include "platform/voice.h"

namespace {

constexpr const char* kVoiceName = "es";
// A little slower than the voice's 175 words a minute, for children learning to read.
constexpr int kWordsPerMinute = 150;

// eSpeak NG with the Spanish voice, speaking to the sound device or to the synthesis callback.
bool StartEspeak(espeak_ng_OUTPUT_MODE mode) {
  espeak_ng_InitializePath(nullptr);
  espeak_ng_ERROR_CONTEXT context = nullptr;
  const bool started = espeak_ng_Initialize(&context) == ENS_OK;
  espeak_ng_ClearErrorContext(&context);
  if (!started)
    return false;
  if (espeak_ng_InitializeOutput(mode, 0, nullptr) != ENS_OK ||
      espeak_ng_SetVoiceByName(kVoiceName) != ENS_OK) {
    espeak_ng_Terminate();
    return false;
  }
  espeak_ng_SetParameter(espeakRATE, kWordsPerMinute, 0);
  return true;
}

void Synthesize(const char* utf8) {
  espeak_ng_Synthesize(utf8, std::strlen(utf8) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                       nullptr);
}

// Speaks on its own thread: Say returns at once. Without a sound device, nothing is heard.
class EspeakVoice : public Voice {
 public:
  ~EspeakVoice() override { espeak_ng_Terminate(); }

  void Say(const char* utf8) override {
    espeak_ng_Cancel();
    Synthesize(utf8);
  }
  void Stop() override { espeak_ng_Cancel(); }
};

std::vector<short>* synthesized = nullptr;

int KeepSamples(short* samples, int count, espeak_EVENT*) {
  if (samples && synthesized)
    synthesized->insert(synthesized->end(), samples, samples + count);
  return 0;
}

}  // namespace

extern "C" Q_DECL_EXPORT Voice* lurimba_new_voice() {
  return StartEspeak(ENOUTPUT_MODE_SPEAK_AUDIO) ? new EspeakVoice : nullptr;
}

extern "C" Q_DECL_EXPORT int lurimba_synthesize(const char* utf8, std::vector<short>* samples) {
  if (!StartEspeak(ENOUTPUT_MODE_SYNCHRONOUS))
    return 0;
  const int rate = espeak_ng_GetSampleRate();
  synthesized = samples;
  espeak_SetSynthCallback(KeepSamples);
  Synthesize(utf8);
  espeak_ng_Synchronize();
  synthesized = nullptr;
  espeak_ng_Terminate();
  return rate;
}
