// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Puzzle pictures in the countryside: the farm and the hot-air balloon over
// the fields; also the shared canvas helpers and the entry point.
#include "puzzles.h"

#include <QLinearGradient>
#include <array>
#include <cmath>

#include "animals.h"
#include "child.h"
#include "common.h"
#include "generators.h"
#include "layout.h"
#include "nature.h"

namespace art {
namespace {

// ---- Farm ----

void drawBarn(QPainter& p) {
  const QColor red(204, 66, 54);
  const QColor trim(255, 246, 232);
  const QPainterPath roof = polygonPath({{10, 84}, {22, 58}, {56, 42}, {90, 58}, {102, 84}});
  const QPainterPath body = polygonPath({{18, 82}, {94, 82}, {94, 150}, {18, 150}});
  fillOutlined(p, body, red, 1.6);
  p.save();
  p.setClipPath(body);
  p.setPen(QPen(red.darker(120), 1.0));
  for (qreal x = 24; x < 94; x += 7) {
    p.drawLine(QPointF(x, 82), QPointF(x, 150));
  }
  p.restore();
  strokeLine(p, body, 1.6, ink::kOutline);
  fillOutlined(p, roof, QColor(120, 70, 64), 1.6);
  strokeLine(p, polygonPath({{14, 82}, {24, 61}, {56, 46}, {88, 61}, {98, 82}}), 2.2, trim);
  // Hay loft with straw peeking out.
  QPainterPath loft;
  loft.addRect(QRectF(46, 60, 20, 16));
  fillOutlined(p, loft, QColor(92, 56, 40), 1.4);
  for (int i = 0; i < 6; ++i) {
    QPainterPath straw(QPointF(48 + i * 3.0, 76));
    straw.lineTo(QPointF(47 + i * 3.4, 68 + (i % 2) * 2));
    strokeLine(p, straw, 1.6, QColor(246, 206, 90));
  }
  // Big door with the white cross.
  const QRectF door(36, 106, 40, 44);
  QPainterPath doorPath;
  doorPath.addRect(door);
  fillOutlined(p, doorPath, red.darker(112), 1.5);
  QPainterPath cross;
  cross.moveTo(door.topLeft());
  cross.lineTo(door.bottomRight());
  cross.moveTo(door.topRight());
  cross.lineTo(door.bottomLeft());
  cross.addRect(door.adjusted(1, 1, -1, -1));
  cross.moveTo(door.center().x(), door.top());
  cross.lineTo(door.center().x(), door.bottom());
  strokeLine(p, cross, 2.4, trim);
  strokeLine(p, doorPath, 1.5, ink::kOutline);
  for (const qreal x : {24.0, 82.0}) {
    QPainterPath window;
    window.addRect(QRectF(x, 92, 8, 9));
    fillOutlined(p, window, QColor(255, 226, 120), 1.2);
  }
}

void drawSilo(QPainter& p) {
  const QRectF body(100, 64, 22, 86);
  QPainterPath dome(QPointF(body.left(), body.top()));
  dome.quadTo(QPointF(body.center().x(), body.top() - 22), QPointF(body.right(), body.top()));
  dome.closeSubpath();
  QPainterPath tube;
  tube.addRect(body);
  fillOutlined(p, tube, QColor(176, 196, 214), 1.5);
  p.save();
  p.setClipPath(tube);
  p.setPen(QPen(QColor(130, 150, 174), 1.0));
  for (qreal y = body.top() + 10; y < body.bottom(); y += 10) {
    p.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
  }
  p.fillRect(QRectF(body.right() - 6, body.top(), 6, body.height()), QColor(40, 40, 70, 40));
  p.restore();
  fillOutlined(p, dome, QColor(214, 76, 58), 1.5);
  fillOutlined(p, ellipsePath(QPointF(body.center().x(), body.top() - 13), 2, 2), ink::kStar, 1.0);
}

void drawWindmill(QPainter& p, QPointF base, qreal h, qreal turn) {
  const QPainterPath tower =
      polygonPath({base + QPointF(-h * 0.2, 0), base + QPointF(-h * 0.12, -h),
                   base + QPointF(h * 0.12, -h), base + QPointF(h * 0.2, 0)});
  fillOutlined(p, tower, QColor(250, 240, 222), 1.3);
  fillOutlined(p,
               polygonPath({base + QPointF(-h * 0.17, -h * 0.98), base + QPointF(0, -h * 1.22),
                            base + QPointF(h * 0.17, -h * 0.98)}),
               ink::kRoof, 1.3);
  QPainterPath door;
  door.addRoundedRect(QRectF(base.x() - h * 0.06, base.y() - h * 0.24, h * 0.12, h * 0.24), 1.5,
                      1.5);
  fillOutlined(p, door, ink::kWood, 1.0);
  const QPointF hub = base + QPointF(0, -h * 0.92);
  for (int i = 0; i < 4; ++i) {
    const qreal a = turn + i * kPi / 2;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF side(-dir.y(), dir.x());
    const QPainterPath blade = polygonPath({hub + dir * (h * 0.12), hub + dir * (h * 0.75),
                                            hub + dir * (h * 0.75) + side * (h * 0.16),
                                            hub + dir * (h * 0.2) + side * (h * 0.16)});
    fillOutlined(p, blade, QColor(236, 226, 210), 1.1);
    QPainterPath spar(hub);
    spar.lineTo(hub + dir * (h * 0.76));
    strokeLine(p, spar, 1.4, ink::kWoodDark);
  }
  fillOutlined(p, ellipsePath(hub, 2.2, 2.2), ink::kWoodDark, 1.0);
}

void drawHayBale(QPainter& p, QPointF c, qreal r) {
  fillOutlined(p, ellipsePath(c, r * 1.2, r), QColor(244, 204, 96), 1.3);
  p.setPen(QPen(QColor(196, 150, 56), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c + QPointF(-r * 0.35, 0), r * 0.55, r * 0.6);
  p.drawEllipse(c + QPointF(-r * 0.35, 0), r * 0.25, r * 0.3);
}

void drawPuddle(QPainter& p, QPointF c, qreal rx, qreal ry) {
  fillOutlined(p, ellipsePath(c, rx, ry), QColor(150, 104, 66), 1.3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(190, 140, 96));
  p.drawEllipse(c + QPointF(-rx * 0.3, -ry * 0.3), rx * 0.3, ry * 0.25);
}

void scatterTufts(QPainter& p, std::initializer_list<QPointF> spots, qreal h) {
  for (const QPointF& c : spots) {
    drawGrassTuft(p, c, h);
  }
}

// ---- Balloon ----

void drawField(QPainter& p, const QPolygonF& shape, const QColor& colour, qreal rows) {
  QPainterPath field;
  field.addPolygon(shape);
  field.closeSubpath();
  fillOutlined(p, field, colour, 1.2);
  if (rows > 0) {
    p.save();
    p.setClipPath(field);
    p.setPen(QPen(colour.darker(115), 1.0));
    const QRectF box = field.boundingRect();
    for (qreal y = box.top() + rows; y < box.bottom(); y += rows) {
      p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y + 3));
    }
    p.restore();
  }
}

void drawBalloon(QPainter& p, QPointF c, qreal r, const std::array<QColor, 3>& stripes,
                 bool withChild) {
  const QPointF basketTop = c + QPointF(0, r * 1.62);
  const qreal bw = r * 0.62;
  for (const int side : {-1, 1}) {
    QPainterPath rope(c + QPointF(side * r * 0.52, r * 0.88));
    rope.lineTo(basketTop + QPointF(side * bw * 0.45, 0));
    strokeLine(p, rope, 1.0, ink::kOutline);
  }
  if (withChild) {
    p.save();
    p.translate(basketTop + QPointF(0, r * 0.34));
    const qreal s = r * 0.0082;
    p.scale(s, s);
    p.translate(-layout::kChildCentreX, -layout::kChildSoleY);
    drawChild(p, cheeringPose());
    p.restore();
  }
  QPainterPath basket(basketTop + QPointF(-bw / 2, 0));
  basket.lineTo(basketTop + QPointF(bw / 2, 0));
  basket.lineTo(basketTop + QPointF(bw * 0.4, bw * 0.62));
  basket.lineTo(basketTop + QPointF(-bw * 0.4, bw * 0.62));
  basket.closeSubpath();
  fillOutlined(p, basket, QColor(196, 140, 80), 1.3);
  p.save();
  p.setClipPath(basket);
  p.setPen(QPen(QColor(150, 98, 52), 0.9));
  for (qreal y = basketTop.y() + bw * 0.16; y < basketTop.y() + bw * 0.62; y += bw * 0.16) {
    p.drawLine(QPointF(basketTop.x() - bw, y), QPointF(basketTop.x() + bw, y));
  }
  p.restore();
  QPainterPath rim;
  rim.addRoundedRect(QRectF(basketTop.x() - bw * 0.55, basketTop.y() - 1.5, bw * 1.1, 3.2), 1.5,
                     1.5);
  fillOutlined(p, rim, QColor(150, 98, 52), 1.0);
  // Envelope: a round top that narrows to the mouth above the basket.
  QPainterPath envelope(c + QPointF(-r * 0.3, r * 1.08));
  envelope.cubicTo(c + QPointF(-r * 0.8, r * 0.75), c + QPointF(-r * 1.05, r * 0.25),
                   c + QPointF(-r, -r * 0.1));
  envelope.cubicTo(c + QPointF(-r * 0.95, -r * 1.35), c + QPointF(r * 0.95, -r * 1.35),
                   c + QPointF(r, -r * 0.1));
  envelope.cubicTo(c + QPointF(r * 1.05, r * 0.25), c + QPointF(r * 0.8, r * 0.75),
                   c + QPointF(r * 0.3, r * 1.08));
  envelope.closeSubpath();
  fillOutlined(p, envelope, stripes[0], 1.5);
  p.save();
  p.setClipPath(envelope);
  for (int i = -2; i <= 2; ++i) {
    const qreal x = c.x() + i * r * 0.42;
    QPainterPath band(QPointF(x, c.y() - r * 1.2));
    band.quadTo(QPointF(x + i * r * 0.14, c.y()), QPointF(c.x() + i * r * 0.08, c.y() + r * 1.1));
    strokeLine(p, band, r * 0.22, stripes[static_cast<std::size_t>(1 + (i + 2) % 2)]);
  }
  QPainterPath belt(QPointF(c.x() - r * 1.1, c.y() + r * 0.25));
  belt.quadTo(QPointF(c.x(), c.y() + r * 0.45), QPointF(c.x() + r * 1.1, c.y() + r * 0.25));
  strokeLine(p, belt, r * 0.14, QColor(255, 246, 220));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawEllipse(c + QPointF(-r * 0.45, -r * 0.5), r * 0.2, r * 0.35);
  p.restore();
  strokeLine(p, envelope, 1.5, ink::kOutline);
  QPainterPath mouth;
  mouth.addRoundedRect(QRectF(c.x() - r * 0.32, c.y() + r * 1.04, r * 0.64, r * 0.12), 1, 1);
  fillOutlined(p, mouth, QColor(150, 98, 52), 1.0);
}

}  // namespace

