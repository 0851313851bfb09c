// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole-screen backgrounds (800x600). The game draws panels and words over
// them, so they stay calm: soft colours, big quiet areas, details near the
// edges.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <utility>

#include "animals.h"
#include "castle.h"
#include "common.h"
#include "generators.h"
#include "nature.h"

namespace art {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

QImage canvas() {
  return opaqueImage(kWidth, kHeight, Qt::white);
}

// A wide band of land whose top edge rolls gently; `phase` moves the bumps.
QPainterPath rollingLand(qreal top, qreal height, qreal phase, int bumps) {
  QPainterPath land(QPointF(-10, top));
  for (int x = -10; x <= kWidth + 10; x += 10) {
    const qreal y = top - height * (0.5 + 0.5 * std::sin(phase + x * bumps * kPi / kWidth));
    land.lineTo(x, y);
  }
  land.lineTo(kWidth + 10, kHeight + 10);
  land.lineTo(-10, kHeight + 10);
  land.closeSubpath();
  return land;
}

void softClouds(QPainter& p, std::initializer_list<std::pair<QPointF, qreal>> clouds) {
  for (const auto& [c, s] : clouds) {
    drawCloud(p, c, s);
  }
}

QImage sky() {
  QImage image = canvas();
  QPainter p(&image);
  prepare(p);
  fillVertical(p, QRectF(0, 0, kWidth, kHeight), QColor(112, 188, 240), QColor(226, 244, 255));
  QRadialGradient sunGlow(QPointF(740, 60), 260);
  sunGlow.setColorAt(0, QColor(255, 246, 200, 150));
  sunGlow.setColorAt(1, QColor(255, 246, 200, 0));
  p.fillRect(QRectF(0, 0, kWidth, kHeight), sunGlow);
  drawSun(p, QPointF(742, 58), 34);
  softClouds(p, {{QPointF(120, 90), 2.2},
                 {QPointF(430, 60), 1.4},
                 {QPointF(640, 250), 1.8},
                 {QPointF(90, 420), 1.6},
                 {QPointF(520, 520), 2.4},
                 {QPointF(300, 330), 1.0}});
  drawBird(p, QPointF(250, 140), 2.0, QColor(80, 100, 140));
  drawBird(p, QPointF(282, 156), 1.5, QColor(80, 100, 140));
  drawBird(p, QPointF(700, 420), 1.6, QColor(80, 100, 140));
  return image;
}

QImage forest() {
  QImage image = canvas();
  QPainter p(&image);
  prepare(p);
  fillVertical(p, QRectF(0, 0, kWidth, kHeight), QColor(196, 230, 240), QColor(240, 248, 220));
  QRadialGradient light(QPointF(400, 80), 420);
  light.setColorAt(0, QColor(255, 250, 210, 130));
  light.setColorAt(1, QColor(255, 250, 210, 0));
  p.fillRect(QRectF(0, 0, kWidth, kHeight), light);
  fillOutlined(p, rollingLand(420, 70, 0.3, 9), QColor(170, 214, 160), 1.5, QColor(120, 170, 120));
  for (int i = 0; i < 12; ++i) {
    const qreal x = 20 + i * 70 + (i % 3) * 12;
    drawPine(p, QPointF(x, 452 + (i % 2) * 10), 90 + (i % 3) * 18);
  }
  fillOutlined(p, rollingLand(500, 30, 1.2, 5), QColor(120, 184, 90), 1.5);
  // Big trees framing the sides.
  drawRoundTree(p, QPointF(60, 560), 330, ink::kLeafDark);
  drawRoundTree(p, QPointF(750, 570), 360, ink::kLeaf);
  drawPine(p, QPointF(170, 580), 220);
  drawPine(p, QPointF(650, 590), 200);
  for (const QPointF& c : {QPointF(250, 560), QPointF(330, 585), QPointF(480, 570),
                           QPointF(560, 590), QPointF(400, 548)}) {
    drawGrassTuft(p, c, 14);
  }
  drawMushroom(p, QPointF(220, 586), 2.0);
  drawMushroom(p, QPointF(590, 570), 1.6, QColor(250, 170, 60));
  return image;
}

QImage sea() {
  QImage image = canvas();
  QPainter p(&image);
  prepare(p);
  const qreal horizon = 300;
  fillVertical(p, QRectF(0, 0, kWidth, horizon), QColor(112, 188, 240), QColor(220, 242, 255));
  drawSun(p, QPointF(660, 110), 40);
  softClouds(p, {{QPointF(150, 80), 1.8}, {QPointF(420, 150), 1.2}, {QPointF(760, 230), 1.0}});
  QLinearGradient water(0, horizon, 0, kHeight);
  water.setColorAt(0, QColor(90, 176, 226));
  water.setColorAt(1, QColor(40, 118, 190));
  p.fillRect(QRectF(0, horizon, kWidth, kHeight - horizon), water);
  p.setPen(QPen(ink::kOutline, 1.5));
  p.drawLine(QPointF(0, horizon), QPointF(kWidth, horizon));
  Rng rng(0x5EA);
  for (int i = 0; i < 40; ++i) {
    const qreal depth = rng.uniform(0, 1);
    const QPointF c(rng.uniform(0, kWidth), horizon + 12 + depth * depth * 270);
    const qreal w = 8 + depth * 22;
    QPainterPath wave(c + QPointF(-w, 0));
    wave.quadTo(c + QPointF(-w / 2, -w * 0.25), c);
    wave.quadTo(c + QPointF(w / 2, -w * 0.25), c + QPointF(w, 0));
    strokeLine(p, wave, 1.2 + depth * 1.5, QColor(230, 248, 255, 170));
  }
  // A sailing boat far away, and a corner of beach.
  QPainterPath hull(QPointF(150, horizon - 6));
  hull.lineTo(QPointF(196, horizon - 6));
  hull.lineTo(QPointF(188, horizon + 4));
  hull.lineTo(QPointF(158, horizon + 4));
  hull.closeSubpath();
  QPainterPath sail(QPointF(173, horizon - 46));
  sail.lineTo(QPointF(194, horizon - 10));
  sail.lineTo(QPointF(173, horizon - 10));
  sail.closeSubpath();
  fillOutlined(p, sail, Qt::white, 1.5);
  fillOutlined(p, hull, QColor(214, 96, 62), 1.5);
  QPainterPath beach(QPointF(-10, 520));
  beach.quadTo(QPointF(160, 540), QPointF(260, 610));
  beach.lineTo(-10, 610);
  beach.closeSubpath();
  fillOutlined(p, beach, ink::kSand, 1.5);
  QPainterPath foam(QPointF(-10, 516));
  foam.quadTo(QPointF(162, 535), QPointF(266, 610));
  strokeLine(p, foam, 4, QColor(255, 255, 255, 200));
  QPainterPath star = starPath(QPointF(60, 570), 16, 8);
  fillOutlined(p, star, QColor(246, 140, 70), 2.0);
  return image;
}

QImage castleWall() {
  QImage image = canvas();
  QPainter p(&image);
  prepare(p);
  drawStones(p, QRectF(0, 0, kWidth, kHeight), 1.6, 0xF0D0);
  // Soften the stones so words stay easy to read on them.
  p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(236, 222, 204, 70));
  QRadialGradient vignette(QPointF(400, 300), 520);
  vignette.setColorAt(0.55, QColor(40, 24, 20, 0));
  vignette.setColorAt(1, QColor(40, 24, 20, 120));
  p.fillRect(QRectF(0, 0, kWidth, kHeight), vignette);
  // Two banners hanging at the sides.
  for (const qreal x : {40.0, 700.0}) {
    QPainterPath cloth(QPointF(x, 30));
    cloth.lineTo(x + 60, 30);
    cloth.lineTo(x + 60, 200);
    cloth.lineTo(x + 30, 176);
    cloth.lineTo(x, 200);
    cloth.closeSubpath();
    fillOutlined(p, cloth, QColor(200, 66, 56), 2.5);
    fillOutlined(p, starPath(QPointF(x + 30, 100), 18, 8), QColor(246, 196, 72), 2.0);
    QPainterPath rod;
    rod.addRoundedRect(QRectF(x - 8, 24, 76, 8), 4, 4);
    fillOutlined(p, rod, ink::kWood, 2.0);
  }
  QPainterPath floor;
  floor.addRect(QRectF(-5, 560, kWidth + 10, 50));
  fillOutlined(p, floor, QColor(150, 126, 108), 2.0);
  p.setPen(QPen(QColor(110, 90, 80), 1.5));
  for (qreal x = 60; x < kWidth; x += 110) {
    p.drawLine(QPointF(x, 562), QPointF(x - 14, 600));
  }
  return image;
}

