// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The metafile reader on any bytes: a picture within its limits, or none.
#include <QByteArray>
#include <cstdint>

#include "platform/wmf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QImage picture = ReadWmf(bytes);
  if (!picture.isNull() && (picture.width() <= 0 || picture.height() <= 0))
    __builtin_trap();
  return 0;
}
