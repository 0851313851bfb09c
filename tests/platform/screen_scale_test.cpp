// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The factor that scales the 800x600 game up to the screen in use: as large as the
// screen holds, and never below 1 (a smaller screen scrolls).
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
  EXPECT_DOUBLE_EQ(ScaleFactorFor(c.available), c.factor);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScaleFactorTest,
                         ::testing::Values(ScreenCase{"Design800x600", {800, 600}, 1.0},
                                           ScreenCase{"Projector1024x768", {1024, 768}, 1.25},
                                           ScreenCase{"Hd1280x720", {1280, 720}, 1.2},
                                           ScreenCase{"Square1280x1024", {1280, 1024}, 1.6},
                                           ScreenCase{"Laptop1920x1080", {1920, 1080}, 1.8},
                                           ScreenCase{"Panel1920x1040", {1920, 1040}, 1.7},
                                           ScreenCase{"Small640x480", {640, 480}, 1.0},
                                           ScreenCase{"NoScreen", {0, 0}, 1.0}),
                         [](const auto& info) { return std::string(info.param.test); });

}  // namespace
