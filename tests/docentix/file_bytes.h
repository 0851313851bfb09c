// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole files written and read back by the companion's tests.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

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
