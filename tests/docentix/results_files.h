// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results files built byte by byte for the companion's tests, as the game writes them.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "file_bytes.h"

namespace results_files {

inline void PutInt32(QByteArray& bytes, int at, std::int32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<char>(static_cast<std::uint32_t>(value) >> (8 * i));
}

// One player: name and theme in code page 850; solved i = base + i, failed i = base + 10 + i,
// totals base + 100 and base + 200.
struct Player {
  std::string oemName, oemTheme;
  int year, day, month, base;
};

inline QByteArray Record(const std::string& oemName, const std::string& oemTheme, int year, int day,
                         int month, int base) {
  QByteArray bytes(140, '\0');
  bytes.replace(0, qsizetype(oemName.size()), QByteArray::fromStdString(oemName));
  bytes.replace(26, qsizetype(oemTheme.size()), QByteArray::fromStdString(oemTheme));
  PutInt32(bytes, 78, year);
  bytes[82] = static_cast<char>(day);
  bytes[83] = static_cast<char>(month);
  for (int i = 0; i < 6; ++i) {
    PutInt32(bytes, 84 + 4 * i, base + i);
    PutInt32(bytes, 112 + 4 * i, base + 10 + i);
  }
  PutInt32(bytes, 108, base + 100);
  PutInt32(bytes, 136, base + 200);
  return bytes;
}

inline QByteArray FileBytes(const std::vector<Player>& players) {
  QByteArray bytes = Record("TAMU LURIMB RESULT WIN32", "REGISTRO DE CONTROL", 2001, 5, 3, 0);
  bytes.replace(84, 56, QByteArray(56, '\0'));  // the header's counters are zero
  for (const Player& p : players)
    bytes += Record(p.oemName, p.oemTheme, p.year, p.day, p.month, p.base);
  return bytes;
}

}  // namespace results_files
