// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program reads of a WAVE sound itself.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A plain PCM sound (8 or 16 bits a sample), ready for a sound device.
struct WaveSound {
  int channels = 0;
  int rate = 0;           // frames a second
  int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
  QByteArray samples;     // whole frames only

  int FrameBytes() const { return channels * bitsPerSample / 8; }
  qsizetype Frames() const { return samples.size() / FrameBytes(); }
  int LengthMs() const { return static_cast<int>(Frames() * 1000 / rate); }
};

// The sound of a WAVE file's bytes; nothing when it is not plain 8- or 16-bit PCM.
std::optional<WaveSound> ReadWave(const QByteArray& bytes);

// The length of a WAVE sound from its byte rate and the size of its data; 0 when unknown.
int WaveLengthMs(const QString& path);
