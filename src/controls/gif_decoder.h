// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decoding of GIF pictures, record by record, with every size checked before
// anything is allocated for it: a picture that would need more than the
// limits below is refused as a whole, like one that cannot be decoded.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <optional>
#include <vector>

struct GifLimits {
  // Frames past this many are skipped without being decoded.
  int frames = 256;
  // The largest logical screen, each side.
  int side = 8192;
  // The logical screen and every kept frame together, in pixels.
  qint64 pixels = 64ll * 1024 * 1024;
};

struct GifFrame {
  QImage image;  // the frame's rectangle, indexed; a colour of alpha 0 = transparent
  QPoint offset;
  int disposal = 0;
  int delayMs = 0;
};

struct DecodedGif {
  QSize screen;
  std::vector<GifFrame> frames;  // at least one
  int loopCount = 1;             // "NETSCAPE2.0" loop count; 1 without it, 0 for ever
};

// Nothing when the data is not a whole GIF picture with at least one frame,
// when a frame reaches outside the logical screen, or when the sizes pass the
// limits.
std::optional<DecodedGif> DecodeGif(const QByteArray& data, const GifLimits& limits = {});
