// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Puzzle pictures among plants: the forest with the fox and the garden with
// butterflies.
#include <QLinearGradient>
#include <cmath>

#include "animals.h"
#include "common.h"
#include "nature.h"
#include "puzzles.h"

namespace art {
namespace {

// ---- Forest ----

void drawFarTrees(QPainter& p, qreal baseY) {
  QPainterPath line(QPointF(-5, baseY));
  for (int i = 0; i <= 16; ++i) {
    const qreal x = -5 + i * 21.0;
    line.quadTo(QPointF(x + 10.5, baseY - 30 - (i % 3) * 8), QPointF(x + 21, baseY - 4));
  }
  line.lineTo(330, baseY + 20);
  line.lineTo(-5, baseY + 20);
  line.closeSubpath();
  fillOutlined(p, line, QColor(150, 204, 140), 1.0, QColor(110, 160, 110));
}

void drawOak(QPainter& p) {
  const QColor bark(132, 86, 54);
  QPainterPath trunk(QPointF(-4, 196));
  trunk.quadTo(QPointF(10, 188), QPointF(12, 150));
  trunk.lineTo(QPointF(14, 40));
  trunk.lineTo(QPointF(46, 40));
  trunk.lineTo(QPointF(46, 150));
  trunk.quadTo(QPointF(50, 186), QPointF(66, 196));
  trunk.closeSubpath();
  fillOutlined(p, trunk, bark, 1.6);
  p.setPen(QPen(bark.darker(125), 1.1));
  for (const qreal x : {20.0, 30.0, 40.0}) {
    p.drawLine(QPointF(x, 110 + x), QPointF(x + 1, 140 + x));
  }
  // The hollow where the owl lives.
  fillOutlined(p, ellipsePath(QPointF(30, 86), 11, 15), QColor(70, 44, 34), 1.6);
  drawOwl(p, {{30, 100}, 0.95});
  QPainterPath branch(QPointF(44, 60));
  branch.quadTo(QPointF(70, 56), QPointF(92, 40));
  strokeLine(p, branch, 8.5, ink::kOutline);
  strokeLine(p, branch, 5.5, bark);
  QPainterPath crown;
  crown.setFillRule(Qt::WindingFill);
  for (const auto& c : {QPointF(0, 12), QPointF(30, -2), QPointF(62, 10), QPointF(92, 26),
                        QPointF(18, 36), QPointF(70, 38), QPointF(112, 14)}) {
    crown.addEllipse(c, 26, 20);
  }
  fillOutlined(p, crown.simplified(), ink::kLeafDark, 1.6);
  p.setPen(Qt::NoPen);
  p.setBrush(ink::kLeafDark.lighter(118));
  for (const auto& c : {QPointF(24, 14), QPointF(66, 20), QPointF(104, 10)}) {
    p.drawEllipse(c, 10, 5);
  }
  for (const auto& c : {QPointF(46, 30), QPointF(86, 40), QPointF(10, 30)}) {
    fillOutlined(p, ellipsePath(c, 2.6, 2.6), QColor(226, 56, 52), 1.0);
  }
}

void drawLog(QPainter& p, QPointF left, qreal length, qreal r) {
  QPainterPath log;
  log.addRoundedRect(QRectF(left.x(), left.y() - r, length, 2 * r), r * 0.4, r * 0.4);
  fillOutlined(p, log, ink::kTrunk, 1.4);
  p.setPen(QPen(ink::kTrunk.darker(125), 1.0));
  p.drawLine(left + QPointF(6, -r * 0.3), left + QPointF(length - 12, -r * 0.4));
  p.drawLine(left + QPointF(10, r * 0.4), left + QPointF(length - 18, r * 0.35));
  const QPointF end = left + QPointF(length, 0);
  fillOutlined(p, ellipsePath(end, r * 0.6, r), QColor(236, 196, 140), 1.4);
  p.setPen(QPen(QColor(196, 148, 96), 0.9));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(end, r * 0.35, r * 0.6);
}

void drawFern(QPainter& p, QPointF base, qreal h, int side) {
  QPainterPath stem(base);
  stem.quadTo(base + QPointF(side * h * 0.2, -h * 0.7), base + QPointF(side * h * 0.6, -h));
  strokeLine(p, stem, 2.4, ink::kOutline);
  strokeLine(p, stem, 1.2, ink::kLeaf);
  for (int i = 1; i < 6; ++i) {
    const qreal t = i / 6.0;
    const QPointF at = base + QPointF(side * h * 0.6 * t * t, -h * t);
    for (int k : {-1, 1}) {
      fillOutlined(p,
                   ellipsePath(at + QPointF(k * 3.5 * (1 - t * 0.5), 1), 3.5 * (1 - t * 0.5), 1.6),
                   ink::kLeaf, 0.8);
    }
  }
}

// ---- Garden ----

void drawPickets(QPainter& p, qreal groundY, qreal h) {
  const QColor paint(255, 252, 244);
  QPainterPath rails;
  rails.addRect(QRectF(-4, groundY - h * 0.75, 330, 4));
  rails.addRect(QRectF(-4, groundY - h * 0.3, 330, 4));
  fillOutlined(p, rails, paint.darker(106), 1.2);
  for (qreal x = 4; x < 324; x += 13) {
    fillOutlined(p,
                 polygonPath({{x - 4, groundY},
                              {x - 4, groundY - h + 5},
                              {x, groundY - h},
                              {x + 4, groundY - h + 5},
                              {x + 4, groundY}}),
                 paint, 1.2);
  }
}

void drawBirdhouse(QPainter& p, QPointF base) {
  QPainterPath pole;
  pole.addRect(QRectF(base.x() - 2.5, base.y() - 64, 5, 64));
  fillOutlined(p, pole, ink::kWood, 1.3);
  const QRectF body(base.x() - 13, base.y() - 86, 26, 24);
  QPainterPath box;
  box.addRect(body);
  fillOutlined(p, box, QColor(120, 190, 220), 1.4);
  fillOutlined(
      p,
      polygonPath({body.topLeft() + QPointF(-5, 2), QPointF(body.center().x(), body.top() - 14),
                   body.topRight() + QPointF(5, 2)}),
      ink::kRoof, 1.4);
  fillOutlined(p, ellipsePath(body.center() + QPointF(0, -2), 4.5, 4.5), QColor(70, 44, 34), 1.2);
  QPainterPath perch(body.center() + QPointF(0, 7));
  perch.lineTo(body.center() + QPointF(9, 7));
  strokeLine(p, perch, 2.6, ink::kOutline);
  strokeLine(p, perch, 1.2, ink::kWood);
  // A little bird on the perch.
  const QPointF bird = body.center() + QPointF(12, 2);
  fillOutlined(p, ellipsePath(bird, 5, 4), QColor(236, 96, 70), 1.1);
  fillOutlined(p, ellipsePath(bird + QPointF(3.5, -4), 3.2, 3.2), QColor(236, 96, 70), 1.1);
  fillOutlined(
      p, polygonPath({bird + QPointF(6, -4.6), bird + QPointF(9, -3.6), bird + QPointF(6, -2.6)}),
      ink::kStar, 0.7);
  fillOutlined(p, ellipsePath(bird + QPointF(4.3, -4.6), 0.8, 0.9), ink::kOutline, 0);
  fillOutlined(p, ellipsePath(bird + QPointF(-1, 0), 3, 2), QColor(255, 226, 200), 0);
}

void drawWateringCan(QPainter& p, QPointF base) {
  const QColor green(96, 178, 130);
  QPainterPath spout(base + QPointF(8, -10));
  spout.lineTo(base + QPointF(22, -22));
  strokeLine(p, spout, 5.0, ink::kOutline);
  strokeLine(p, spout, 2.6, green);
  fillOutlined(p, ellipsePath(base + QPointF(23, -23), 3, 2), green.darker(110), 1.0);
  QPainterPath handle(base + QPointF(-10, -14));
  handle.cubicTo(base + QPointF(-18, -30), base + QPointF(6, -34), base + QPointF(4, -18));
  strokeLine(p, handle, 4.4, ink::kOutline);
  strokeLine(p, handle, 2.0, green);
  QPainterPath can;
  can.addRoundedRect(QRectF(base.x() - 12, base.y() - 20, 22, 20), 3, 3);
  fillOutlined(p, can, green, 1.4);
  fillOutlined(p, ellipsePath(base + QPointF(-1, -10), 4, 4), ink::kSun, 1.0);
  for (int i = 0; i < 3; ++i) {
    fillOutlined(p, ellipsePath(base + QPointF(27 + i * 2.5, -18 + i * 5.0), 1.2, 1.8),
                 QColor(140, 200, 250), 0.6);
  }
}

void drawPot(QPainter& p, QPointF base) {
  for (int i = 0; i < 3; ++i) {
    drawStemFlower(p, base + QPointF(-6 + i * 6.0, -16), 14 + (i % 2) * 5.0,
                   i == 1 ? Qt::white : ink::kPetalPurple);
  }
  const QPainterPath pot = polygonPath({base + QPointF(-11, -18), base + QPointF(11, -18),
                                        base + QPointF(8, 0), base + QPointF(-8, 0)});
  fillOutlined(p, pot, QColor(214, 120, 80), 1.4);
  QPainterPath rim;
  rim.addRoundedRect(QRectF(base.x() - 13, base.y() - 21, 26, 6), 2, 2);
  fillOutlined(p, rim, QColor(226, 136, 92), 1.3);
}

void drawStepStones(QPainter& p) {
  for (const QPointF& c : {QPointF(96, 196), QPointF(112, 180), QPointF(128, 164),
                           QPointF(148, 150), QPointF(170, 140)}) {
    fillOutlined(p, ellipsePath(c, 9, 4.5), QColor(206, 196, 184), 1.2);
  }
}

void drawCarrots(QPainter& p, QPointF base) {
  for (int i = 0; i < 3; ++i) {
    const QPointF c = base + QPointF(i * 12.0, 0);
    for (int k = -1; k <= 1; ++k) {
      QPainterPath leaf(c);
      leaf.quadTo(c + QPointF(k * 4.0, -6), c + QPointF(k * 5.0, -11));
      strokeLine(p, leaf, 2.4, ink::kOutline);
      strokeLine(p, leaf, 1.2, ink::kGrass);
    }
    fillOutlined(p, polygonPath({c + QPointF(-3.5, 0), c + QPointF(3.5, 0), c + QPointF(0, 5)}),
                 QColor(250, 140, 50), 1.1);
  }
}

}  // namespace

QImage puzzleForest() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  fillVertical(p, QRectF(0, 0, kPuzzleWidth, 140), QColor(190, 228, 244), QColor(240, 248, 220));
  drawSun(p, QPointF(232, 30), 13);
  drawBird(p, QPointF(150, 18), 0.9);
  drawBird(p, QPointF(164, 26), 0.7);
  drawFarTrees(p, 126);
  drawMeadowGround(p, 136, QColor(112, 178, 82));
  QPainterPath path(QPointF(150, 134));
  path.lineTo(QPointF(164, 134));
  path.cubicTo(QPointF(200, 160), QPointF(150, 176), QPointF(178, 205));
  path.lineTo(QPointF(136, 205));
  path.cubicTo(QPointF(116, 176), QPointF(176, 160), QPointF(150, 134));
  fillOutlined(p, path, QColor(226, 196, 140), 1.3);
  drawRoundTree(p, QPointF(126, 132), 92, ink::kLeaf);
  drawPine(p, QPointF(206, 136), 78);
  drawPine(p, QPointF(244, 128), 52);
  drawPine(p, QPointF(292, 156), 134);
  QPainterPath branch(QPointF(292, 96));
  branch.lineTo(QPointF(258, 92));
  strokeLine(p, branch, 6, ink::kOutline);
  strokeLine(p, branch, 3.4, ink::kTrunk);
  drawSquirrel(p, {{268, 91}, 1.1});
  drawOak(p);
  drawMushroom(p, QPointF(66, 186), 1.2);
  drawMushroom(p, QPointF(80, 192), 0.8, QColor(250, 170, 60));
  drawHedgehog(p, {{30, 194}, 1.0});
  drawFox(p, {{118, 184}, 1.45});
  drawLog(p, QPointF(190, 160), 52, 8);
  drawSnail(p, {{226, 152}, 0.9});
  drawRabbit(p, {{206, 192}, 1.1});
  drawBush(p, QPointF(286, 182), 36, ink::kLeafDark, true);
  drawFern(p, QPointF(256, 198), 26, -1);
  drawFern(p, QPointF(262, 198), 22, 1);
  drawFern(p, QPointF(98, 160), 18, -1);
  for (const QPointF& c :
       {QPointF(244, 176), QPointF(308, 196), QPointF(168, 190), QPointF(90, 196)}) {
    drawFlower(p, c, static_cast<int>(c.x()) % 2 == 0 ? ink::kPetalBlue : Qt::white, 0.8);
  }
  drawButterfly(p, {{176, 106}, 0.8}, QColor(250, 200, 70), 0.2);
  return image;
}