QImage night() {
  QImage image = canvas();
  QPainter p(&image);
  prepare(p);
  fillVertical(p, QRectF(0, 0, kWidth, kHeight), QColor(18, 22, 60), QColor(60, 66, 122));
  Rng rng(0x51A2);
  for (int i = 0; i < 170; ++i) {
    const QPointF c(rng.uniform(0, kWidth), rng.uniform(0, 470));
    const qreal r = rng.uniform(0.6, 1.8);
    const int light = rng.range(170, 255);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(light, light, 255));
    p.drawEllipse(c, r, r);
  }
  for (int i = 0; i < 14; ++i) {
    const QPointF c(rng.uniform(20, kWidth - 20), rng.uniform(20, 440));
    drawTwinkle(p, c, rng.uniform(4, 8), i % 3 == 0 ? QColor(255, 246, 220) : ink::kStar);
  }
  drawMoon(p, QPointF(660, 110), 52);
  fillOutlined(p, rollingLand(500, 60, 2.0, 3), QColor(34, 48, 76), 1.5, QColor(14, 16, 30));
  fillOutlined(p, rollingLand(550, 36, 0.4, 4), QColor(26, 62, 60), 1.5, QColor(14, 16, 30));
  // A cottage with a lit window far away on the left.
  const QRectF cottage(90, 474, 44, 34);
  drawHouse(p, cottage, QColor(120, 110, 130), QColor(90, 60, 80));
  return image;
}

