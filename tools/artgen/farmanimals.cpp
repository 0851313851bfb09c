// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Farm animals: cow, pig, hen and chick, sheep, duck and cat.
#include <cmath>

#include "animals.h"
#include "common.h"
#include "nature.h"

namespace art {
namespace {

constexpr qreal kLine = 1.3;
const QColor kCowWhite{252, 249, 242};
const QColor kCowPatch{72, 58, 58};
const QColor kPink{248, 178, 186};
const QColor kPinkDark{226, 132, 148};
const QColor kBeak{250, 170, 50};
const QColor kComb{226, 58, 52};

QPainterPath rounded(qreal x, qreal y, qreal w, qreal h, qreal r) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, w, h), r, r);
  return path;
}

void drawLegs(QPainter& p, std::initializer_list<qreal> xs, qreal top, qreal w, const QColor& leg,
              const QColor& hoof) {
  for (const qreal x : xs) {
    fillOutlined(p, rounded(x - w / 2, top, w, -top + 0.5, w * 0.3), leg, kLine);
    fillOutlined(p, rounded(x - w / 2, -2.8, w, 3.3, w * 0.3), hoof, kLine);
  }
}

}  // namespace

void drawCow(QPainter& p, const Place& place) {
  Placed placed(p, place);
  QPainterPath tail(QPointF(-21, -27));
  tail.quadTo(QPointF(-28, -22), QPointF(-26, -11));
  strokeLine(p, tail, 3.2, ink::kOutline);
  strokeLine(p, tail, 1.4, kCowWhite);
  fillOutlined(p, ellipsePath(QPointF(-26, -9.5), 2.6, 3.2), kCowPatch, kLine);
  drawLegs(p, {-16.0, -9.0, 7.0, 13.5}, -14, 5.5, kCowWhite, kCowPatch);
  fillOutlined(p, ellipsePath(QPointF(-3, -10.5), 5.5, 3.8), kPink, kLine);
  const QPainterPath body = rounded(-22, -33, 42, 23, 10);
  fillOutlined(p, body, kCowWhite, kLine);
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(kCowPatch);
  p.drawEllipse(QPointF(-13, -25), 7, 5.5);
  p.drawEllipse(QPointF(5, -15), 6.5, 5);
  p.drawEllipse(QPointF(-1, -34), 6, 4.5);
  p.restore();
  strokeLine(p, body, kLine, ink::kOutline);
  // Head, seen from the front, at the right end of the body.
  const QPointF head(22, -32);
  for (int side : {-1, 1}) {
    QPainterPath horn(head + QPointF(side * 4.0, -7));
    horn.quadTo(head + QPointF(side * 7.0, -12), head + QPointF(side * 5.0, -14));
    strokeLine(p, horn, 3.6, ink::kOutline);
    strokeLine(p, horn, 2.0, QColor(250, 230, 180));
    fillOutlined(p, ellipsePath(head + QPointF(side * 10.0, -4), 4.5, 2.3), kCowWhite, kLine);
  }
  const QPainterPath face = ellipsePath(head, 8.5, 9.5);
  fillOutlined(p, face, kCowWhite, kLine);
  p.save();
  p.setClipPath(face);
  p.setPen(Qt::NoPen);
  p.setBrush(kCowPatch);
  p.drawEllipse(head + QPointF(5, -6), 5, 5);
  p.restore();
  drawEye(p, head + QPointF(-3.2, -2.5), 1.9);
  drawEye(p, head + QPointF(3.2, -2.5), 1.9);
  fillOutlined(p, ellipsePath(head + QPointF(0, 6.5), 8.5, 5.5), kPink, kLine);
  fillOutlined(p, ellipsePath(head + QPointF(-3, 6), 1.2, 1.7), kPinkDark.darker(150), 0);
  fillOutlined(p, ellipsePath(head + QPointF(3, 6), 1.2, 1.7), kPinkDark.darker(150), 0);
  // Collar with a little bell.
  QPainterPath collar(head + QPointF(-7, 11));
  collar.quadTo(head + QPointF(0, 15), head + QPointF(7, 11));
  strokeLine(p, collar, 2.2, QColor(214, 66, 56));
  fillOutlined(p, ellipsePath(head + QPointF(0, 15.5), 2.4, 2.4), ink::kStar, 1.0);
}

