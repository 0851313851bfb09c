// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Comparing pictures drawn by the controls, pixel by pixel.
#pragma once

#include <QImage>
#include <QString>
#include <string>

// "" when the two pictures are equal, else where the first difference lies.
inline std::string ImageDifference(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size())
    return "sizes differ";
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (actual.pixel(x, y) != expected.pixel(x, y))
        return QString("pixel (%1, %2)").arg(x).arg(y).toStdString();
    }
  }
  return "";
}
