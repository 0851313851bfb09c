// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tiling.h"

std::vector<TilePosition> TilePositions(int tileWidth, int tileHeight, int screenWidth,
                                        int screenHeight) {
  std::vector<TilePosition> positions;
  if (tileWidth <= 0 || tileHeight <= 0)
    return positions;  // the loop below would never end
  int x = 0;
  int y = 0;
  while (y < screenHeight) {
    if (x > screenWidth) {
      x = 0;
      y += tileHeight;
    }
    // Drawn even when the new row starts below the screen: it is cut off there.
    positions.push_back({x, y});
    x += tileWidth;
  }
  return positions;
}
