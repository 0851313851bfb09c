// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole files written and read back by the companion's tests, and results files written
// with the game's own records.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <vector>

#include "charset.h"
#include "results_file.h"

// Writes `bytes` to `path`; the path, or "" when it could not be written.
inline QString Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    return QString();
  return path;
}

// The bytes of a file; what is no file at all reads as a mark of its own.
inline QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

// One player of a results file: name and theme in code page 850; solved i = base + i,
// failed i = base + 10 + i, totals base + 100 and base + 200.
struct Player {
  std::string oemName, oemTheme;
  int year, day, month, base;
};

inline QByteArray ResultsBytes(const std::vector<Player>& players) {
  const auto bytes = [](const RecordBytes& record) {
    return QByteArray(reinterpret_cast<const char*>(record.data()), qsizetype(record.size()));
  };
  QByteArray file = bytes(EncodeResultsHeader({2001, 5, 3}));
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
    file += bytes(EncodeFileRecord(record));
  }
  return file;
}
