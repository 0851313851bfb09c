// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The GIF decoder: any bytes give a refusal or frames inside the logical
// screen, within the limits.
#include <QByteArray>
#include <QRect>
#include <cstdint>

#include "controls/gif_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const GifLimits limits;
  const auto decoded = DecodeGif(bytes, limits);
  if (!decoded)
    return 0;
  const QRect screen(QPoint(0, 0), decoded->screen);
  qint64 pixels = qint64(screen.width()) * screen.height();
  if (decoded->frames.empty() || static_cast<int>(decoded->frames.size()) > limits.frames)
    __builtin_trap();
  for (const GifFrame& frame : decoded->frames) {
    if (!screen.contains(QRect(frame.offset, frame.image.size())))
      __builtin_trap();
    pixels += qint64(frame.image.width()) * frame.image.height();
  }
  if (pixels > limits.pixels)
    __builtin_trap();
  return 0;
}