QImage newPuzzleCanvas() {
  return opaqueImage(kPuzzleWidth, kPuzzleHeight, Qt::white);
}

void drawDaySky(QPainter& p, qreal horizon) {
  fillVertical(p, QRectF(0, 0, kPuzzleWidth, horizon), QColor(118, 196, 242),
               QColor(214, 240, 255));
}

void drawMeadowGround(QPainter& p, qreal top, const QColor& colour) {
  QPainterPath ground(QPointF(-5, top + 6));
  ground.cubicTo(QPointF(80, top - 6), QPointF(200, top + 10), QPointF(325, top - 2));
  ground.lineTo(325, kPuzzleHeight + 5);
  ground.lineTo(-5, kPuzzleHeight + 5);
  ground.closeSubpath();
  fillOutlined(p, ground, colour, 1.5);
}

QImage puzzleFarm() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  drawDaySky(p, 120);
  drawSun(p, QPointF(292, 30), 15);
  drawCloud(p, QPointF(142, 26), 0.75);
  drawCloud(p, QPointF(222, 18), 0.5);
  drawBird(p, QPointF(66, 18), 1.0);
  drawBird(p, QPointF(80, 26), 0.8);
  drawHill(p, QPointF(250, 124), 120, 34, ink::kGrass.lighter(112));
  drawHill(p, QPointF(70, 128), 110, 26, ink::kGrass.lighter(106));
  drawWindmill(p, QPointF(272, 108), 34, 0.4);
  drawMeadowGround(p, 114, ink::kGrass);
  drawSilo(p);
  drawBarn(p);
  drawRoundTree(p, QPointF(196, 118), 86, ink::kLeaf, true);
  // Dusty path from the barn door down to the bottom edge.
  QPainterPath path(QPointF(38, 150));
  path.lineTo(QPointF(74, 150));
  path.quadTo(QPointF(90, 176), QPointF(104, 205));
  path.lineTo(QPointF(46, 205));
  path.quadTo(QPointF(46, 172), QPointF(38, 150));
  fillOutlined(p, path, QColor(236, 208, 150), 1.3);
  drawFence(p, 236, 322, 150, 16);
  drawSheep(p, {{268, 148}, 0.7, true});
  drawPuddle(p, QPointF(206, 184), 30, 7);
  drawHayBale(p, QPointF(140, 130), 9);
  drawHayBale(p, QPointF(156, 134), 8);
  drawCat(p, {{148, 126}, 0.6});
  scatterTufts(p, {{12, 164}, {122, 192}, {168, 160}, {248, 192}, {230, 158}, {312, 196}}, 6);
  for (const QPointF& c : {QPointF(20, 190), QPointF(160, 198), QPointF(240, 172),
                           QPointF(312, 168), QPointF(110, 160), QPointF(178, 150)}) {
    drawFlower(p, c, static_cast<int>(c.x()) % 3 == 0 ? Qt::white : ink::kPetalPink, 0.8);
  }
  drawCow(p, {{122, 178}, 1.05});
  drawPig(p,
          {
              {204, 184},
              1.0,
              true,
          },
          true);
  drawHen(p, {{28, 182}, 1.0});
  drawChick(p, {{50, 188}, 1.0, true});
  drawChick(p, {{62, 184}, 1.0});
  drawChick(p, {{68, 194}, 1.0, true});
  drawSheep(p, {{282, 186}, 1.05, true});
  return image;
}

