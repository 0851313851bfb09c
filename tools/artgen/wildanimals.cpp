// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Woodland and garden animals: fox, rabbit, squirrel, owl, hedgehog, snail,
// ladybird, bee and butterfly.
#include <cmath>

#include "animals.h"
#include "common.h"
#include "nature.h"

namespace art {
namespace {

constexpr qreal kLine = 1.3;
const QColor kFox{236, 124, 50};
const QColor kCream{255, 244, 226};
const QColor kSock{92, 56, 40};
const QColor kPinkInside{246, 164, 170};

}  // namespace

void drawFox(QPainter& p, const Place& place) {
  Placed placed(p, place);
  QPainterPath tail(QPointF(2, -1));
  tail.cubicTo(QPointF(12, 3), QPointF(26, 1), QPointF(26, -12));
  tail.quadTo(QPointF(26, -20), QPointF(20.5, -19));
  tail.quadTo(QPointF(20, -9), QPointF(10, -6.5));
  tail.quadTo(QPointF(6, -5.5), QPointF(2, -6.5));
  tail.closeSubpath();
  fillOutlined(p, tail, kFox, kLine);
  p.save();
  p.setClipPath(tail);
  p.setPen(Qt::NoPen);
  p.setBrush(kCream);
  p.drawEllipse(QPointF(24, -19), 5.5, 6.5);
  p.restore();
  strokeLine(p, tail, kLine, ink::kOutline);
  QPainterPath body(QPointF(-8.5, 0));
  body.quadTo(QPointF(-9, -12), QPointF(-5, -19));
  body.lineTo(QPointF(5, -19));
  body.quadTo(QPointF(9, -12), QPointF(8.5, 0));
  body.closeSubpath();
  fillOutlined(p, body, kFox, kLine);
  fillOutlined(p, ellipsePath(QPointF(0, -11), 4.5, 6.5), kCream, 0);
  for (const qreal x : {-3.6, 3.6}) {
    QPainterPath sock;
    sock.addRoundedRect(QRectF(x - 2.3, -8, 4.6, 8.4), 2, 2);
    fillOutlined(p, sock, kSock, 1.1);
  }
  const QPointF head(0, -26);
  for (int side : {-1, 1}) {
    const QPainterPath ear = triangle(head + QPointF(side * 8.5, -1), head + QPointF(side * 8, -14),
                                      head + QPointF(side * 1.5, -6));
    fillOutlined(p, ear, kFox, kLine);
    fillOutlined(p,
                 triangle(head + QPointF(side * 7, -3), head + QPointF(side * 7.4, -10.5),
                          head + QPointF(side * 3.5, -5.5)),
                 kSock, 0);
  }
  QPainterPath face(head + QPointF(-10, -1));
  face.quadTo(head + QPointF(-9, -8.5), head + QPointF(0, -8.5));
  face.quadTo(head + QPointF(9, -8.5), head + QPointF(10, -1));
  face.quadTo(head + QPointF(6, 6), head + QPointF(0, 6.5));
  face.quadTo(head + QPointF(-6, 6), head + QPointF(-10, -1));
  fillOutlined(p, face, kFox, kLine);
  QPainterPath muzzle(head + QPointF(-9.5, 0));
  muzzle.quadTo(head + QPointF(-4, 0), head + QPointF(0, 2.5));
  muzzle.quadTo(head + QPointF(4, 0), head + QPointF(9.5, 0));
  muzzle.quadTo(head + QPointF(6, 6), head + QPointF(0, 6.5));
  muzzle.quadTo(head + QPointF(-6, 6), head + QPointF(-9.5, 0));
  fillOutlined(p, muzzle, kCream, 0);
  strokeLine(p, face, kLine, ink::kOutline);
  drawEye(p, head + QPointF(-3.8, -2), 1.8);
  drawEye(p, head + QPointF(3.8, -2), 1.8);
  fillOutlined(p, ellipsePath(head + QPointF(0, 2.6), 1.7, 1.2), ink::kOutline, 0);
  smile(p, head + QPointF(0, 4.2), 1.8);
  blush(p, head + QPointF(-6, 2), 1.8);
  blush(p, head + QPointF(6, 2), 1.8);
}

void drawRabbit(QPainter& p, const Place& place, const QColor& fur) {
  Placed placed(p, place);
  fillOutlined(p, ellipsePath(QPointF(-6.5, -4.5), 3.2, 3.2), Qt::white, kLine);
  fillOutlined(p, ellipsePath(QPointF(0, -8), 7, 8), fur, kLine);
  fillOutlined(p, ellipsePath(QPointF(0, -7), 4, 5), kCream, 0);
  fillOutlined(p, ellipsePath(QPointF(-4, -0.9), 3.6, 1.9), fur, kLine);
  fillOutlined(p, ellipsePath(QPointF(4, -0.9), 3.6, 1.9), fur, kLine);
  const QPointF head(0, -19);
  for (int side : {-1, 1}) {
    p.save();
    p.translate(head + QPointF(side * 2.8, -9));
    p.rotate(side * 10);
    fillOutlined(p, ellipsePath(QPointF(0, 0), 2.4, 7.5), fur, kLine);
    fillOutlined(p, ellipsePath(QPointF(0, 0.5), 1.1, 5.5), kPinkInside, 0);
    p.restore();
  }
  fillOutlined(p, ellipsePath(head, 6.5, 5.8), fur, kLine);
  drawEye(p, head + QPointF(-2.5, -1), 1.4);
  drawEye(p, head + QPointF(2.5, -1), 1.4);
  fillOutlined(p, ellipsePath(head + QPointF(0, 1.6), 1.1, 0.8), kPinkInside.darker(120), 0.6);
  blush(p, head + QPointF(-4, 2), 1.4);
  blush(p, head + QPointF(4, 2), 1.4);
  p.setPen(QPen(ink::kOutline, 0.5));
  for (int side : {-1, 1}) {
    p.drawLine(head + QPointF(side * 2.0, 2.2), head + QPointF(side * 7.5, 1.2));
    p.drawLine(head + QPointF(side * 2.0, 2.8), head + QPointF(side * 7.5, 3.6));
  }
}

void drawSquirrel(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor fur(200, 108, 54);
  QPainterPath tail(QPointF(-3, -1));
  tail.cubicTo(QPointF(-19, -2), QPointF(-21, -21), QPointF(-13, -29));
  tail.cubicTo(QPointF(-7, -35), QPointF(2, -31), QPointF(-1, -24));
  tail.cubicTo(QPointF(-4, -19), QPointF(-10, -22), QPointF(-8, -14));
  tail.cubicTo(QPointF(-7, -8), QPointF(-3, -7), QPointF(-1, -5));
  tail.closeSubpath();
  fillOutlined(p, tail, fur, kLine);
  QPainterPath fluff(QPointF(-12, -8));
  fluff.quadTo(QPointF(-16, -18), QPointF(-11, -26));
  strokeLine(p, fluff, 1.0, fur.lighter(125));
  fillOutlined(p, ellipsePath(QPointF(2, -7.5), 6, 7.5), fur, kLine);
  fillOutlined(p, ellipsePath(QPointF(3.5, -6.5), 3, 5), kCream, 0);
  fillOutlined(p, ellipsePath(QPointF(4, -0.8), 4, 1.6), fur, kLine);
  const QPointF head(6, -17);
  fillOutlined(
      p, triangle(head + QPointF(-3.5, -3), head + QPointF(-2.5, -9.5), head + QPointF(0.5, -4.5)),
      fur, kLine);
  fillOutlined(p, ellipsePath(head, 5.5, 5), fur, kLine);
  fillOutlined(p, ellipsePath(head + QPointF(3, 1.5), 2.8, 2.2), kCream, 0);
  drawEye(p, head + QPointF(1.5, -1.2), 1.4, QPointF(0.6, 0));
  fillOutlined(p, ellipsePath(head + QPointF(5.2, 0.6), 1.0, 0.8), ink::kOutline, 0);
  blush(p, head + QPointF(1, 2), 1.3);
  // The acorn it holds.
  const QPointF nut(8.5, -9.5);
  fillOutlined(p, ellipsePath(nut + QPointF(0, 1), 2.4, 2.8), QColor(196, 146, 80), 1.0);
  QPainterPath cap;
  cap.addRoundedRect(QRectF(nut.x() - 2.9, nut.y() - 2.2, 5.8, 2.6), 1.2, 1.2);
  fillOutlined(p, cap, QColor(126, 82, 48), 1.0);
  fillOutlined(p, ellipsePath(QPointF(6, -9), 1.8, 1.6), fur, 1.0);
}

void drawOwl(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor feathers(160, 110, 70);
  for (int side : {-1, 1}) {
    fillOutlined(
        p, triangle(QPointF(side * 7.0, -19), QPointF(side * 8.0, -26), QPointF(side * 2.5, -20.5)),
        feathers.darker(110), kLine);
  }
  fillOutlined(p, ellipsePath(QPointF(0, -11), 8.5, 11), feathers, kLine);
  fillOutlined(p, ellipsePath(QPointF(0, -7), 5.5, 6.5), QColor(236, 210, 170), 0);
  p.setPen(QPen(feathers, 0.9));
  p.setBrush(Qt::NoBrush);
  for (const QPointF& c :
       {QPointF(-2, -8), QPointF(2, -8), QPointF(0, -5), QPointF(-2.5, -3), QPointF(2.5, -3)}) {
    p.drawArc(QRectF(c.x() - 1.3, c.y() - 1.3, 2.6, 2.6), 200 * 16, 140 * 16);
  }
  for (int side : {-1, 1}) {
    QPainterPath wing(QPointF(side * 7.0, -15));
    wing.quadTo(QPointF(side * 11.0, -8), QPointF(side * 6.0, -2));
    wing.quadTo(QPointF(side * 6.5, -9), QPointF(side * 7.0, -15));
    fillOutlined(p, wing, feathers.darker(118), 1.0);
    fillOutlined(p, ellipsePath(QPointF(side * 3.2, -15), 3.8, 3.8), QColor(246, 226, 190), 1.0);
    drawEye(p, QPointF(side * 3.2, -15), 2.2);
    fillOutlined(p, ellipsePath(QPointF(side * 2.0, 0), 1.8, 1.1), ink::kStar, 0.8);
  }
  fillOutlined(p, triangle(QPointF(-1.3, -12.5), QPointF(1.3, -12.5), QPointF(0, -10)),
               QColor(250, 170, 50), 0.8);
}

void drawHedgehog(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor spines(132, 92, 64);
  const QColor skin(236, 202, 160);
  QPainterPath back(QPointF(-12, 0));
  const int spikes = 9;
  for (int i = 0; i <= spikes; ++i) {
    const qreal a = 3.14159265358979 * (1.0 - static_cast<qreal>(i) / spikes);
    const QPointF out(13 * std::cos(a), -11 * std::sin(a) - 1);
    const qreal am = a - 3.14159265358979 / (2 * spikes);
    back.lineTo(out + QPointF(-1.5, 0));
    if (i < spikes) {
      back.lineTo(QPointF(10 * std::cos(am) - 1, -8.5 * std::sin(am) - 1));
    }
  }
  back.lineTo(QPointF(9, 0));
  back.closeSubpath();
  fillOutlined(p, back, spines, kLine);
  QPainterPath face(QPointF(4, -1));
  face.quadTo(QPointF(4, -10), QPointF(9, -9));
  face.quadTo(QPointF(13, -6), QPointF(17, -3.5));
  face.quadTo(QPointF(14, -0.5), QPointF(4, -1));
  fillOutlined(p, face, skin, kLine);
  fillOutlined(p, ellipsePath(QPointF(17, -3.5), 1.5, 1.3), ink::kOutline, 0);
  drawEye(p, QPointF(10, -6), 1.3, QPointF(0.6, 0));
  blush(p, QPointF(11, -3), 1.3);
  for (const qreal x : {-5.0, 4.0}) {
    fillOutlined(p, ellipsePath(QPointF(x, 0), 2.2, 1.2), skin.darker(110), 1.0);
  }
}

void drawSnail(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor body(226, 198, 160);
  QPainterPath foot(QPointF(-11, 0));
  foot.lineTo(QPointF(7, 0));
  foot.quadTo(QPointF(11, 0), QPointF(11, -5));
  foot.lineTo(QPointF(10, -9));
  foot.quadTo(QPointF(7, -11), QPointF(6, -7));
  foot.lineTo(QPointF(5, -3));
  foot.lineTo(QPointF(-8, -3));
  foot.quadTo(QPointF(-12, -2), QPointF(-11, 0));
  fillOutlined(p, foot, body, kLine);
  for (const qreal dx : {-1.0, 1.5}) {
    QPainterPath stalk(QPointF(8.5 + dx * 0.5, -9));
    stalk.lineTo(QPointF(8.5 + dx * 2, -14));
    strokeLine(p, stalk, 1.0, ink::kOutline);
    fillOutlined(p, ellipsePath(QPointF(8.5 + dx * 2, -14), 1.3, 1.3), body, 0.8);
  }
  blush(p, QPointF(9.5, -5), 1.2);
  fillOutlined(p, ellipsePath(QPointF(-2, -8.5), 7, 7), QColor(236, 150, 76), kLine);
  QPainterPath spiral;
  for (int i = 0; i <= 30; ++i) {
    const qreal t = i / 30.0;
    const qreal a = t * 4.2 * 3.14159265358979;
    const QPointF pt = QPointF(-2, -8.5) + QPointF(std::cos(a), std::sin(a)) * (5.5 * (1 - t));
    if (i == 0) {
      spiral.moveTo(pt);
    } else {
      spiral.lineTo(pt);
    }
  }
  strokeLine(p, spiral, 1.0, QColor(160, 84, 40));
}

void drawLadybird(QPainter& p, const Place& place) {
  Placed placed(p, place);
  for (int side : {-1, 1}) {
    QPainterPath antenna(QPointF(6, side * 1.5));
    antenna.quadTo(QPointF(9, side * 2.0), QPointF(10, side * 4.0));
    strokeLine(p, antenna, 0.8, ink::kOutline);
    for (int i = -1; i <= 1; ++i) {
      QPainterPath leg(QPointF(i * 3.0, side * 4.5));
      leg.lineTo(QPointF(i * 3.5, side * 7.0));
      strokeLine(p, leg, 1.0, ink::kOutline);
    }
  }
  fillOutlined(p, ellipsePath(QPointF(5.5, 0), 3, 3.2), QColor(50, 40, 44), 1.0);
  fillOutlined(p, ellipsePath(QPointF(0, 0), 6.5, 5.8), QColor(228, 50, 44), 1.1);
  p.setPen(QPen(ink::kOutline, 0.9));
  p.drawLine(QPointF(-6.5, 0), QPointF(4.5, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(50, 40, 44));
  for (const QPointF& c : {QPointF(-3, -3), QPointF(1.5, -3.3), QPointF(-3, 3), QPointF(1.5, 3.3),
                           QPointF(-5, 0.01)}) {
    p.drawEllipse(c, 1.3, 1.3);
  }
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(QPointF(-1, -2), 1.6, 0.8);
  p.drawEllipse(QPointF(6.2, -1), 0.6, 0.6);
}

void drawBee(QPainter& p, const Place& place) {
  Placed placed(p, place);
  for (int side : {-1, 1}) {
    fillOutlined(p, ellipsePath(QPointF(-1 + side * 1.5, -6), 3.2, 4.5), QColor(220, 240, 255, 220),
                 0.9);
  }
  QPainterPath sting(QPointF(-6.5, -0.8));
  sting.lineTo(QPointF(-9, 0));
  sting.lineTo(QPointF(-6.5, 0.8));
  fillOutlined(p, sting, ink::kOutline, 0.6);
  const QPainterPath body = ellipsePath(QPointF(0, 0), 6.5, 4.5);
  fillOutlined(p, body, QColor(255, 204, 48), 1.0);
  p.save();
  p.setClipPath(body);
  p.fillRect(QRectF(-3.5, -5, 2, 10), QColor(60, 44, 40));
  p.fillRect(QRectF(0.5, -5, 2, 10), QColor(60, 44, 40));
  p.restore();
  strokeLine(p, body, 1.0, ink::kOutline);
  fillOutlined(p, ellipsePath(QPointF(4, -1), 1.0, 1.1), ink::kOutline, 0);
  QPainterPath antenna(QPointF(5, -3.5));
  antenna.quadTo(QPointF(6, -6), QPointF(8, -6.5));
  strokeLine(p, antenna, 0.7, ink::kOutline);
}

void drawButterfly(QPainter& p, const Place& place, const QColor& wings, qreal flap) {
  Placed placed(p, place);
  const qreal open = 1.0 - 0.75 * flap;
  for (int side : {-1, 1}) {
    p.save();
    p.scale(side * open, 1.0);
    QPainterPath upper(QPointF(0.5, -1));
    upper.cubicTo(QPointF(4, -11), QPointF(13, -12), QPointF(11, -4));
    upper.quadTo(QPointF(9, 0), QPointF(0.5, 0.5));
    upper.closeSubpath();
    QPainterPath lower(QPointF(0.5, 0.5));
    lower.quadTo(QPointF(10, 1), QPointF(8.5, 7));
    lower.quadTo(QPointF(5, 10), QPointF(0.5, 3));
    lower.closeSubpath();
    fillOutlined(p, lower, wings.darker(112), 1.1);
    fillOutlined(p, upper, wings, 1.1);
    fillOutlined(p, ellipsePath(QPointF(7, -5.5), 2, 2), QColor(255, 246, 200), 0.8);
    fillOutlined(p, ellipsePath(QPointF(5, 4.5), 1.3, 1.3), QColor(255, 246, 200), 0.7);
    p.restore();
  }
  fillOutlined(p, ellipsePath(QPointF(0, 1), 1.3, 5), QColor(70, 50, 50), 0.8);
  for (int side : {-1, 1}) {
    QPainterPath antenna(QPointF(0, -3.5));
    antenna.quadTo(QPointF(side * 1.5, -8), QPointF(side * 3.5, -9));
    strokeLine(p, antenna, 0.8, ink::kOutline);
    fillOutlined(p, ellipsePath(QPointF(side * 3.5, -9), 0.8, 0.8), ink::kOutline, 0);
  }
}

}  // namespace art
