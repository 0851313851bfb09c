// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Animated GIF output through giflib, with a shared palette per file.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

namespace art {

enum class Disposal { Unspecified = 0, Keep = 1, Background = 2, Previous = 3 };

struct GifFrame {
  QImage image;      // any format; pixels with alpha < 128 become transparent
  QPoint offset;     // where the frame sits on the canvas
  int delayCs = 10;  // hundredths of a second
  Disposal disposal = Disposal::Unspecified;
  bool interlaced = false;  // rows stored in the four-pass order
};

// Writes a looping GIF89a. Palette index 0 is the transparent colour.
bool writeGif(const QString& path, QSize canvas, const std::vector<GifFrame>& frames);

}  // namespace art
