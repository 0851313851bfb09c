// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor that breaks under the child: every broken piece is seen whole
// above the word panel, large, and as a dark gap; the child stands on the row.
#include <QLabel>

#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

// Where `label` draws anything, in its parent's coordinates.
QRect DrawnArea(const QLabel* label) {
  const QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  QRect drawn;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) > 0)
        drawn |= QRect(x, y, 1, 1);
    }
  }
  return drawn.translated(label->pos());
}

// Share of the drawn pixels of `label` that are nearly black.
double DarkShare(const QLabel* label) {
  const QImage image = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  int drawn = 0, dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) < 128)
        continue;
      ++drawn;
      dark += qGray(pixel) < 40;
    }
  }
  return drawn ? double(dark) / drawn : 0;
}

// Seen from the back of a classroom: a piece at least this wide and deep.
constexpr int kSeenWidth = 36;
constexpr int kSeenDepth = 30;

// Floor piece `n` as it shows when the floor breaks there: its picture loads when it shows.
const QLabel* BrokenPiece(QWidget& main, int n) {
  auto* piece = main.findChild<QLabel*>(QString("Image_sfallo%1").arg(n));
  if (piece)
    piece->show();
  return piece;
}

}  // namespace

class FloorPieces : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  const QLabel* Piece(int n) { return BrokenPiece(main(), n); }
};

TEST_P(FloorPieces, BreakAsALargeDarkGapAboveTheWordPanel) {
  const QLabel* piece = Piece(GetParam());
  ASSERT_NE(piece, nullptr);
  const QRect drawn = DrawnArea(piece);
  const QRect panel = main().ui()->Panel_palabra->geometry();
  EXPECT_LE(drawn.bottom(), panel.top() - 1) << "hidden by the word panel";
  EXPECT_GE(drawn.width(), kSeenWidth);
  EXPECT_GE(drawn.height(), kSeenDepth);
  EXPECT_GE(DarkShare(piece), 0.3) << "the break does not read as a gap";
  for (int other = 1; other <= 6; ++other) {
    if (other != GetParam()) {
      EXPECT_FALSE(drawn.intersects(DrawnArea(Piece(other)))) << "overlaps piece " << other;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Six, FloorPieces, ::testing::Range(1, 7),
                         [](const auto& info) { return "Piece" + std::to_string(info.param); });

TEST_F(WindowTest, TheChildStandsOnTheRowOfPieces) {
  QRect row;
  for (int n = 1; n <= 6; ++n)
    row |= DrawnArea(BrokenPiece(main(), n));
  for (const QLabel* child : {main().ui()->Image_nigno1, main().ui()->Image_nigno2}) {
    const QRect body = DrawnArea(child);
    // The soles, not the shadow: the lowest rows are the shadow's, a few pixels deep.
    const int soles = body.bottom() - 3;
    EXPECT_GT(soles, row.top());
    EXPECT_LT(soles, row.bottom());
    EXPECT_GE(body.center().x(), row.left());
    EXPECT_LE(body.center().x(), row.right());
  }
}
