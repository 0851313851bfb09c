// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wave_file.h"

#include <QByteArray>
#include <QFile>
#include <cstdint>

namespace {

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
