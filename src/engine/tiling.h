// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the copies of a texture go when it is repeated over the screen.
#pragma once

#include <vector>

struct TilePosition {
  int x;
  int y;
  bool operator==(const TilePosition&) const = default;
};

// The top-left corners of the copies of a w x h tile that cover a screen of
// W x H pixels, row by row. A row goes on while x is not past the screen's
// width, so its last tile may start exactly at the right edge; after the last
// row one more tile is placed at the start of the row below the screen. A tile
// without width or height covers nothing and gets no position.
std::vector<TilePosition> TilePositions(int tileWidth, int tileHeight, int screenWidth,
                                        int screenHeight);
