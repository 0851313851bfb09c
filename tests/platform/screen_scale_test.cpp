// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The factor that scales the 800x600 game up to the screen in use: as large as the
// screen holds, and never below 1 (a smaller screen scrolls).
#include "platform/screen_scale.h"

#include <gtest/gtest.h>

#include <QSize>

namespace {

// The design's screen, a projector, HD, 5:4, a laptop, one less its panel, a small one, none.
TEST(ScaleFactorTest, FillsTheScreenWithoutOverflowing) {
  const std::pair<QSize, double> screens[] = {
      {{800, 600}, 1.0},   {{1024, 768}, 1.25}, {{1280, 720}, 1.2}, {{1280, 1024}, 1.6},
      {{1920, 1080}, 1.8}, {{1920, 1040}, 1.7}, {{640, 480}, 1.0},  {{0, 0}, 1.0}};
  for (const auto& [available, factor] : screens)
    EXPECT_DOUBLE_EQ(ScaleFactorFor(available), factor)
        << available.width() << "x" << available.height();
}

}  // namespace
