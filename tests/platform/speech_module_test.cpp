// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own voice, heard: a Spanish word said into memory by the speech module.
#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

#include "platform/module.h"
#include "platform/voice.h"

namespace {

bool VoiceInstalled() {
  for (const QString& folder : QDir("/usr/lib").entryList({"*-linux-gnu"}, QDir::Dirs)) {
    if (QFile::exists("/usr/lib/" + folder + "/espeak-ng-data/phontab"))
      return true;
  }
  return QFile::exists("/usr/share/espeak-ng-data/phontab");
}

TEST(SpeechModule, SaysASpanishWordAsSoundOfItsLength) {
  const auto synthesize =
      reinterpret_cast<SynthesizeFunction>(ModuleFunction(kSpeechModule, kSynthesizeFunction));
  ASSERT_NE(synthesize, nullptr) << "no speech module beside the tests";
  if (!VoiceInstalled())
    GTEST_SKIP() << "eSpeak NG's voices (espeak-ng-data) are not installed";
  std::vector<short> samples;
  const int rate = synthesize("pingüino", &samples);
  ASSERT_GT(rate, 0);
  const double seconds = double(samples.size()) / rate;
  double squares = 0;
  for (short s : samples)
    squares += double(s) * s;
  const double rms = samples.empty() ? 0 : std::sqrt(squares / samples.size());
  EXPECT_GT(seconds, 0.2);
  EXPECT_LT(seconds, 3.0);
  EXPECT_GT(rms, 500) << "silence";
}

}  // namespace
