// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Puzzle picture of a snowy village: church, cottages, snowman and sled.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <utility>

#include "animals.h"
#include "common.h"
#include "nature.h"
#include "puzzles.h"

namespace art {
namespace {

void drawChurch(QPainter& p, QPointF base) {
  const QColor wall(246, 226, 196);
  const QRectF tower(base.x() - 12, base.y() - 86, 24, 86);
  const QRectF nave(base.x() + 8, base.y() - 44, 34, 44);
  QPainterPath navePath;
  navePath.addRect(nave);
  fillOutlined(p, navePath, wall, 1.5);
  fillOutlined(p,
               polygonPath({nave.topLeft() + QPointF(-2, 1), nave.topLeft() + QPointF(4, -16),
                            nave.topRight() + QPointF(2, -16), nave.topRight() + QPointF(6, 1)}),
               ink::kSnow, 1.5);
  QPainterPath towerPath;
  towerPath.addRect(tower);
  fillOutlined(p, towerPath, wall, 1.5);
  const QPainterPath spire =
      polygonPath({tower.topLeft() + QPointF(-3, 1), QPointF(tower.center().x(), tower.top() - 34),
                   tower.topRight() + QPointF(3, 1)});
  fillOutlined(p, spire, QColor(90, 120, 190), 1.5);
  fillOutlined(p,
               polygonPath({QPointF(tower.center().x(), tower.top() - 34),
                            QPointF(tower.center().x() - 6, tower.top() - 18),
                            QPointF(tower.center().x() + 6, tower.top() - 18)}),
               ink::kSnow, 1.2);
  QPainterPath cross(QPointF(tower.center().x(), tower.top() - 34));
  cross.lineTo(QPointF(tower.center().x(), tower.top() - 45));
  cross.moveTo(QPointF(tower.center().x() - 4, tower.top() - 41));
  cross.lineTo(QPointF(tower.center().x() + 4, tower.top() - 41));
  strokeLine(p, cross, 3.2, ink::kOutline);
  strokeLine(p, cross, 1.4, ink::kStar);
  // Bell in the arched opening.
  QPainterPath arch;
  arch.addRoundedRect(QRectF(tower.center().x() - 6, tower.top() + 8, 12, 16), 6, 6);
  fillOutlined(p, arch, QColor(80, 60, 70), 1.3);
  QPainterPath bell(QPointF(tower.center().x() - 4.5, tower.top() + 21));
  bell.quadTo(QPointF(tower.center().x() - 4, tower.top() + 11),
              QPointF(tower.center().x(), tower.top() + 11));
  bell.quadTo(QPointF(tower.center().x() + 4, tower.top() + 11),
              QPointF(tower.center().x() + 4.5, tower.top() + 21));
  bell.closeSubpath();
  fillOutlined(p, bell, ink::kStar, 1.1);
  fillOutlined(p, ellipsePath(QPointF(tower.center().x(), tower.top() + 44), 6, 6), Qt::white, 1.3);
  p.setPen(QPen(ink::kOutline, 1.0));
  p.drawLine(QPointF(tower.center().x(), tower.top() + 44),
             QPointF(tower.center().x(), tower.top() + 40));
  p.drawLine(QPointF(tower.center().x(), tower.top() + 44),
             QPointF(tower.center().x() + 3, tower.top() + 45));
  QPainterPath door;
  door.addRoundedRect(QRectF(tower.center().x() - 5, base.y() - 16, 10, 16), 4, 4);
  fillOutlined(p, door, ink::kWood, 1.3);
  for (const qreal x : {nave.left() + 8, nave.left() + 22}) {
    QPainterPath window;
    window.addRoundedRect(QRectF(x, nave.top() + 10, 6, 14), 3, 3);
    fillOutlined(p, window, QColor(255, 220, 120), 1.1);
  }
}

void drawSnowman(QPainter& p, QPointF base) {
  fillOutlined(p, ellipsePath(base + QPointF(0, -12), 15, 13), ink::kSnow, 1.5);
  fillOutlined(p, ellipsePath(base + QPointF(0, -32), 11, 10), ink::kSnow, 1.5);
  for (int side : {-1, 1}) {
    QPainterPath arm(base + QPointF(side * 10.0, -32));
    arm.lineTo(base + QPointF(side * 22.0, -42));
    arm.moveTo(base + QPointF(side * 18.0, -39));
    arm.lineTo(base + QPointF(side * 20.0, -46));
    strokeLine(p, arm, 2.0, ink::kTrunk.darker(120));
  }
  const QPointF head = base + QPointF(0, -49);
  fillOutlined(p, ellipsePath(head, 9, 8.5), ink::kSnow, 1.5);
  QPainterPath hat;
  hat.addRect(QRectF(head.x() - 7, head.y() - 19, 14, 12));
  hat.addRect(QRectF(head.x() - 10, head.y() - 8, 20, 3));
  fillOutlined(p, hat.simplified(), QColor(60, 60, 80), 1.3);
  p.fillRect(QRectF(head.x() - 7, head.y() - 11, 14, 3), QColor(228, 70, 56));
  fillOutlined(p, ellipsePath(head + QPointF(-3, -1.5), 1.2, 1.3), ink::kOutline, 0);
  fillOutlined(p, ellipsePath(head + QPointF(3, -1.5), 1.2, 1.3), ink::kOutline, 0);
  fillOutlined(p, polygonPath({head + QPointF(0, 0), head + QPointF(9, 2.2), head + QPointF(0, 3)}),
               QColor(250, 140, 50), 1.0);
  for (int i = -2; i <= 2; ++i) {
    fillOutlined(p, ellipsePath(head + QPointF(i * 1.8, 5.5 + 0.25 * i * i), 0.6, 0.6),
                 ink::kOutline, 0);
  }
  // Scarf and buttons.
  QPainterPath scarf;
  scarf.addRoundedRect(QRectF(head.x() - 9, head.y() + 6, 18, 5), 2, 2);
  scarf.addRoundedRect(QRectF(head.x() + 2, head.y() + 8, 5, 12), 2, 2);
  fillOutlined(p, scarf.simplified(), QColor(90, 160, 230), 1.2);
  for (int i = 0; i < 3; ++i) {
    fillOutlined(p, ellipsePath(base + QPointF(0, -36 + i * 6.0), 1.3, 1.3), ink::kOutline, 0);
  }
}

void drawSled(QPainter& p, QPointF base) {
  QPainterPath runner(base + QPointF(-20, 0));
  runner.lineTo(base + QPointF(16, 0));
  runner.quadTo(base + QPointF(24, 0), base + QPointF(22, -7));
  strokeLine(p, runner, 3.6, ink::kOutline);
  strokeLine(p, runner, 1.8, QColor(228, 70, 56));
  for (const qreal x : {-12.0, 8.0}) {
    QPainterPath leg(base + QPointF(x, 0));
    leg.lineTo(base + QPointF(x, -6));
    strokeLine(p, leg, 2.4, ink::kOutline);
  }
  QPainterPath seat;
  seat.addRoundedRect(QRectF(base.x() - 20, base.y() - 10, 34, 5), 2, 2);
  fillOutlined(p, seat, ink::kWood, 1.3);
  QPainterPath gift;
  gift.addRect(QRectF(base.x() - 14, base.y() - 24, 14, 14));
  fillOutlined(p, gift, QColor(120, 190, 110), 1.3);
  p.fillRect(QRectF(base.x() - 8.5, base.y() - 24, 3, 14), QColor(228, 70, 56));
  fillOutlined(p, ellipsePath(base + QPointF(-9.5, -26), 3, 2), QColor(228, 70, 56), 1.0);
  fillOutlined(p, ellipsePath(base + QPointF(-5.5, -26), 3, 2), QColor(228, 70, 56), 1.0);
}

void drawLamp(QPainter& p, QPointF base) {
  QPainterPath post;
  post.addRect(QRectF(base.x() - 2, base.y() - 54, 4, 54));
  fillOutlined(p, post, QColor(70, 70, 90), 1.2);
  QRadialGradient glow(base + QPointF(0, -60), 18);
  glow.setColorAt(0, QColor(255, 230, 140, 120));
  glow.setColorAt(1, QColor(255, 230, 140, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(base + QPointF(0, -60), 18, 18);
  const QPainterPath lamp = polygonPath({base + QPointF(-6, -54), base + QPointF(-8, -66),
                                         base + QPointF(8, -66), base + QPointF(6, -54)});
  fillOutlined(p, lamp, QColor(255, 226, 120), 1.3);
  fillOutlined(
      p, polygonPath({base + QPointF(-10, -66), base + QPointF(0, -73), base + QPointF(10, -66)}),
      QColor(70, 70, 90), 1.3);
  fillOutlined(p, ellipsePath(base + QPointF(0, -73), 5, 2), ink::kSnow, 1.0);
}

void drawRobin(QPainter& p, QPointF c) {
  fillOutlined(p, ellipsePath(c, 5.5, 4.5), QColor(150, 110, 80), 1.1);
  fillOutlined(p, ellipsePath(c + QPointF(2.5, 1), 3, 3), QColor(236, 100, 60), 0);
  fillOutlined(p, ellipsePath(c + QPointF(4, -4), 3.2, 3.2), QColor(150, 110, 80), 1.1);
  fillOutlined(p,
               polygonPath({c + QPointF(6.8, -4.6), c + QPointF(9.5, -3.8), c + QPointF(6.8, -3)}),
               ink::kStar, 0.7);
  fillOutlined(p, ellipsePath(c + QPointF(4.8, -4.8), 0.8, 0.9), ink::kOutline, 0);
}

void drawSnowfall(QPainter& p) {
  Rng rng(0x5E0F1A);
  p.setPen(QPen(QColor(170, 190, 220), 0.8));
  p.setBrush(Qt::white);
  for (int i = 0; i < 70; ++i) {
    const QPointF c(rng.uniform(2, 318), rng.uniform(2, 196));
    const qreal r = rng.uniform(1.0, 2.2);
    p.drawEllipse(c, r, r);
  }
}

}  // namespace

QImage puzzleSnow() {
  QImage image = newPuzzleCanvas();
  QPainter p(&image);
  prepare(p);
  fillVertical(p, QRectF(0, 0, kPuzzleWidth, 130), QColor(150, 190, 236), QColor(226, 236, 250));
  drawSun(p, QPointF(292, 26), 12);
  drawCloud(p, QPointF(118, 24), 0.55);
  drawBird(p, QPointF(178, 30), 0.8);
  // Snowy mountains and hills.
  for (const auto& [peak, half] :
       {std::pair{QPointF(258, 52), 66.0}, std::pair{QPointF(180, 70), 50.0}}) {
    fillOutlined(p, polygonPath({peak + QPointF(-half, 80), peak, peak + QPointF(half, 80)}),
                 QColor(170, 184, 220), 1.4);
    fillOutlined(
        p,
        polygonPath({peak, peak + QPointF(-half * 0.3, 24), peak + QPointF(-half * 0.1, 18),
                     peak + QPointF(half * 0.08, 26), peak + QPointF(half * 0.3, 24)}),
        ink::kSnow, 1.2);
  }
  drawHill(p, QPointF(80, 140), 140, 34, ink::kSnowShade.lighter(106));
  drawHill(p, QPointF(270, 138), 100, 28, ink::kSnowShade.lighter(106));
  drawPine(p, QPointF(300, 122), 44, true);
  drawPine(p, QPointF(226, 128), 40, true);
  drawChurch(p, QPointF(42, 128));
  const QRectF cottage(98, 90, 44, 36);
  drawSmoke(p, chimneyTop(cottage) + QPointF(1, -4), 1.1);
  drawHouse(p, cottage, QColor(250, 220, 170), QColor(176, 90, 70), true);
  const QRectF blueHouse(176, 104, 40, 34);
  drawSmoke(p, chimneyTop(blueHouse) + QPointF(1, -4), 1.0);
  drawHouse(p, blueHouse, QColor(220, 236, 250), QColor(90, 130, 200), true);
  drawMeadowGround(p, 136, ink::kSnow);
  p.setPen(QPen(ink::kSnowShade, 1.4));
  for (const QPointF& c :
       {QPointF(30, 170), QPointF(150, 160), QPointF(250, 176), QPointF(110, 190)}) {
    p.drawArc(QRectF(c.x() - 16, c.y() - 4, 32, 8), 20 * 16, 140 * 16);
  }
  // Frozen pond.
  fillOutlined(p, ellipsePath(QPointF(160, 178), 34, 9), QColor(190, 226, 246), 1.4);
  p.setPen(QPen(Qt::white, 1.2));
  p.drawLine(QPointF(140, 176), QPointF(156, 174));
  p.drawLine(QPointF(166, 182), QPointF(180, 180));
  drawSnowman(p, QPointF(46, 188));
  drawSled(p, QPointF(112, 162));
  drawRabbit(p, {{96, 190}, 1.0}, QColor(252, 252, 255));
  drawFence(p, 222, 322, 160, 16, ink::kWood);
  p.fillRect(QRectF(220, 146, 104, 2.5), ink::kSnow);
  drawRobin(p, QPointF(262, 143));
  drawLamp(p, QPointF(238, 196));
  drawPine(p, QPointF(290, 200), 58, true);
  drawDuck(p, {{176, 180}, 0.9, true});
  drawSnowfall(p);
  return image;
}

}  // namespace art
