// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The introduction's tiled animations: one clean picture per box, and none of
// their frames drawn under the story's text.
#include <gtest/gtest.h>

#include "controls/ant_label.h"
#include "controls/gif_image.h"
#include "screens/form_inicio.h"
#include "ui_form_inicio.h"

struct TiledDecoration {
  const char* name;
  TGIFImage* Ui::TForm_inicio::*gif;
  QSize box;
};

class IntroDecorations : public ::testing::TestWithParam<TiledDecoration> {};

TEST_P(IntroDecorations, AreOnePictureTheSizeOfTheirBoxClearOfTheStory) {
  QWidget owner;
  TForm_inicio intro(&owner);
  intro.Present();  // the animations are decoded when the window first shows
  TGIFImage* gif = intro.ui()->*GetParam().gif;
  ASSERT_GT(gif->FrameCount(), 1);
  EXPECT_EQ(gif->size(), GetParam().box);
  EXPECT_EQ(gif->CurrentImage().size(), gif->size());
  // The part of the story's box the animation's box covers, inside the window.
  const QRect story = intro.ui()->antLabel1->geometry().intersected(intro.rect());
  const QRect shared = story.intersected(gif->geometry())
                           .translated(-gif->pos())
                           .intersected(gif->CurrentImage().rect());
  for (int frame = 1; frame <= gif->FrameCount(); ++frame) {
    gif->SetCurrentFrame(frame);
    const QImage canvas = gif->CurrentImage().convertToFormat(QImage::Format_ARGB32);
    int covered = 0;
    for (int y = shared.top(); y <= shared.bottom(); ++y) {
      for (int x = shared.left(); x <= shared.right(); ++x)
        covered += qAlpha(canvas.pixel(x, y)) != 0;
    }
    EXPECT_EQ(covered, 0) << "frame " << frame << " draws under the story";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tiled, IntroDecorations,
    ::testing::Values(TiledDecoration{"Candles", &Ui::TForm_inicio::GIFImage1, QSize(246, 160)},
                      TiledDecoration{"MoonAndBat", &Ui::TForm_inicio::GIFImage2, QSize(251, 160)}),
    [](const auto& info) { return std::string(info.param.name); });
