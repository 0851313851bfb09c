// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tiling.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

// The rows the positions fall into, each with its x positions in order.
std::vector<std::pair<int, std::vector<int>>> Rows(const std::vector<TilePosition>& positions) {
  std::vector<std::pair<int, std::vector<int>>> rows;
  for (const TilePosition& at : positions) {
    if (rows.empty() || rows.back().first != at.y)
      rows.push_back({at.y, {}});
    rows.back().second.push_back(at.x);
  }
  return rows;
}

TEST(TilingTest, HundredPixelTilesOnAnEightHundredBySixHundredScreen) {
  const auto rows = Rows(TilePositions(100, 100, 800, 600));
  // Six rows on the screen, each reaching x = 800 (the right edge itself), and
  // one tile more at (0, 600), below the screen, before the loop ends.
  ASSERT_EQ(rows.size(), 7u);
  const std::vector<int> fullRow{0, 100, 200, 300, 400, 500, 600, 700, 800};
  for (int row = 0; row < 6; ++row) {
    EXPECT_EQ(rows[row].first, row * 100);
    EXPECT_EQ(rows[row].second, fullRow) << "row " << row;
  }
  EXPECT_EQ(rows[6].first, 600);
  EXPECT_EQ(rows[6].second, std::vector<int>{0});
  EXPECT_EQ(TilePositions(100, 100, 800, 600).size(), 6u * 9 + 1);
}

struct CoverCase {
  std::string name;
  int tileWidth, tileHeight, screenWidth, screenHeight;
};

void PrintTo(const CoverCase& c, std::ostream* out) {
  *out << c.name;
}

class TilingCoverTest : public ::testing::TestWithParam<CoverCase> {};

// Every pixel of the screen lies under some tile, whatever the sizes.
TEST_P(TilingCoverTest, EveryPixelOfTheScreenIsCovered) {
  const CoverCase& c = GetParam();
  const auto positions = TilePositions(c.tileWidth, c.tileHeight, c.screenWidth, c.screenHeight);
  std::set<std::pair<int, int>> corners;
  for (const TilePosition& at : positions) {
    EXPECT_EQ(at.x % c.tileWidth, 0);
    EXPECT_EQ(at.y % c.tileHeight, 0);
    EXPECT_TRUE(corners.insert({at.x, at.y}).second) << "twice at " << at.x << ", " << at.y;
  }
  for (int y = 0; y < c.screenHeight; y += c.tileHeight / 2 + 1) {
    for (int x = 0; x < c.screenWidth; x += c.tileWidth / 2 + 1) {
      const int cornerX = x - x % c.tileWidth;
      const int cornerY = y - y % c.tileHeight;
      EXPECT_TRUE(corners.count({cornerX, cornerY})) << "pixel " << x << ", " << y;
    }
  }
  // The last tile is the extra one that starts a row below the screen.
  ASSERT_FALSE(positions.empty());
  EXPECT_EQ(positions.back().x, 0);
  EXPECT_GE(positions.back().y, c.screenHeight);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TilingCoverTest,
                         ::testing::Values(CoverCase{"Texture128On1024x768", 128, 128, 1024, 768},
                                           CoverCase{"OddSizes37x53On800x600", 37, 53, 800, 600},
                                           CoverCase{"OnePixelHigh", 64, 1, 300, 7},
                                           CoverCase{"TallerThanTheScreen", 50, 900, 800, 600}),
                         [](const auto& info) { return info.param.name; });

TEST(TilingTest, ATextureWiderThanTheScreenGivesOneTilePerRow) {
  const auto positions = TilePositions(1000, 250, 800, 600);
  EXPECT_EQ(positions, (std::vector<TilePosition>{{0, 0}, {0, 250}, {0, 500}, {0, 750}}));
}

TEST(TilingTest, ATileWithoutWidthOrHeightGetsNoPosition) {
  EXPECT_TRUE(TilePositions(0, 100, 800, 600).empty());
  EXPECT_TRUE(TilePositions(100, 0, 800, 600).empty());
  EXPECT_TRUE(TilePositions(-5, 10, 800, 600).empty());
}

}  // namespace