void drawPig(QPainter& p, const Place& place, bool muddy) {
  Placed placed(p, place);
  QPainterPath tail(QPointF(-17, -18));
  tail.cubicTo(QPointF(-23, -20), QPointF(-22, -26), QPointF(-19, -25));
  tail.cubicTo(QPointF(-16, -24), QPointF(-19, -20), QPointF(-23, -22));
  strokeLine(p, tail, 1.6, kPinkDark.darker(130));
  drawLegs(p, {-11.0, -5.0, 6.0, 11.5}, -10, 5, kPink, kPinkDark);
  const QPainterPath body = ellipsePath(QPointF(0, -16), 18, 11.5);
  fillOutlined(p, body, kPink, kLine);
  if (muddy) {
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(136, 92, 58));
    p.drawEllipse(QPointF(-8, -7), 9, 4);
    p.drawEllipse(QPointF(-2, -20), 3.5, 2.5);
    p.drawEllipse(QPointF(7, -9), 4, 3);
    p.restore();
    strokeLine(p, body, kLine, ink::kOutline);
  }
  const QPointF head(16, -20);
  fillOutlined(p, triangle(head + QPointF(-8, -4), head + QPointF(-7, -13), head + QPointF(-2, -8)),
               kPinkDark, kLine);
  fillOutlined(p, triangle(head + QPointF(8, -4), head + QPointF(7, -13), head + QPointF(2, -8)),
               kPinkDark, kLine);
  fillOutlined(p, ellipsePath(head, 9.5, 9), kPink, kLine);
  drawEye(p, head + QPointF(-3.5, -2.5), 1.7);
  drawEye(p, head + QPointF(3.5, -2.5), 1.7);
  blush(p, head + QPointF(-6, 2.5), 2.2);
  blush(p, head + QPointF(6, 2.5), 2.2);
  fillOutlined(p, ellipsePath(head + QPointF(0, 3), 4.6, 3.4), kPinkDark, kLine);
  fillOutlined(p, ellipsePath(head + QPointF(-1.6, 3), 0.9, 1.4), ink::kOutline, 0);
  fillOutlined(p, ellipsePath(head + QPointF(1.6, 3), 0.9, 1.4), ink::kOutline, 0);
}

void drawHen(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor feathers(204, 116, 62);
  for (const qreal x : {-1.5, 3.0}) {
    QPainterPath leg(QPointF(x, -6));
    leg.lineTo(x, 0);
    leg.moveTo(x - 2.2, 0);
    leg.lineTo(x + 2.5, 0);
    strokeLine(p, leg, 1.4, kBeak.darker(115));
  }
  QPainterPath tail(QPointF(-7, -9));
  tail.quadTo(QPointF(-15, -12), QPointF(-14, -22));
  tail.quadTo(QPointF(-11, -19), QPointF(-10, -21));
  tail.quadTo(QPointF(-7, -17), QPointF(-4, -16));
  tail.closeSubpath();
  fillOutlined(p, tail, feathers.darker(125), kLine);
  fillOutlined(p, ellipsePath(QPointF(0, -11), 10, 7.8), feathers, kLine);
  QPainterPath wing(QPointF(-6, -12));
  wing.quadTo(QPointF(0, -16), QPointF(4, -10));
  wing.quadTo(QPointF(-1, -6), QPointF(-6, -12));
  fillOutlined(p, wing, feathers.darker(112), 1.0);
  const QPointF head(8, -19);
  for (int i = 0; i < 3; ++i) {
    fillOutlined(p, ellipsePath(head + QPointF(-2.5 + i * 2.4, -5 + (i == 1 ? -0.6 : 0)), 1.8, 2),
                 kComb, 1.0);
  }
  fillOutlined(p, ellipsePath(head, 5, 5), feathers, kLine);
  fillOutlined(p,
               triangle(head + QPointF(4, -1.8), head + QPointF(8.2, -0.2), head + QPointF(4, 1.3)),
               kBeak, 1.0);
  fillOutlined(p, ellipsePath(head + QPointF(4.2, 3), 1.3, 1.8), kComb, 0.9);
  drawEye(p, head + QPointF(1.5, -1.5), 1.4, QPointF(0.6, 0));
}

