// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wave_file.h"

#include <QFile>
#include <cstdint>

namespace {

std::uint32_t LittleEndian(const QByteArray& bytes, qsizetype offset, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i)
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + i])) << (8 * i);
  return value;
}

struct Chunks {
  qsizetype format = -1;  // where the "fmt " chunk's content begins
  std::uint32_t formatSize = 0;
  qsizetype data = -1;
  std::uint32_t dataSize = 0;
};

// Where the format and the data are; the data chunk ends the search.
Chunks FindChunks(const QByteArray& bytes) {
  Chunks chunks;
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
    return chunks;
  for (qsizetype at = 12; at + 8 <= bytes.size();) {
    const QByteArray id = bytes.mid(at, 4);
    const std::uint32_t size = LittleEndian(bytes, at + 4, 4);
    if (id == "fmt ") {
      chunks.format = at + 8;
      chunks.formatSize = size;
    } else if (id == "data") {
      chunks.data = at + 8;
      chunks.dataSize = size;
      return chunks;
    }
    at += 8 + qsizetype{size} + (size & 1);
  }
  return chunks;
}

}  // namespace

std::optional<WaveSound> ReadWave(const QByteArray& bytes) {
  const Chunks chunks = FindChunks(bytes);
  if (chunks.format < 0 || chunks.formatSize < 16 || chunks.format + 16 > bytes.size() ||
      chunks.data < 0)
    return std::nullopt;
  constexpr int kPcm = 1;
  WaveSound sound;
  sound.channels = static_cast<int>(LittleEndian(bytes, chunks.format + 2, 2));
  sound.rate = static_cast<int>(LittleEndian(bytes, chunks.format + 4, 4));
  sound.bitsPerSample = static_cast<int>(LittleEndian(bytes, chunks.format + 14, 2));
  if (LittleEndian(bytes, chunks.format, 2) != kPcm || sound.channels < 1 || sound.channels > 2 ||
      sound.rate < 1000 || sound.rate > 192000 ||
      (sound.bitsPerSample != 8 && sound.bitsPerSample != 16))
    return std::nullopt;
  // A data chunk cut short plays what is there.
  const qsizetype size = std::min<qsizetype>(chunks.dataSize, bytes.size() - chunks.data);
  sound.samples = bytes.mid(chunks.data, size - size % sound.FrameBytes());
  return sound;
}

int WaveLengthMs(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return 0;
  const QByteArray bytes = file.readAll();
  const Chunks chunks = FindChunks(bytes);
  if (chunks.format < 0 || chunks.formatSize < 12 || chunks.format + 12 > bytes.size() ||
      chunks.data < 0)
    return 0;
  const std::uint32_t byteRate = LittleEndian(bytes, chunks.format + 8, 4);
  return byteRate ? static_cast<int>(std::uint64_t{chunks.dataSize} * 1000 / byteRate) : 0;
}
