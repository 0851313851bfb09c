// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fairy-tale puzzle pictures: the castle on the hill and the friendly dragon.
#include <QLinearGradient>
#include <cmath>
#include <tuple>

#include "animals.h"
#include "castle.h"
#include "common.h"
#include "nature.h"
#include "puzzles.h"

namespace art {
namespace {

void drawPond(QPainter& p, QPointF c, qreal rx, qreal ry) {
  fillOutlined(p, ellipsePath(c, rx, ry), ink::kSea.lighter(120), 1.4);
  p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
  p.drawLine(c + QPointF(-rx * 0.5, -ry * 0.2), c + QPointF(-rx * 0.2, -ry * 0.2));
  p.drawLine(c + QPointF(rx * 0.1, ry * 0.3), c + QPointF(rx * 0.45, ry * 0.3));
  for (int i = 0; i < 3; ++i) {
    const QPointF base = c + QPointF(rx * 0.75 + i * 3.0, -ry * 0.2 + i);
    QPainterPath reed(base);
    reed.quadTo(base + QPointF(1, -8), base + QPointF(i - 1.0, -14 + i * 2));
    strokeLine(p, reed, 2.4, ink::kOutline);
    strokeLine(p, reed, 1.2, ink::kGrassDark);
    fillOutlined(p, ellipsePath(base + QPointF(i - 1.0, -12 + i * 2), 1.3, 3), ink::kTrunk, 0.8);
  }
}

void drawSignpost(QPainter& p, QPointF base) {
  QPainterPath post;
  post.addRect(QRectF(base.x() - 1.5, base.y() - 22, 3, 22));
  fillOutlined(p, post, ink::kWood, 1.2);
  const QPainterPath sign =
      polygonPath({base + QPointF(-2, -22), base + QPointF(14, -22), base + QPointF(18, -18),
                   base + QPointF(14, -14), base + QPointF(-2, -14)});
  fillOutlined(p, sign, QColor(236, 200, 140), 1.2);
  fillOutlined(p, starPath(base + QPointF(7, -18), 3, 1.4), ink::kStar, 0.8);
}

void drawRainbow(QPainter& p, QPointF c, qreal r) {
  const QColor bands[] = {QColor(236, 82, 70),  QColor(250, 160, 60), QColor(255, 220, 80),
                          QColor(120, 196, 96), QColor(90, 150, 230), QColor(160, 110, 210)};
  p.save();
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 6; ++i) {
    const qreal radius = r - i * 3.2;
    p.setPen(QPen(bands[i], 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), 0, 180 * 16);
  }
  p.restore();
}

void drawChest(QPainter& p, QPointF base) {
  const QColor wood(178, 108, 58);
  const QColor gold(255, 206, 64);
  for (const QPointF& c :
       {QPointF(-18, -2), QPointF(-12, -1), QPointF(20, -2), QPointF(14, 0), QPointF(17, -5)}) {
    fillOutlined(p, ellipsePath(base + c, 3.6, 2.2), gold, 1.0);
  }
  QPainterPath box;
  box.addRoundedRect(QRectF(base.x() - 14, base.y() - 16, 28, 16), 2, 2);
  fillOutlined(p, box, wood, 1.4);
  // Open lid and the treasure inside.
  QPainterPath heap(base + QPointF(-13, -16));
  heap.quadTo(base + QPointF(0, -30), base + QPointF(13, -16));
  heap.closeSubpath();
  fillOutlined(p, heap, gold, 1.2);
  fillOutlined(p, ellipsePath(base + QPointF(-4, -21), 2.6, 2.6), QColor(236, 70, 90), 1.0);
  fillOutlined(p, ellipsePath(base + QPointF(5, -20), 2.3, 2.3), QColor(80, 170, 230), 1.0);
  fillOutlined(p, starPath(base + QPointF(1, -26), 3.2, 1.4), QColor(255, 250, 210), 0.8);
  const QPainterPath lid = polygonPath({base + QPointF(-14, -17), base + QPointF(-18, -30),
                                        base + QPointF(10, -35), base + QPointF(14, -17)});
  fillOutlined(p, lid.subtracted(heap).subtracted(box), wood.darker(110), 1.3);
  for (const qreal x : {-9.0, 9.0}) {
    p.fillRect(QRectF(base.x() + x - 1.5, base.y() - 16, 3, 16), gold.darker(110));
  }
  p.setPen(QPen(ink::kOutline, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(base.x() - 10.5, base.y() - 16, 3, 16));
  p.drawRect(QRectF(base.x() + 7.5, base.y() - 16, 3, 16));
  fillOutlined(p, ellipsePath(base + QPointF(0, -9), 2.2, 2.6), gold, 1.0);
}

void drawNest(QPainter& p, QPointF base) {
  const QColor eggs[] = {QColor(190, 230, 150), QColor(250, 200, 120), QColor(170, 210, 250)};
  for (int i = 0; i < 3; ++i) {
    const QPointF c = base + QPointF(-8 + i * 8.0, -9 - (i == 1 ? 3 : 0));
    fillOutlined(p, ellipsePath(c, 5, 6.5), eggs[i], 1.3);
    p.setPen(Qt::NoPen);
    p.setBrush(eggs[i].darker(118));
    p.drawEllipse(c + QPointF(-1.5, -2), 1.3, 1.3);
    p.drawEllipse(c + QPointF(2, 1), 1.0, 1.0);
  }
  QPainterPath nest(base + QPointF(-17, -8));
  nest.quadTo(base + QPointF(0, 6), base + QPointF(17, -8));
  nest.quadTo(base + QPointF(0, -2), base + QPointF(-17, -8));
  nest.addEllipse(base + QPointF(0, -2), 16, 5);
  fillOutlined(p, nest.simplified(), QColor(176, 124, 70), 1.3);
  p.setPen(QPen(QColor(130, 86, 46), 0.9));
  for (int i = 0; i < 5; ++i) {
    p.drawLine(base + QPointF(-14 + i * 6.0, -5), base + QPointF(-10 + i * 6.0, 1));
  }
}

void drawSmokeRings(QPainter& p, QPointF from) {
  for (int i = 0; i < 3; ++i) {
    const QPointF c = from + QPointF(i * 17.0, -i * 13.0);
    const qreal r = 5.0 + i * 2.5;
    QPainterPath ring = ellipsePath(c, r, r * 0.8).subtracted(ellipsePath(c, r * 0.5, r * 0.4));
    fillOutlined(p, ring, QColor(240, 240, 246), 1.2, QColor(140, 140, 170));
  }
}

}  // namespace

QImage puzzleCastle() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  drawDaySky(p, 140);
  drawSun(p, QPointF(30, 30), 14);
  drawCloud(p, QPointF(286, 30), 0.7);
  drawCloud(p, QPointF(112, 14), 0.42);
  drawBird(p, QPointF(262, 62), 0.9);
  drawBird(p, QPointF(276, 70), 0.7);
  drawHill(p, QPointF(30, 118), 80, 30, ink::kGrass.lighter(114));
  drawHill(p, QPointF(300, 112), 70, 36, ink::kGrass.lighter(114));
  drawRoundTree(p, QPointF(296, 92), 26, ink::kLeaf);
  drawRoundTree(p, QPointF(14, 96), 22, ink::kLeafDark);
  drawHill(p, QPointF(160, 204), 230, 80, ink::kGrass);
  // The keep behind the walls, then the walls and the corner towers.
  Tower keep;
  keep.body = QRectF(136, 40, 48, 60);
  keep.roofHeight = 26;
  keep.roof = QColor(70, 110, 190);
  keep.seed = 0xCA57;
  keep.windows = 1;
  keep.flagPhase = 0.8;
  drawTower(p, keep);
  drawBattlement(p, QRectF(84, 84, 152, 54), 9, 0.34, 0xBA77);
  for (const qreal x : {108.0, 212.0}) {
    drawCastleWindow(p, QRectF(x - 3.5, 96, 7, 12), false);
  }
  drawGate(p, QRectF(146, 104, 28, 34), 4);
  Tower left;
  left.body = QRectF(62, 56, 32, 84);
  left.roofHeight = 34;
  left.roof = ink::kRoof;
  left.seed = 0x1EF7;
  left.windows = 2;
  left.flagColour = QColor(250, 200, 60);
  drawTower(p, left);
  Tower right = left;
  right.body = QRectF(226, 56, 32, 84);
  right.seed = 0x9167;
  right.flagPhase = 2.0;
  right.flagColour = QColor(70, 140, 220);
  drawTower(p, right);
  // Path down the hill from the gate.
  QPainterPath path(QPointF(148, 138));
  path.lineTo(QPointF(172, 138));
  path.cubicTo(QPointF(176, 160), QPointF(110, 160), QPointF(118, 205));
  path.lineTo(QPointF(88, 205));
  path.cubicTo(QPointF(84, 158), QPointF(150, 160), QPointF(148, 138));
  fillOutlined(p, path, QColor(236, 208, 150), 1.3);
  drawRoundTree(p, QPointF(34, 178), 58, ink::kLeaf, true);
  drawRabbit(p, {{64, 192}, 0.9});
  drawSignpost(p, QPointF(128, 186));
  drawBush(p, QPointF(194, 160), 22, ink::kLeafDark, true);
  drawSheep(p, {{204, 190}, 0.9, true});
  drawPond(p, QPointF(280, 176), 30, 11);
  drawDuck(p, {{276, 178}, 0.9});
  for (const QPointF& c : {QPointF(12, 192), QPointF(96, 170), QPointF(160, 194), QPointF(232, 160),
                           QPointF(244, 196), QPointF(312, 150)}) {
    drawFlower(p, c, static_cast<int>(c.x()) % 2 == 0 ? ink::kPetalPink : Qt::white, 0.8);
  }
  return image;
}

