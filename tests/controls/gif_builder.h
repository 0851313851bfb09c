// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Small GIF pictures written with giflib, so that the tests know every pixel,
// disposal and delay of what the control decodes.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

struct GifFrameDescription {
  QRect area;                   // position and size in the logical screen
  std::vector<uint8_t> pixels;  // colour indices, row by row
  int disposal = 0;
  int delayCs = 10;  // hundredths of a second
};

struct GifDescription {
  QSize screen;
  std::vector<QRgb> colours;     // global colour table, may be empty
  std::optional<int> loopCount;  // writes a NETSCAPE2.0 block when set
  std::vector<GifFrameDescription> frames;
};

// A frame of one colour index over `area`.
GifFrameDescription SolidFrame(const QRect& area, uint8_t colour, int disposal = 0,
                               int delayCs = 10);

QByteArray BuildGif(const GifDescription& picture);