QImage puzzleGarden() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  drawDaySky(p, 120);
  drawSun(p, QPointF(292, 28), 14);
  drawCloud(p, QPointF(214, 22), 0.6);
  drawCloud(p, QPointF(84, 16), 0.45);
  drawRoundTree(p, QPointF(124, 118), 76, ink::kLeaf, true);
  drawPickets(p, 122, 30);
  drawMeadowGround(p, 118, ink::kGrass);
  drawStepStones(p);
  // Flower bed along the fence.
  QPainterPath bed;
  bed.addRoundedRect(QRectF(-6, 132, 96, 24), 10, 10);
  fillOutlined(p, bed, QColor(176, 120, 80), 1.3);
  drawSunflower(p, QPointF(16, 146), 96);
  drawSunflower(p, QPointF(40, 146), 116);
  drawSunflower(p, QPointF(64, 146), 84);
  for (int i = 0; i < 6; ++i) {
    const QColor colours[] = {ink::kPetalPink, QColor(250, 200, 60), ink::kPetalPurple,
                              QColor(236, 80, 70)};
    drawTulip(p, QPointF(8 + i * 14.0, 154 + (i % 2) * 2), 20 + (i % 3) * 3.0, colours[i % 4]);
  }
  drawBirdhouse(p, QPointF(200, 130));
  drawWateringCan(p, QPointF(36, 190));
  drawSnail(p, {{112, 172}, 0.9});
  drawLadybird(p, {{140, 186}, 1.0});
  drawPot(p, QPointF(196, 184));
  drawBee(p, {{222, 150}, 1.0});
  drawBush(p, QPointF(296, 150), 40, ink::kLeafDark, true);
  drawCarrots(p, QPointF(248, 170));
  drawRabbit(p, {{282, 194}, 1.05}, QColor(250, 248, 244));
  for (const QPointF& c : {QPointF(232, 192), QPointF(168, 196), QPointF(82, 186),
                           QPointF(312, 186), QPointF(250, 140), QPointF(160, 132)}) {
    drawFlower(p, c, static_cast<int>(c.x()) % 2 == 0 ? ink::kPetalPink : Qt::white, 0.8);
  }
  drawButterfly(p, {{104, 56}, 1.2}, ink::kPetalPink, 0.0);
  drawButterfly(p, {{152, 30}, 0.9}, ink::kPetalBlue, 0.4);
  drawButterfly(p, {{246, 72}, 1.1}, QColor(250, 190, 60), 0.1);
  drawButterfly(p, {{272, 96}, 0.8}, ink::kPetalPurple, 0.5);
  drawButterfly(p, {{180, 110}, 0.75}, QColor(120, 200, 110), 0.3);
  drawBee(p, {{84, 100}, 0.9});
  return image;
}

}  // namespace art
