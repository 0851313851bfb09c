// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results files for the companion's tests, written with the game's own records.
#pragma once

#include <QByteArray>
#include <string>
#include <vector>

#include "charset.h"
#include "file_bytes.h"
#include "results_file.h"

namespace results_files {

// One player: name and theme in code page 850; solved i = base + i, failed i = base + 10 + i,
// totals base + 100 and base + 200.
struct Player {
  std::string oemName, oemTheme;
  int year, day, month, base;
};

inline QByteArray Bytes(const RecordBytes& record) {
  return QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size()));
}

inline QByteArray FileBytes(const std::vector<Player>& players) {
  QByteArray bytes = Bytes(EncodeResultsHeader({2001, 5, 3}));
  for (const Player& p : players) {
    PlayerRecord record;
    record.name = OemToAnsi(p.oemName);
    record.theme = OemToAnsi(p.oemTheme);
    record.year = p.year;
    record.day = p.day;
    record.month = p.month;
    for (int i = 0; i < 6; ++i) {
      record.solved[i] = p.base + i;
      record.failed[i] = p.base + 10 + i;
    }
    record.solvedTotal = p.base + 100;
    record.failedTotal = p.base + 200;
    bytes += Bytes(EncodeFileRecord(record));
  }
  return bytes;
}

}  // namespace results_files
