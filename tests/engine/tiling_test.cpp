// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tiling.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>

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

// Every pixel of the screen lies under some tile, whatever the sizes.
TEST(TilingTest, EveryPixelOfTheScreenIsCovered) {
  for (const auto& [tileW, tileH, screenW, screenH] : std::vector<std::array<int, 4>>{
           {128, 128, 1024, 768}, {37, 53, 800, 600}, {64, 1, 300, 7}, {50, 900, 800, 600}}) {
    SCOPED_TRACE(testing::Message()
                 << tileW << "x" << tileH << " on " << screenW << "x" << screenH);
    std::set<std::pair<int, int>> corners;
    for (const TilePosition& at : TilePositions(tileW, tileH, screenW, screenH)) {
      EXPECT_EQ(at.x % tileW + at.y % tileH, 0);
      EXPECT_TRUE(corners.insert({at.x, at.y}).second) << "twice at " << at.x << ", " << at.y;
    }
    for (int y = 0; y < screenH; y += tileH / 2 + 1) {
      for (int x = 0; x < screenW; x += tileW / 2 + 1)
        EXPECT_TRUE(corners.count({x - x % tileW, y - y % tileH})) << x << ", " << y;
    }
  }
}

}  // namespace