QImage puzzleDragon() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  drawDaySky(p, 150);
  drawRainbow(p, QPointF(36, 110), 52);
  drawSun(p, QPointF(294, 28), 13);
  drawCloud(p, QPointF(26, 26), 0.55);
  drawBird(p, QPointF(270, 66), 0.8);
  // Mountains with snowy tops behind the meadow.
  for (const auto& [peak, half, tone] :
       {std::tuple{QPointF(250, 70), 70.0, 150}, std::tuple{QPointF(96, 84), 60.0, 165}}) {
    const QPainterPath mountain =
        polygonPath({peak + QPointF(-half, 80), peak, peak + QPointF(half, 80)});
    fillOutlined(p, mountain, QColor(tone - 20, tone - 10, tone + 30), 1.4);
    const QPainterPath cap =
        polygonPath({peak, peak + QPointF(-half * 0.25, 20), peak + QPointF(-half * 0.08, 16),
                     peak + QPointF(half * 0.06, 22), peak + QPointF(half * 0.25, 20)});
    fillOutlined(p, cap, ink::kSnow, 1.2);
  }
  drawMeadowGround(p, 148, ink::kGrass);
  drawPine(p, QPointF(300, 160), 50);
  drawPine(p, QPointF(276, 150), 34);
  drawRock(p, QPointF(22, 160), 16, 10);
  drawMushroom(p, QPointF(14, 192), 0.9);
  drawMushroom(p, QPointF(30, 196), 0.7, QColor(250, 170, 60));
  drawDragon(p, {{152, 188}, 1.0});
  drawSmokeRings(p, QPointF(228, 58));
  drawChest(p, QPointF(214, 190));
  drawNest(p, QPointF(278, 192));
  drawButterfly(p, {{250, 128}, 0.8}, ink::kPetalPurple, 0.3);
  for (const QPointF& c : {QPointF(58, 188), QPointF(46, 170), QPointF(246, 168), QPointF(306, 186),
                           QPointF(186, 158)}) {
    drawFlower(p, c, static_cast<int>(c.x()) % 2 == 0 ? ink::kPetalPink : ink::kPetalBlue, 0.8);
  }
  drawGrassTuft(p, QPointF(76, 196), 7);
  drawGrassTuft(p, QPointF(236, 196), 6);
  return image;
}

}  // namespace art
