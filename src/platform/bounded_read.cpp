// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/bounded_read.h"

#include <algorithm>

QByteArray ReadAtMost(QFile& file, qint64 knownSize, qint64 limit) {
  const qint64 expected = std::clamp<qint64>(knownSize, 0, limit);
  QByteArray bytes = file.read(expected + 1);
  if (bytes.size() > expected && bytes.size() <= limit)
    bytes += file.read(limit + 1 - bytes.size());
  return bytes;
}
