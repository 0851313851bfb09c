// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The factor that scales the 800x600 game up to the screen in use.
#include "platform/screen_scale.h"

#include <gtest/gtest.h>

#include <QSize>

namespace {

struct ScreenCase {
  const char* test;
  QSize available;
  double factor;
};

class ScaleFactorTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(ScaleFactorTest, FillsTheScreenWithoutOverflowing) {
  const ScreenCase& c = GetParam();
  const double factor = ScaleFactorFor(c.available);
  EXPECT_DOUBLE_EQ(factor, c.factor);
  // A screen smaller than the design scrolls; a larger one is never overflowed.
  if (factor > 1.0) {
    EXPECT_LE(800 * factor, c.available.width() + 0.001);
    EXPECT_LE(600 * factor, c.available.height() + 0.001);
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScaleFactorTest,
                         ::testing::Values(ScreenCase{"Design800x600", {800, 600}, 1.0},
                                           ScreenCase{"Projector1024x768", {1024, 768}, 1.25},
                                           ScreenCase{"Square1280x1024", {1280, 1024}, 1.6},
                                           ScreenCase{"Laptop1920x1080", {1920, 1080}, 1.8},
                                           ScreenCase{
                                               "LaptopWithPanel1920x1040", {1920, 1040}, 1.7},
                                           ScreenCase{"Wide1366x768", {1366, 768}, 1.25},
                                           ScreenCase{"Small640x480", {640, 480}, 1.0},
                                           ScreenCase{"NoScreen", {0, 0}, 1.0}),
                         [](const auto& info) { return std::string(info.param.test); });

}  // namespace