void drawChick(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor fluff(255, 222, 84);
  for (const qreal x : {-1.0, 1.5}) {
    QPainterPath leg(QPointF(x, -1.5));
    leg.lineTo(x, 0);
    strokeLine(p, leg, 1.0, kBeak.darker(110));
  }
  fillOutlined(p, ellipsePath(QPointF(0, -4.5), 4.8, 4.2), fluff, 1.0);
  fillOutlined(p, ellipsePath(QPointF(2.5, -9), 3.3, 3.3), fluff, 1.0);
  fillOutlined(p, triangle(QPointF(5.2, -9.8), QPointF(7.6, -8.8), QPointF(5.2, -7.9)), kBeak, 0.7);
  fillOutlined(p, ellipsePath(QPointF(3.4, -9.8), 0.7, 0.8), ink::kOutline, 0);
  QPainterPath wing(QPointF(-2.5, -5));
  wing.quadTo(QPointF(0, -3), QPointF(1.5, -5));
  strokeLine(p, wing, 0.8, fluff.darker(135));
}

void drawSheep(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor wool(252, 250, 244);
  const QColor face(76, 66, 72);
  drawLegs(p, {-10.0, -5.0, 6.0, 10.5}, -9, 3.6, face, face.darker(130));
  QPainterPath fleece;
  fleece.setFillRule(Qt::WindingFill);
  fleece.addEllipse(QPointF(0, -16), 15, 9);
  for (int i = 0; i < 12; ++i) {
    const qreal a = i * 2 * 3.14159265358979 / 12;
    fleece.addEllipse(QPointF(15 * std::cos(a), -16 + 9 * std::sin(a)), 5, 5);
  }
  fillOutlined(p, fleece.simplified(), wool, kLine);
  p.setPen(QPen(wool.darker(110), 0.9));
  p.setBrush(Qt::NoBrush);
  for (const QPointF& c : {QPointF(-6, -17), QPointF(2, -13), QPointF(5, -20), QPointF(-3, -22)}) {
    p.drawArc(QRectF(c.x() - 2.5, c.y() - 2.5, 5, 5), 30 * 16, 200 * 16);
  }
  const QPointF head(17, -19);
  fillOutlined(p, ellipsePath(head + QPointF(-6, -2), 4, 2), face, kLine);
  fillOutlined(p, ellipsePath(head + QPointF(6, -2), 4, 2), face, kLine);
  fillOutlined(p, ellipsePath(head, 5.5, 7), face, kLine);
  for (const QPointF& d : {QPointF(-2.5, -6.5), QPointF(0.5, -7.8), QPointF(3, -6.5)}) {
    fillOutlined(p, ellipsePath(head + d, 2.6, 2.6), wool, 1.0);
  }
  drawEye(p, head + QPointF(-2.2, -1.2), 1.5);
  drawEye(p, head + QPointF(2.2, -1.2), 1.5);
  QPainterPath mouth(head + QPointF(-1.5, 3.5));
  mouth.quadTo(head + QPointF(0, 4.8), head + QPointF(1.5, 3.5));
  strokeLine(p, mouth, 0.9, wool);
}

