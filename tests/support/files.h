// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole files written and read back by the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// The bytes of a file; none when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` to `path` as they are, in place of what it held.
inline void WriteBytes(const QString& path, QByteArrayView bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
              file.write(bytes.data(), bytes.size()) == bytes.size())
      << path.toStdString();
}