QImage puzzleBalloon() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  drawDaySky(p, 112);
  drawSun(p, QPointF(290, 30), 14);
  drawCloud(p, QPointF(240, 64), 0.6);
  drawCloud(p, QPointF(54, 78), 0.55);
  drawCloud(p, QPointF(20, 16), 0.45);
  drawBird(p, QPointF(250, 20), 0.9);
  drawBird(p, QPointF(262, 12), 0.7);
  drawHill(p, QPointF(60, 120), 120, 22, QColor(150, 206, 120));
  drawHill(p, QPointF(260, 118), 110, 24, QColor(140, 200, 112));
  drawMeadowGround(p, 112, QColor(126, 194, 96));
  // Patchwork of fields.
  drawField(p, QPolygonF({{-4, 150}, {70, 140}, {100, 160}, {-4, 176}}), QColor(236, 206, 102), 5);
  drawField(p, QPolygonF({{100, 160}, {160, 142}, {216, 152}, {170, 176}}), QColor(170, 214, 110),
            6);
  drawField(p, QPolygonF({{216, 152}, {324, 136}, {324, 166}, {250, 178}}), QColor(210, 160, 96),
            5);
  drawField(p, QPolygonF({{-4, 176}, {100, 160}, {130, 204}, {-4, 204}}), QColor(150, 206, 110), 0);
  drawField(p, QPolygonF({{250, 178}, {324, 166}, {324, 204}, {240, 204}}), QColor(244, 220, 120),
            6);
  // River with a little bridge.
  QPainterPath river(QPointF(170, 204));
  river.cubicTo(QPointF(160, 180), QPointF(230, 176), QPointF(220, 150));
  river.quadTo(QPointF(216, 138), QPointF(240, 124));
  river.lineTo(QPointF(248, 124));
  river.quadTo(QPointF(230, 140), QPointF(236, 152));
  river.cubicTo(QPointF(246, 182), QPointF(186, 186), QPointF(196, 204));
  river.closeSubpath();
  fillOutlined(p, river, ink::kSea.lighter(115), 1.3);
  QPainterPath bridge(QPointF(208, 172));
  bridge.quadTo(QPointF(224, 160), QPointF(244, 170));
  strokeLine(p, bridge, 6.5, ink::kOutline);
  strokeLine(p, bridge, 4.0, ink::kWood);
  drawHouse(p, QRectF(18, 130, 26, 20), ink::kWall, ink::kRoof);
  drawRoundTree(p, QPointF(62, 148), 34, ink::kLeaf);
  drawRoundTree(p, QPointF(8, 196), 30, ink::kLeafDark, true);
  drawWindmill(p, QPointF(292, 160), 36, 1.1);
  drawRoundTree(p, QPointF(270, 142), 24, ink::kLeaf);
  for (const QPointF& c : {QPointF(112, 186), QPointF(136, 178), QPointF(90, 194)}) {
    drawHayBale(p, c, 6);
  }
  drawSheep(p, {{60, 186}, 0.7});
  drawSheep(p, {{36, 176}, 0.55, true});
  drawCow(p, {{284, 194}, 0.6, true});
  drawBalloon(p, QPointF(42, 38), 13,
              {QColor(120, 200, 110), QColor(255, 214, 72), QColor(255, 140, 60)}, false);
  drawSoftShadow(p, QPointF(168, 168), 18, 4);
  drawBalloon(p, QPointF(160, 54), 44,
              {QColor(228, 70, 56), QColor(255, 206, 64), QColor(70, 140, 220)}, true);
  return image;
}

void makePuzzles(Output& out) {
  const std::array<QImage (*)(), 8> scenes{puzzleFarm,   puzzleCastle,  puzzleDragon, puzzleSea,
                                           puzzleForest, puzzleBalloon, puzzleGarden, puzzleSnow};
  for (std::size_t i = 0; i < scenes.size(); ++i) {
    out.saveBmp(scenes[i](), QString("data/puzles/puzle%1.bmp").arg(i + 1));
  }
}

}  // namespace art
