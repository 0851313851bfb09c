// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "room.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include "common.h"
#include "layout.h"

namespace art {
namespace {

const QColor kMortar{122, 104, 92};
const QColor kStone{186, 166, 146};
const QColor kCeiling{58, 45, 56};
const QColor kLedge{96, 78, 74};
const QColor kFloorStone{160, 136, 116};
const QColor kFloorLine{104, 86, 74};
const QColor kSlab{222, 196, 156};
const QColor kSlabLine{90, 62, 44};
const QColor kFrameStone{206, 188, 164};

QColor varied(const QColor& base, Rng& rng, int spread) {
  const int d = rng.range(-spread, spread);
  const int warm = rng.range(-3, 3);
  return QColor(qBound(0, base.red() + d + warm, 255), qBound(0, base.green() + d, 255),
                qBound(0, base.blue() + d - warm, 255));
}

void drawBlock(QPainter& p, const QRectF& r, const QColor& fill) {
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(r, 3, 3);
  p.setPen(QPen(fill.lighter(112), 1.0));
  p.drawLine(QPointF(r.left() + 2, r.top() + 1), QPointF(r.right() - 2, r.top() + 1));
  p.setPen(QPen(fill.darker(112), 1.0));
  p.drawLine(QPointF(r.left() + 2, r.bottom() - 1), QPointF(r.right() - 2, r.bottom() - 1));
}

void drawCeiling(QPainter& p) {
  const int h = layout::kCeilingHeight;
  p.fillRect(QRectF(0, 0, 640, h), kCeiling);
  // Faint beam joints, kept low in contrast so the title stays easy to read.
  p.setPen(QPen(kCeiling.darker(118), 1.0));
  for (int x = 40; x < 640; x += 120) {
    p.drawLine(QPointF(x, 2), QPointF(x, h - 4));
  }
  p.fillRect(QRectF(0, h - 2, 640, 5), kLedge);
  p.setPen(QPen(kLedge.lighter(125), 1.0));
  p.drawLine(QPointF(0, h - 1.5), QPointF(640, h - 1.5));
  p.setPen(QPen(ink::kOutline, 1.0));
  p.drawLine(QPointF(0, h + 3.5), QPointF(640, h + 3.5));
  QLinearGradient shadow(0, h + 4, 0, h + 18);
  shadow.setColorAt(0, QColor(40, 24, 20, 90));
  shadow.setColorAt(1, QColor(40, 24, 20, 0));
  p.fillRect(QRectF(0, h + 4, 640, 14), shadow);
}

void drawSideShade(QPainter& p) {
  QLinearGradient left(0, 0, 40, 0);
  left.setColorAt(0, QColor(40, 24, 20, 70));
  left.setColorAt(1, QColor(40, 24, 20, 0));
  p.fillRect(QRectF(0, 28, 40, layout::kWallFloorY - 28), left);
  QLinearGradient right(640, 0, 600, 0);
  right.setColorAt(0, QColor(40, 24, 20, 70));
  right.setColorAt(1, QColor(40, 24, 20, 0));
  p.fillRect(QRectF(600, 28, 40, layout::kWallFloorY - 28), right);
}

void drawTorchGlow(QPainter& p) {
  const QPointF centre = QPointF(layout::kTorchPos) + QPointF(20, 14);
  QRadialGradient glow(centre, 60);
  glow.setColorAt(0, QColor(255, 206, 120, 110));
  glow.setColorAt(0.5, QColor(255, 190, 100, 45));
  glow.setColorAt(1, QColor(255, 180, 90, 0));
  p.fillRect(QRectF(centre.x() - 60, 28, 120, 120), glow);
}

void drawWindow(QPainter& p) {
  const QRectF opening(152, 52, 48, 66);
  const QRectF frame = opening.adjusted(-6, -6, 6, 0);
  fillOutlined(p, layout::doorwayPath(frame), kFrameStone);
  const QPainterPath glass = layout::doorwayPath(opening);
  p.save();
  p.setClipPath(glass);
  drawOutdoorView(p, opening, opening.bottom() - 16);
  p.restore();
  strokeLine(p, glass, 2.0, ink::kOutline);
  // Wooden cross bars.
  p.setPen(QPen(ink::kOutline, 5.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(opening.center().x(), opening.top() + 1),
             QPointF(opening.center().x(), opening.bottom()));
  p.drawLine(QPointF(opening.left(), 82), QPointF(opening.right(), 82));
  p.setPen(QPen(ink::kWoodDark, 3.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(opening.center().x(), opening.top() + 1),
             QPointF(opening.center().x(), opening.bottom() - 1));
  p.drawLine(QPointF(opening.left() + 1, 82), QPointF(opening.right() - 1, 82));
  QPainterPath sill;
  sill.addRoundedRect(QRectF(opening.left() - 10, opening.bottom(), opening.width() + 20, 7), 2, 2);
  fillOutlined(p, sill, kFrameStone);
}

void drawShield(QPainter& p) {
  const QPointF c(424, 88);
  QPainterPath shield;
  shield.moveTo(c + QPointF(-18, -22));
  shield.lineTo(c + QPointF(18, -22));
  shield.lineTo(c + QPointF(18, 0));
  shield.quadTo(c + QPointF(16, 16), c + QPointF(0, 24));
  shield.quadTo(c + QPointF(-16, 16), c + QPointF(-18, 0));
  shield.closeSubpath();
  fillOutlined(p, shield, QColor(70, 130, 190), 2.5);
  p.save();
  p.setClipPath(shield);
  p.fillRect(QRectF(c.x(), c.y() - 24, 20, 50), QColor(242, 190, 70));
  p.restore();
  strokeLine(p, shield, 2.5, ink::kOutline);
  fillOutlined(p, starPath(c + QPointF(0, -1), 9, 4), QColor(255, 244, 220), 1.6);
}

void drawDoorway(QPainter& p) {
  const QRectF opening(layout::kDoorOpening);
  const int fw = layout::kDoorFrameWidth;
  const QRectF frame = opening.adjusted(-fw, -fw, fw, 0);
  const QPainterPath framePath = layout::doorwayPath(frame);
  fillOutlined(p, framePath, kFrameStone);
  // Joints of the frame stones.
  p.save();
  p.setClipPath(framePath);
  p.setPen(QPen(kFrameStone.darker(135), 1.2));
  const qreal archCentreY = opening.top() + opening.width() / 2.0;
  for (qreal y = opening.bottom() - 16; y > archCentreY; y -= 18) {
    p.drawLine(QPointF(frame.left(), y), QPointF(opening.left(), y));
    p.drawLine(QPointF(opening.right(), y), QPointF(frame.right(), y));
  }
  const QPointF hub(opening.center().x(), archCentreY);
  for (int i = 1; i < 5; ++i) {
    QTransform t;
    t.translate(hub.x(), hub.y());
    t.rotate(-36.0 * i);
    p.drawLine(t.map(QPointF(opening.width() / 2.0, 0)),
               t.map(QPointF(opening.width() / 2.0 + fw, 0)));
  }
  p.restore();
  drawDoorLeaf(p, opening, 0.0);
  QPainterPath step;
  step.addRoundedRect(QRectF(frame.left() - 2, opening.bottom(), frame.width() + 4, 5), 2, 2);
  fillOutlined(p, step, kFrameStone, 1.5);
}

void drawFlagstoneRow(QPainter& p, qreal top, qreal bottom, qreal from, qreal to, Rng& rng,
                      const QColor& base) {
  qreal x = from;
  while (x < to) {
    const qreal w = qMin<qreal>(rng.range(38, 56), to - x);
    const QRectF r(x + 0.6, top + 0.6, w - 1.2, bottom - top - 1.2);
    p.setPen(QPen(kFloorLine, 1.2));
    p.setBrush(varied(base, rng, 7));
    p.drawRoundedRect(r, 2, 2);
    x += w;
  }
}

void drawSlabs(QPainter& p) {
  for (int i = 0; i < layout::kSlabCount; ++i) {
    const QRectF r = QRectF(layout::slabPlace(i)).adjusted(1, 1, -1, -1);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, kSlab.lighter(108));
    g.setColorAt(1, kSlab.darker(110));
    p.setPen(QPen(kSlabLine, 2.0));
    p.setBrush(g);
    p.drawRoundedRect(r, 3.5, 3.5);
    p.setPen(QPen(QColor(255, 246, 226, 180), 1.5));
    p.drawLine(QPointF(r.left() + 3.5, r.top() + 2.5), QPointF(r.right() - 3.5, r.top() + 2.5));
    // A few speckles so the slabs read as stone.
    p.setPen(Qt::NoPen);
    p.setBrush(kSlab.darker(118));
    p.drawEllipse(QPointF(r.left() + 9 + (i * 7) % 15, r.top() + 12 + (i % 3) * 5), 1.6, 1.2);
    p.drawEllipse(QPointF(r.right() - 8 - (i * 5) % 11, r.top() + 8 + (i % 2) * 14), 1.4, 1.0);
    p.drawEllipse(QPointF(r.center().x() + (i % 2 ? 4 : -5), r.bottom() - 7), 1.2, 0.9);
  }
}

void drawFloor(QPainter& p) {
  Rng rng(0x51AB5);
  const int wallY = layout::kWallFloorY;
  const int slabsRight = layout::kSlabLeft + layout::kSlabCount * layout::kSlabWidth;
  const int middle = (layout::kSlabTop + layout::kSlabBottom) / 2;
  p.fillRect(QRectF(0, wallY, 640, 200 - wallY), kFloorLine);
  drawFlagstoneRow(p, wallY, layout::kSlabBottom, -25, layout::kSlabLeft, rng, kFloorStone);
  drawFlagstoneRow(p, wallY, middle, slabsRight, 640, rng, kFloorStone.darker(112));
  drawFlagstoneRow(p, middle, layout::kSlabBottom, slabsRight - 20, 640, rng, kFloorStone);
  drawFlagstoneRow(p, layout::kSlabBottom, 205, -10, 640, rng, kFloorStone.darker(110));
  QLinearGradient shadow(0, wallY, 0, wallY + 6);
  shadow.setColorAt(0, QColor(40, 24, 20, 110));
  shadow.setColorAt(1, QColor(40, 24, 20, 0));
  p.fillRect(QRectF(0, wallY, 640, 6), shadow);
  p.setPen(QPen(ink::kOutline, 1.5));
  p.drawLine(QPointF(0, wallY), QPointF(640, wallY));
  drawSlabs(p);
}

void drawCloud(QPainter& p, QPointF c, qreal s) {
  QPainterPath cloud;
  cloud.setFillRule(Qt::WindingFill);
  cloud.addEllipse(c, 9 * s, 5 * s);
  cloud.addEllipse(c + QPointF(-7 * s, 2 * s), 6 * s, 4 * s);
  cloud.addEllipse(c + QPointF(8 * s, 2 * s), 6 * s, 3.5 * s);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawPath(cloud.simplified());
}

}  // namespace

void drawStoneWall(QPainter& p, const QRectF& area, int rowHeight, unsigned seed) {
  Rng rng(seed);
  p.save();
  // Intersect, so callers can limit the wall to a shape of their own.
  p.setClipRect(area, Qt::IntersectClip);
  p.fillRect(area, kMortar);
  int row = 0;
  for (qreal y = area.top(); y < area.bottom(); y += rowHeight, ++row) {
    qreal x = area.left() - ((row % 2) ? 22 : rng.range(2, 10));
    while (x < area.right()) {
      const qreal w = rng.range(34, 50);
      drawBlock(p, QRectF(x + 1, y + 1, w - 2, rowHeight - 2), varied(kStone, rng, 8));
      x += w;
    }
  }
  p.restore();
}

void drawOutdoorView(QPainter& p, const QRectF& area, qreal horizonY) {
  QLinearGradient sky(0, area.top(), 0, horizonY);
  sky.setColorAt(0, ink::kSky);
  sky.setColorAt(1, ink::kSkyLight);
  p.fillRect(area, sky);
  drawCloud(p, QPointF(area.left() + area.width() * 0.35, area.top() + area.height() * 0.3), 1.0);
  QPainterPath far;
  far.addEllipse(QPointF(area.left() + area.width() * 0.8, horizonY + 10), area.width() * 0.7, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(ink::kGrass.lighter(112));
  p.drawPath(far);
  QPainterPath near;
  near.addEllipse(QPointF(area.left() + area.width() * 0.1, horizonY + 18), area.width() * 0.8, 18);
  p.setBrush(ink::kGrass);
  p.drawPath(near);
  p.fillRect(QRectF(area.left(), horizonY + 14, area.width(), area.bottom() - horizonY),
             ink::kGrass);
}

void drawDoorLeaf(QPainter& p, const QRectF& opening, qreal open) {
  const QPainterPath shape = layout::doorwayPath(opening);
  p.save();
  if (open > 0) {
    const qreal w = opening.width() * (1.0 - 0.8 * open);
    const qreal d = 10.0 * open;
    QTransform persp;
    QTransform::quadToQuad(
        QPolygonF(
            {opening.topLeft(), opening.topRight(), opening.bottomRight(), opening.bottomLeft()}),
        QPolygonF({opening.topLeft(), opening.topLeft() + QPointF(w, d),
                   opening.bottomLeft() + QPointF(w, -d / 2), opening.bottomLeft()}),
        persp);
    p.setTransform(persp, true);
  }
  fillOutlined(p, shape, ink::kWood, 0);
  p.setClipPath(shape);
  p.setPen(QPen(ink::kWoodDark, 1.5));
  for (qreal x = opening.left() + 12; x < opening.right() - 2; x += 12) {
    p.drawLine(QPointF(x, opening.top()), QPointF(x, opening.bottom()));
  }
  for (qreal y : {opening.top() + 38, opening.bottom() - 26}) {
    p.fillRect(QRectF(opening.left(), y, opening.width(), 6), ink::kIron);
    p.setBrush(ink::kIron.lighter(150));
    p.setPen(Qt::NoPen);
    for (qreal x = opening.left() + 6; x < opening.right(); x += 12) {
      p.drawEllipse(QPointF(x, y + 3), 1.3, 1.3);
    }
  }
  if (open > 0) {
    p.fillRect(opening, QColor(40, 20, 10, static_cast<int>(90 * open)));
  } else {
    const QPointF ring(opening.right() - 11, opening.center().y() + 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink::kOutline, 3.5));
    p.drawEllipse(ring, 4.5, 4.5);
    p.setPen(QPen(QColor(226, 180, 80), 2.0));
    p.drawEllipse(ring, 4.5, 4.5);
  }
  p.setClipping(false);
  strokeLine(p, shape, 2.0, ink::kOutline);
  p.restore();
}

QImage renderRoom() {
  QImage image = opaqueImage(layout::kRoomSize.width(), layout::kRoomSize.height(), kMortar);
  QPainter p(&image);
  prepare(p);
  drawStoneWall(
      p, QRectF(0, layout::kCeilingHeight, 640, layout::kWallFloorY - layout::kCeilingHeight), 20,
      0xCA571E);
  drawSideShade(p);
  drawTorchGlow(p);
  drawCeiling(p);
  drawWindow(p);
  drawShield(p);
  drawDoorway(p);
  drawFloor(p);
  p.end();
  return image;
}

}  // namespace art