QImage meadow() {
  QImage image = canvas();
  QPainter p(&image);
  prepare(p);
  fillVertical(p, QRectF(0, 0, kWidth, 460), QColor(112, 188, 240), QColor(220, 242, 255));
  drawSun(p, QPointF(90, 80), 38);
  softClouds(p, {{QPointF(380, 90), 1.6}, {QPointF(660, 160), 2.0}, {QPointF(250, 230), 1.0}});
  fillOutlined(p, rollingLand(420, 50, 0.8, 3), ink::kGrass.lighter(118), 1.5);
  fillOutlined(p, rollingLand(470, 40, 2.6, 4), ink::kGrass.lighter(108), 1.5);
  fillOutlined(p, rollingLand(520, 24, 1.4, 2), ink::kGrass, 1.5);
  drawRoundTree(p, QPointF(720, 520), 220, ink::kLeaf, true);
  drawRoundTree(p, QPointF(240, 410), 60, ink::kLeafDark);
  drawFence(p, 20, 200, 560, 34);
  Rng rng(0x9EAD);
  const QColor petals[] = {Qt::white, ink::kPetalPink, ink::kPetalBlue, ink::kSun};
  for (int i = 0; i < 26; ++i) {
    const QPointF c(rng.uniform(10, kWidth - 10), rng.uniform(530, 592));
    drawFlower(p, c, petals[i % 4], rng.uniform(1.3, 2.0));
  }
  drawButterfly(p, {{560, 470}, 2.0}, ink::kPetalPink, 0.2);
  return image;
}

}  // namespace

void makeBackgrounds(Output& out) {
  out.saveBmp(sky(), "data/fondos/cielo.bmp");
  out.saveBmp(forest(), "data/fondos/bosque.bmp");
  out.saveBmp(sea(), "data/fondos/mar.bmp");
  out.saveBmp(castleWall(), "data/fondos/castillo.bmp");
  out.saveBmp(night(), "data/fondos/noche.bmp");
  out.saveBmp(meadow(), "data/fondos/pradera.bmp");
}

}  // namespace art
