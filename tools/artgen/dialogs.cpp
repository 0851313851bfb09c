// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures for the end-of-word dialogs: out of the castle (won) and down in
// the cellar after the floor gave way (lost).
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "child.h"
#include "common.h"
#include "generators.h"
#include "layout.h"
#include "nature.h"
#include "room.h"

namespace art {
namespace {

const QColor kSlab{222, 196, 156};

void drawChildAt(QPainter& p, QPointF feet, qreal scale, const ChildPose& pose) {
  p.save();
  p.translate(feet);
  p.scale(scale, scale);
  p.translate(-layout::kChildCentreX, -layout::kChildSoleY);
  drawChild(p, pose);
  p.restore();
}

QPainterPath rectPath(const QRectF& r) {
  QPainterPath path;
  path.addRect(r);
  return path;
}

constexpr qreal kWallBottom = 230;
const QRectF kCastleDoor(30, 134, 56, 96);

void drawCastleCorner(QPainter& p) {
  const QRectF wall(0, 52, 112, kWallBottom - 52);
  drawStoneWall(p, wall, 22, 0xACE17);
  strokeLine(p, rectPath(wall.adjusted(-4, 0, 0, 4)), 2.0, ink::kOutline);
  for (qreal x : {0.0, 38.0, 76.0}) {
    const QRectF merlon(x, 34, 26, 19);
    drawStoneWall(p, merlon, 20, 0xBEE + static_cast<unsigned>(x));
    strokeLine(p, rectPath(merlon), 2.0, ink::kOutline);
  }
  fillOutlined(p, layout::doorwayPath(kCastleDoor.adjusted(-6, -6, 6, 0)), QColor(206, 188, 164));
  fillOutlined(p, layout::doorwayPath(kCastleDoor), QColor(74, 52, 44), 2.0);
  drawDoorLeaf(p, kCastleDoor, 1.0);
}

void drawMeadow(QPainter& p, const QSize& size) {
  QLinearGradient sky(0, 0, 0, 170);
  sky.setColorAt(0, QColor(118, 196, 242));
  sky.setColorAt(1, QColor(214, 240, 255));
  p.fillRect(QRectF(0, 0, size.width(), size.height()), sky);
  drawSun(p, QPointF(370, 46), 22);
  drawCloud(p, QPointF(176, 48), 1.0);
  drawCloud(p, QPointF(300, 112), 0.7);
  fillOutlined(p, ellipsePath(QPointF(330, 214), 170, 60), ink::kGrass.lighter(110), 2.0);
  fillOutlined(p, ellipsePath(QPointF(120, 236), 260, 50), ink::kGrass, 2.0);
}

// Grass in front of the castle and the sandy path leading away from its door.
void drawForeground(QPainter& p, const QSize& size) {
  QPainterPath grass;
  grass.moveTo(-4, kWallBottom - 2);
  grass.quadTo(200, kWallBottom - 8, size.width() + 4, kWallBottom - 14);
  grass.lineTo(size.width() + 4, size.height() + 4);
  grass.lineTo(-4, size.height() + 4);
  grass.closeSubpath();
  fillOutlined(p, grass, ink::kGrass, 0);
  QPainterPath path;
  path.moveTo(kCastleDoor.left() + 2, kCastleDoor.bottom());
  path.lineTo(kCastleDoor.right() - 2, kCastleDoor.bottom());
  path.quadTo(170, 236, 300, 264);
  path.lineTo(150, 264);
  path.quadTo(60, 246, kCastleDoor.left() + 2, kCastleDoor.bottom());
  path.closeSubpath();
  fillOutlined(p, path, QColor(236, 208, 150), 1.5);
}

void drawJoyMarks(QPainter& p, QPointF centre) {
  Rng rng(0x70E);
  const std::array<QColor, 4> colours{QColor(236, 82, 70), QColor(62, 170, 84),
                                      QColor(52, 124, 214), QColor(244, 150, 32)};
  for (int i = 0; i < 9; ++i) {
    const qreal a = -kPi * (0.08 + 0.84 * i / 8.0);
    const qreal r = rng.uniform(74, 88);
    const QPointF pt = centre + QPointF(std::cos(a) * r * 1.2, std::sin(a) * r);
    fillOutlined(p, starPath(pt, 6, 2.6, 5, rng.uniform(0, 72)), colours[i % 4], 1.2);
  }
}

QImage renderWin() {
  const QSize size(410, 261);
  QImage image = opaqueImage(size.width(), size.height(), Qt::white);
  QPainter p(&image);
  prepare(p);
  drawMeadow(p, size);
  drawCastleCorner(p);
  drawForeground(p, size);
  for (const QPointF& c : {QPointF(96, 254), QPointF(320, 230), QPointF(356, 248),
                           QPointF(300, 206), QPointF(384, 214), QPointF(150, 208)}) {
    drawFlower(p, c,
               (static_cast<int>(c.x()) % 3 == 0) ? QColor(255, 255, 255) : QColor(246, 120, 150));
  }
  const QPointF feet(238, 244);
  drawSoftShadow(p, feet, 36, 6);
  drawJoyMarks(p, feet + QPointF(0, -120));
  drawChildAt(p, feet, 1.45, cheeringPose());
  return image;
}

// ---- The cellar ----

constexpr qreal kCeilingDepth = 34;
constexpr qreal kHoleLeft = 166;
constexpr qreal kHoleRight = 246;

void drawCellar(QPainter& p, const QSize& size) {
  drawStoneWall(p, QRectF(0, 0, size.width(), size.height()), 24, 0xCE11A);
  QRadialGradient dim(QPointF(size.width() / 2.0, 150), 260);
  dim.setColorAt(0, QColor(80, 40, 20, 40));
  dim.setColorAt(1, QColor(50, 24, 16, 150));
  p.fillRect(QRectF(0, 0, size.width(), size.height()), dim);
  // The underside of the room floor: the same 30-pixel slabs, seen from below.
  p.fillRect(QRectF(0, 0, size.width(), kCeilingDepth), QColor(104, 78, 62));
  p.setPen(QPen(QColor(70, 50, 40), 1.5));
  for (qreal x = 16; x < size.width(); x += 30) {
    p.drawLine(QPointF(x, 4), QPointF(x, kCeilingDepth - 2));
  }
  p.setPen(QPen(ink::kOutline, 2.0));
  p.drawLine(QPointF(0, kCeilingDepth), QPointF(size.width(), kCeilingDepth));
  QPainterPath ground;
  ground.addRect(QRectF(-5, 240, size.width() + 10, 40));
  fillOutlined(p, ground, QColor(120, 92, 70), 2.0);
}

void drawHoleAndLight(QPainter& p) {
  QPainterPath hole;
  hole.moveTo(kHoleLeft - 2, -2);
  for (const QPointF& pt :
       {QPointF(kHoleLeft + 4, 8), QPointF(kHoleLeft - 1, 17), QPointF(kHoleLeft + 5, 26),
        QPointF(kHoleLeft + 2, kCeilingDepth + 1)}) {
    hole.lineTo(pt);
  }
  hole.lineTo(kHoleRight, kCeilingDepth + 1);
  for (const QPointF& pt : {QPointF(kHoleRight - 4, 25), QPointF(kHoleRight + 2, 16),
                            QPointF(kHoleRight - 3, 8), QPointF(kHoleRight + 2, -2)}) {
    hole.lineTo(pt);
  }
  hole.closeSubpath();
  QLinearGradient above(0, 0, 0, kCeilingDepth);
  above.setColorAt(0, QColor(255, 240, 190));
  above.setColorAt(1, QColor(255, 220, 150));
  fillOutlined(p, hole, QColor(255, 230, 170), 0);
  p.setPen(Qt::NoPen);
  p.setBrush(above);
  p.drawPath(hole);
  strokeLine(p, hole, 2.0, ink::kOutline);
  QPainterPath beam;
  beam.moveTo(kHoleLeft + 3, kCeilingDepth);
  beam.lineTo(kHoleRight - 1, kCeilingDepth);
  beam.lineTo(324, 246);
  beam.lineTo(90, 246);
  beam.closeSubpath();
  QLinearGradient light(0, kCeilingDepth, 0, 246);
  light.setColorAt(0, QColor(255, 236, 170, 130));
  light.setColorAt(1, QColor(255, 236, 170, 30));
  p.setBrush(light);
  p.setPen(Qt::NoPen);
  p.drawPath(beam);
  // A couple of pebbles still tumbling down.
  for (const QPointF& c : {QPointF(186, 60), QPointF(228, 76), QPointF(206, 47)}) {
    fillOutlined(p, ellipsePath(c, 4.0, 3.2), kSlab.darker(112), 1.4);
  }
}

void drawStone(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& fill) {
  QPainterPath stone;
  stone.addRoundedRect(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), 5, 5);
  fillOutlined(p, stone, fill, 1.8);
}

// The heap the child sits on, built from the bottom row up.
void drawRubble(QPainter& p) {
  Rng rng(0x9B1E);
  const std::array<QColor, 3> tones{kSlab, QColor(172, 150, 130), QColor(150, 128, 110)};
  for (int layer = 0; layer < 5; ++layer) {
    const int count = 10 - layer * 2;
    const qreal y = 250 - layer * 11;
    const qreal half = 112 - layer * 20;
    for (int i = 0; i < count; ++i) {
      const qreal x = 205 - half + (2 * half) * (i + 0.5) / count + rng.uniform(-4, 4);
      drawStone(p, QPointF(x, y + rng.uniform(-2, 2)), rng.uniform(12, 17), rng.uniform(7, 10),
                tones[static_cast<std::size_t>(rng.range(0, 2))]);
    }
  }
}

// Stones in front of the child's feet, so it sits in the heap rather than on top of it.
void drawFrontRubble(QPainter& p) {
  drawStone(p, QPointF(126, 252), 15, 9, kSlab.darker(104));
  drawStone(p, QPointF(150, 256), 13, 8, QColor(172, 150, 130));
  drawStone(p, QPointF(262, 255), 14, 8, QColor(150, 128, 110));
  drawStone(p, QPointF(288, 252), 15, 9, kSlab);
  QPainterPath slabPiece;
  slabPiece.moveTo(176, 262);
  slabPiece.lineTo(182, 248);
  slabPiece.lineTo(230, 246);
  slabPiece.lineTo(238, 262);
  slabPiece.closeSubpath();
  fillOutlined(p, slabPiece, kSlab, 1.8);
}

void drawDizzyStars(QPainter& p, QPointF centre) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 236, 160, 170), 1.5, Qt::DashLine));
  p.drawEllipse(centre, 40, 10);
  p.restore();
  const std::array<qreal, 4> angles{200, 270, 340, 60};
  const std::array<qreal, 4> sizes{7, 9, 7, 5.5};
  for (std::size_t i = 0; i < angles.size(); ++i) {
    const qreal a = angles[i] * kPi / 180;
    const QPointF pt = centre + QPointF(40 * std::cos(a), 10 * std::sin(a));
    fillOutlined(p, starPath(pt, sizes[i], sizes[i] * 0.45, 5, -90 + 15.0 * i), ink::kStar, 1.5);
  }
}

QImage renderFall() {
  const QSize size(406, 261);
  QImage image = opaqueImage(size.width(), size.height(), Qt::black);
  QPainter p(&image);
  prepare(p);
  drawCellar(p, size);
  drawHoleAndLight(p);
  drawRubble(p);
  const qreal scale = 1.3;
  const QPointF feet(205, 238);
  drawChildAt(p, feet, scale, sittingPose());
  drawFrontRubble(p);
  drawDizzyStars(p, feet + QPointF(0, (6 - layout::kChildSoleY) * scale));
  return image;
}

}  // namespace

void makeDialogs(Output& out) {
  out.saveBmp(renderWin(), "data/acierto.bmp");
  out.saveBmp(renderFall(), "data/error.bmp");
}

}  // namespace art