void drawDuck(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor feathers(255, 250, 236);
  QPainterPath body(QPointF(-12, -8));
  body.quadTo(QPointF(-11, -2), QPointF(-4, 1));
  body.quadTo(QPointF(6, 3), QPointF(11, -3));
  body.quadTo(QPointF(11, -9), QPointF(3, -9));
  body.quadTo(QPointF(-6, -7), QPointF(-12, -13));
  body.closeSubpath();
  fillOutlined(p, body, feathers, kLine);
  QPainterPath wing(QPointF(-6, -6));
  wing.quadTo(QPointF(0, -9), QPointF(4, -4));
  wing.quadTo(QPointF(-2, -2), QPointF(-6, -6));
  fillOutlined(p, wing, feathers.darker(108), 1.0);
  const QPointF head(7, -14);
  fillOutlined(p, ellipsePath(head + QPointF(-1, 4), 3, 4), feathers, kLine);
  fillOutlined(p, ellipsePath(head, 4.8, 4.5), feathers, kLine);
  QPainterPath beak(head + QPointF(3.5, -1));
  beak.quadTo(head + QPointF(9, -1.5), head + QPointF(9.5, 1));
  beak.quadTo(head + QPointF(7, 2.5), head + QPointF(3.5, 1.8));
  beak.closeSubpath();
  fillOutlined(p, beak, kBeak, 1.0);
  drawEye(p, head + QPointF(1.2, -1.2), 1.3, QPointF(0.6, 0));
  blush(p, head + QPointF(0.5, 2), 1.4);
}

void drawCat(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor fur(246, 170, 86);
  const QColor stripe(204, 118, 50);
  QPainterPath tail(QPointF(7, -3));
  tail.cubicTo(QPointF(16, -2), QPointF(17, -12), QPointF(13, -16));
  strokeLine(p, tail, 4.6, ink::kOutline);
  strokeLine(p, tail, 2.4, fur);
  QPainterPath body(QPointF(-8, 0));
  body.quadTo(QPointF(-9, -12), QPointF(-4, -16));
  body.lineTo(QPointF(4, -16));
  body.quadTo(QPointF(9, -12), QPointF(8, 0));
  body.closeSubpath();
  fillOutlined(p, body, fur, kLine);
  fillOutlined(p, ellipsePath(QPointF(0, -6), 3.5, 5), QColor(255, 240, 220), 0);
  for (const qreal x : {-3.0, 3.0}) {
    fillOutlined(p, ellipsePath(QPointF(x, -1), 2.6, 1.8), QColor(255, 240, 220), 1.0);
  }
  const QPointF head(0, -21);
  for (int side : {-1, 1}) {
    fillOutlined(p,
                 triangle(head + QPointF(side * 7.5, -1), head + QPointF(side * 6.5, -10),
                          head + QPointF(side * 1.5, -6)),
                 fur, kLine);
  }
  const QPainterPath face = ellipsePath(head, 8, 7);
  fillOutlined(p, face, fur, kLine);
  p.save();
  p.setClipPath(face);
  p.setPen(QPen(stripe, 1.4));
  p.drawLine(head + QPointF(0, -7), head + QPointF(0, -4));
  p.drawLine(head + QPointF(-3, -7), head + QPointF(-2.2, -4.5));
  p.drawLine(head + QPointF(3, -7), head + QPointF(2.2, -4.5));
  p.restore();
  drawEye(p, head + QPointF(-3, -0.5), 1.6);
  drawEye(p, head + QPointF(3, -0.5), 1.6);
  fillOutlined(p, triangle(head + QPointF(-1.2, 2), head + QPointF(1.2, 2), head + QPointF(0, 3.3)),
               kPinkDark, 0.6);
  p.setPen(QPen(ink::kOutline, 0.6));
  for (int side : {-1, 1}) {
    p.drawLine(head + QPointF(side * 3.0, 3), head + QPointF(side * 10.0, 2));
    p.drawLine(head + QPointF(side * 3.0, 3.8), head + QPointF(side * 10.0, 4.6));
  }
}

}  // namespace art
