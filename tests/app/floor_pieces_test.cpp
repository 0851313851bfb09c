// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor that breaks under the child: every broken piece is seen whole
// above the word panel, large, and as a dark gap; the child stands on the row.
#include <QLabel>

#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

struct Drawn {
  QRect area;        // where the label draws anything, in its parent's coordinates
  double darkShare;  // share of its drawn pixels that are nearly black
};

Drawn DrawnBy(const QLabel* label) {
  const QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  QRect area;
  int opaque = 0, dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) > 0)
        area |= QRect(x, y, 1, 1);
      opaque += qAlpha(pixel) >= 128;
      dark += qAlpha(pixel) >= 128 && qGray(pixel) < 40;
    }
  }
  return {area.translated(label->pos()), opaque ? double(dark) / opaque : 0};
}

// Floor piece `n` as it shows when the floor breaks there: its picture loads when it shows.
Drawn BrokenPiece(QWidget& main, int n) {
  auto* piece = main.findChild<QLabel*>(QString("Image_sfallo%1").arg(n));
  piece->show();
  return DrawnBy(piece);
}

class FloorPieces : public WindowTest, public ::testing::WithParamInterface<int> {};

// Seen from the back of a classroom: a piece at least 36 pixels wide and 30 deep.
TEST_P(FloorPieces, BreakAsALargeDarkGapAboveTheWordPanel) {
  const Drawn piece = BrokenPiece(main(), GetParam());
  EXPECT_LE(piece.area.bottom(), main().ui()->Panel_palabra->geometry().top() - 1)
      << "hidden by the word panel";
  EXPECT_GE(piece.area.width(), 36);
  EXPECT_GE(piece.area.height(), 30);
  EXPECT_GE(piece.darkShare, 0.3) << "the break does not read as a gap";
  for (int other = 1; other <= 6; ++other) {
    if (other != GetParam()) {
      EXPECT_FALSE(piece.area.intersects(BrokenPiece(main(), other).area)) << other;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Six, FloorPieces, ::testing::Range(1, 7),
                         [](const auto& info) { return "Piece" + std::to_string(info.param); });

}  // namespace
