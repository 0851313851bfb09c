// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Puzzle picture of the sea: a sailing boat above, fish and friends below.
#include <QLinearGradient>
#include <cmath>
#include <utility>

#include "animals.h"
#include "child.h"
#include "common.h"
#include "layout.h"
#include "nature.h"
#include "puzzles.h"

namespace art {
namespace {

constexpr qreal kWaterline = 84;

void drawWater(QPainter& p) {
  QPainterPath sea(QPointF(-5, kWaterline));
  for (int i = 0; i < 22; ++i) {
    const qreal x = -5 + i * 16.0;
    sea.quadTo(QPointF(x + 8, kWaterline - 4), QPointF(x + 16, kWaterline));
  }
  sea.lineTo(330, 205);
  sea.lineTo(-5, 205);
  sea.closeSubpath();
  QLinearGradient deep(0, kWaterline, 0, 200);
  deep.setColorAt(0, QColor(92, 184, 232));
  deep.setColorAt(1, QColor(40, 110, 186));
  p.save();
  p.setBrush(deep);
  p.setPen(QPen(ink::kOutline, 1.5));
  p.drawPath(sea);
  p.restore();
  // Light ripples just under the surface.
  p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
  for (const QPointF& c : {QPointF(30, 94), QPointF(96, 98), QPointF(230, 96), QPointF(296, 94)}) {
    p.drawLine(c, c + QPointF(14, 0));
  }
}

void drawSeabed(QPainter& p) {
  QPainterPath sand(QPointF(-5, 180));
  sand.cubicTo(QPointF(60, 168), QPointF(120, 190), QPointF(180, 178));
  sand.cubicTo(QPointF(240, 166), QPointF(290, 182), QPointF(325, 172));
  sand.lineTo(325, 205);
  sand.lineTo(-5, 205);
  sand.closeSubpath();
  fillOutlined(p, sand, ink::kSand, 1.4);
  p.setPen(Qt::NoPen);
  p.setBrush(ink::kSand.darker(110));
  for (const QPointF& c : {QPointF(20, 194), QPointF(140, 196), QPointF(210, 190),
                           QPointF(300, 194), QPointF(100, 188)}) {
    p.drawEllipse(c, 2, 1.2);
  }
}

void drawSeaweed(QPainter& p, QPointF base, qreal h, const QColor& colour) {
  QPainterPath weed(base + QPointF(-3, 0));
  weed.cubicTo(base + QPointF(-10, -h * 0.3), base + QPointF(6, -h * 0.6), base + QPointF(-2, -h));
  weed.cubicTo(base + QPointF(10, -h * 0.6), base + QPointF(-4, -h * 0.3), base + QPointF(3, 0));
  weed.closeSubpath();
  fillOutlined(p, weed, colour, 1.2);
}

void drawCoral(QPainter& p, QPointF base, qreal s) {
  const QColor coral(250, 128, 120);
  QPainterPath branches(base);
  branches.lineTo(base + QPointF(0, -14 * s));
  branches.lineTo(base + QPointF(-7 * s, -22 * s));
  branches.moveTo(base + QPointF(0, -14 * s));
  branches.lineTo(base + QPointF(6 * s, -24 * s));
  branches.moveTo(base + QPointF(0, -7 * s));
  branches.lineTo(base + QPointF(9 * s, -12 * s));
  branches.moveTo(base + QPointF(0, -9 * s));
  branches.lineTo(base + QPointF(-9 * s, -13 * s));
  strokeLine(p, branches, 6 * s + 2.6, ink::kOutline);
  strokeLine(p, branches, 6 * s, coral);
}

void drawShell(QPainter& p, QPointF c) {
  QPainterPath shell(c + QPointF(-6, 2));
  shell.quadTo(c + QPointF(-6, -7), c + QPointF(0, -7));
  shell.quadTo(c + QPointF(6, -7), c + QPointF(6, 2));
  shell.closeSubpath();
  fillOutlined(p, shell, QColor(255, 214, 200), 1.1);
  p.setPen(QPen(QColor(220, 150, 140), 0.9));
  for (int i = -2; i <= 2; ++i) {
    p.drawLine(c + QPointF(0, 2), c + QPointF(i * 2.6, -5.5));
  }
}

void drawBubbles(QPainter& p, QPointF from) {
  for (int i = 0; i < 4; ++i) {
    const QPointF c = from + QPointF((i % 2) * 3.0, -i * 7.0);
    fillOutlined(p, ellipsePath(c, 1.6 + i * 0.5, 1.6 + i * 0.5), QColor(220, 244, 255, 150), 0.9,
                 QColor(255, 255, 255));
  }
}

void drawIsland(QPainter& p) {
  QPainterPath island(QPointF(-6, kWaterline + 1));
  island.quadTo(QPointF(26, kWaterline - 20), QPointF(66, kWaterline + 1));
  island.closeSubpath();
  fillOutlined(p, island, ink::kSand, 1.4);
  QPainterPath trunk(QPointF(30, kWaterline - 8));
  trunk.quadTo(QPointF(26, 56), QPointF(38, 36));
  strokeLine(p, trunk, 7.5, ink::kOutline);
  strokeLine(p, trunk, 5, QColor(176, 120, 70));
  const QPointF top(38, 35);
  for (const auto& [dx, dy] :
       {std::pair{-24.0, 6.0}, std::pair{-16.0, -10.0}, std::pair{4.0, -16.0},
        std::pair{20.0, -6.0}, std::pair{22.0, 10.0}}) {
    QPainterPath leaf(top);
    leaf.quadTo(top + QPointF(dx * 0.5, dy - 8), top + QPointF(dx, dy));
    leaf.quadTo(top + QPointF(dx * 0.5, dy * 0.2), top);
    fillOutlined(p, leaf, ink::kLeaf, 1.3);
  }
  for (const QPointF& d : {QPointF(-3, 3), QPointF(3, 4)}) {
    fillOutlined(p, ellipsePath(top + d, 3, 3), QColor(150, 100, 60), 1.0);
  }
}

void drawLighthouse(QPainter& p, QPointF base) {
  drawRock(p, base + QPointF(0, 2), 24, 9, QColor(150, 140, 136));
  const QPainterPath tower = polygonPath({base + QPointF(-9, -4), base + QPointF(-6, -52),
                                          base + QPointF(6, -52), base + QPointF(9, -4)});
  fillOutlined(p, tower, Qt::white, 1.4);
  p.save();
  p.setClipPath(tower);
  for (const qreal y : {-14.0, -34.0}) {
    p.fillRect(QRectF(base.x() - 12, base.y() + y - 8, 24, 9), QColor(228, 70, 56));
  }
  p.restore();
  strokeLine(p, tower, 1.4, ink::kOutline);
  QPainterPath lamp;
  lamp.addRect(QRectF(base.x() - 6, base.y() - 62, 12, 10));
  fillOutlined(p, lamp, QColor(255, 230, 120), 1.3);
  fillOutlined(
      p, polygonPath({base + QPointF(-8, -62), base + QPointF(0, -70), base + QPointF(8, -62)}),
      QColor(228, 70, 56), 1.3);
}

void drawBoat(QPainter& p, QPointF c) {
  // Mast and sails first, then the child, then the hull in front.
  QPainterPath mast(c + QPointF(0, -2));
  mast.lineTo(c + QPointF(0, -66));
  strokeLine(p, mast, 4.0, ink::kOutline);
  strokeLine(p, mast, 2.0, ink::kWoodDark);
  QPainterPath main(c + QPointF(3, -62));
  main.quadTo(c + QPointF(30, -36), c + QPointF(36, -12));
  main.lineTo(c + QPointF(3, -12));
  main.closeSubpath();
  fillOutlined(p, main, QColor(255, 250, 236), 1.5);
  QPainterPath jib(c + QPointF(-3, -56));
  jib.quadTo(c + QPointF(-20, -34), c + QPointF(-32, -14));
  jib.lineTo(c + QPointF(-3, -14));
  jib.closeSubpath();
  fillOutlined(p, jib, QColor(246, 120, 96), 1.5);
  p.save();
  p.setClipPath(main);
  p.fillRect(QRectF(c.x(), c.y() - 34, 40, 6), QColor(90, 150, 230));
  p.restore();
  strokeLine(p, main, 1.5, ink::kOutline);
  QPainterPath flag(c + QPointF(0, -66));
  flag.lineTo(c + QPointF(12, -62));
  flag.lineTo(c + QPointF(0, -58));
  flag.closeSubpath();
  fillOutlined(p, flag, ink::kStar, 1.1);
  p.save();
  p.translate(c + QPointF(-16, 8));
  p.scale(0.3, 0.3);
  p.translate(-layout::kChildCentreX, -layout::kChildSoleY);
  drawChild(p, cheeringPose());
  p.restore();
  QPainterPath hull(c + QPointF(-46, -12));
  hull.lineTo(c + QPointF(46, -12));
  hull.quadTo(c + QPointF(38, 8), c + QPointF(26, 10));
  hull.lineTo(c + QPointF(-30, 10));
  hull.quadTo(c + QPointF(-40, 6), c + QPointF(-46, -12));
  fillOutlined(p, hull, QColor(214, 96, 62), 1.6);
  p.save();
  p.setClipPath(hull);
  p.fillRect(QRectF(c.x() - 50, c.y() - 12, 100, 5), QColor(255, 246, 226));
  p.restore();
  strokeLine(p, hull, 1.6, ink::kOutline);
  for (const qreal x : {-16.0, 0.0, 16.0}) {
    fillOutlined(p, ellipsePath(c + QPointF(x, 1), 3, 3), QColor(190, 230, 255), 1.1);
  }
}

}  // namespace

QImage puzzleSea() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  drawDaySky(p, kWaterline + 2);
  drawSun(p, QPointF(250, 28), 13);
  drawCloud(p, QPointF(300, 50), 0.5);
  drawCloud(p, QPointF(96, 22), 0.5);
  drawBird(p, QPointF(64, 14), 1.0);
  drawBird(p, QPointF(210, 54), 0.8);
  drawWater(p);
  drawIsland(p);
  drawLighthouse(p, QPointF(292, kWaterline + 2));
  drawBoat(p, QPointF(160, kWaterline + 2));
  drawSeabed(p);
  drawSeaweed(p, QPointF(10, 190), 52, QColor(96, 180, 96));
  drawSeaweed(p, QPointF(24, 186), 38, QColor(70, 150, 90));
  drawSeaweed(p, QPointF(250, 182), 46, QColor(96, 180, 96));
  drawSeaweed(p, QPointF(312, 178), 56, QColor(70, 150, 90));
  drawCoral(p, QPointF(164, 184), 1.0);
  drawCoral(p, QPointF(182, 182), 0.7);
  drawCrab(p, {{52, 192}, 1.1});
  drawShell(p, QPointF(86, 192));
  drawFish(p, {{100, 122}, 1.2}, QColor(255, 170, 60), QColor(255, 246, 230));
  drawFish(p, {{134, 142}, 1.0}, QColor(255, 210, 70), QColor(80, 150, 230));
  drawFish(p, {{118, 164}, 0.9, true}, QColor(240, 110, 150), QColor(255, 230, 240));
  drawFish(p, {{302, 122}, 0.9, true}, QColor(130, 210, 120), QColor(255, 240, 150));
  drawBubbles(p, QPointF(114, 114));
  drawJellyfish(p, {{40, 124}, 1.2});
  drawOctopus(p, {{206, 140}, 1.4});
  drawTurtle(p, {{270, 150}, 1.3});
  drawStarfish(p, {{284, 190}, 0.9});
  drawStarfish(p, {{222, 192}, 0.7}, QColor(250, 200, 70));
  drawBubbles(p, QPointF(228, 118));
  return image;
}

}  // namespace art
