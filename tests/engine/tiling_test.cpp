// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tiling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TilingTest, HundredPixelTilesOnAnEightHundredBySixHundredScreen) {
  // Six rows on the screen, each reaching x = 800 (the right edge itself), and
  // one tile more at (0, 600), below the screen, before the loop ends.
  std::vector<TilePosition> expected;
  for (int y = 0; y < 600; y += 100) {
    for (int x = 0; x <= 800; x += 100)
      expected.push_back({x, y});
  }
  expected.push_back({0, 600});
  EXPECT_EQ(TilePositions(100, 100, 800, 600), expected);
  // A texture wider than the screen gives one tile a row.
  EXPECT_EQ(TilePositions(1000, 250, 800, 600),
            (std::vector<TilePosition>{{0, 0}, {0, 250}, {0, 500}, {0, 750}}));
  // A tile without width or height gets no position.
  EXPECT_TRUE(TilePositions(0, 100, 800, 600).empty());
  EXPECT_TRUE(TilePositions(-5, 0, 800, 600).empty());
}

}  // namespace
