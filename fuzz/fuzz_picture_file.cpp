// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture loader on BMP data: a yes with a picture, or a no.
#include <QByteArray>
#include <cstdint>

#include "platform/picture_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto picture = DecodePicture(bytes, "BMP");
  if (picture && picture->isNull())
    __builtin_trap();
  return 0;
}
