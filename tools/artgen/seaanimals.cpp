// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sea creatures: fish, crab, octopus, turtle, starfish and jellyfish.
#include <cmath>

#include "animals.h"
#include "common.h"
#include "nature.h"

namespace art {
namespace {

constexpr qreal kLine = 1.3;

}  // namespace

void drawFish(QPainter& p, const Place& place, const QColor& body, const QColor& stripe) {
  Placed placed(p, place);
  QPainterPath tail(QPointF(-6, 0));
  tail.lineTo(QPointF(-14, -6));
  tail.quadTo(QPointF(-11.5, 0), QPointF(-14, 6));
  tail.closeSubpath();
  fillOutlined(p, tail, stripe, kLine);
  QPainterPath fin(QPointF(-3, -5));
  fin.quadTo(QPointF(0, -10.5), QPointF(5, -5));
  fin.closeSubpath();
  fillOutlined(p, fin, stripe, kLine);
  const QPainterPath shape = ellipsePath(QPointF(1, 0), 9.5, 6.3);
  fillOutlined(p, shape, body, kLine);
  p.save();
  p.setClipPath(shape);
  p.fillRect(QRectF(-3, -8, 3, 16), stripe);
  p.setPen(QPen(ink::kOutline, 0.8));
  p.drawLine(QPointF(-3, -8), QPointF(-3, 8));
  p.drawLine(QPointF(0, -8), QPointF(0, 8));
  p.restore();
  strokeLine(p, shape, kLine, ink::kOutline);
  drawEye(p, QPointF(5.2, -1.6), 1.8, QPointF(0.5, 0));
  smile(p, QPointF(7.5, 2.3), 1.4);
}

void drawCrab(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor shell(234, 88, 66);
  for (int side : {-1, 1}) {
    for (int i = 0; i < 3; ++i) {
      QPainterPath leg(QPointF(side * (5.0 + i * 1.5), -4));
      leg.lineTo(QPointF(side * (10.0 + i * 2.2), -4.5 + i));
      leg.lineTo(QPointF(side * (12.0 + i * 2.4), 0));
      strokeLine(p, leg, 2.8, ink::kOutline);
      strokeLine(p, leg, 1.3, shell);
    }
    QPainterPath arm(QPointF(side * 7.0, -7));
    arm.quadTo(QPointF(side * 12.0, -9), QPointF(side * 13.0, -13));
    strokeLine(p, arm, 3.2, ink::kOutline);
    strokeLine(p, arm, 1.6, shell);
    const QPointF pincer(side * 13.5, -15.5);
    QPainterPath notch(pincer + QPointF(side * 0.5, 0.5));
    notch.lineTo(pincer + QPointF(side * -1.5, -6));
    notch.lineTo(pincer + QPointF(side * 4.0, -5));
    notch.closeSubpath();
    const QPainterPath claw = ellipsePath(pincer, 4.3, 4.3).subtracted(notch);
    fillOutlined(p, claw, shell, kLine);
    QPainterPath stalk(QPointF(side * 2.5, -9));
    stalk.lineTo(QPointF(side * 3.0, -13));
    strokeLine(p, stalk, 1.2, ink::kOutline);
    drawEye(p, QPointF(side * 3.0, -14.5), 1.8);
  }
  fillOutlined(p, ellipsePath(QPointF(0, -6), 9, 5.5), shell, kLine);
  smile(p, QPointF(0, -5), 2.2);
  blush(p, QPointF(-5, -5.5), 1.5);
  blush(p, QPointF(5, -5.5), 1.5);
}

void drawOctopus(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor skin(196, 118, 206);
  for (int i = 0; i < 6; ++i) {
    const qreal x = -7.5 + i * 3.0;
    const qreal out = (i - 2.5) * 2.4;
    QPainterPath arm(QPointF(x, -1));
    arm.cubicTo(QPointF(x + out * 0.3, 6), QPointF(x + out - 3, 8), QPointF(x + out, 12));
    arm.quadTo(QPointF(x + out + 2 * (i < 3 ? -1 : 1), 15),
               QPointF(x + out + 3 * (i < 3 ? -1 : 1), 13));
    strokeLine(p, arm, 4.4, ink::kOutline);
    strokeLine(p, arm, 2.2, skin);
  }
  QPainterPath head(QPointF(-9, 0));
  head.cubicTo(QPointF(-11, -14), QPointF(11, -14), QPointF(9, 0));
  head.quadTo(QPointF(0, 3), QPointF(-9, 0));
  fillOutlined(p, head, skin, kLine);
  p.setPen(Qt::NoPen);
  p.setBrush(skin.lighter(118));
  p.drawEllipse(QPointF(-4, -8), 1.6, 1.3);
  p.drawEllipse(QPointF(4.5, -9), 1.2, 1.0);
  drawEye(p, QPointF(-3, -3.5), 1.9);
  drawEye(p, QPointF(3, -3.5), 1.9);
  smile(p, QPointF(0, -0.5), 1.6);
  blush(p, QPointF(-6, -1), 1.5);
  blush(p, QPointF(6, -1), 1.5);
}

void drawTurtle(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor skin(150, 206, 110);
  const QColor shell(84, 150, 84);
  for (const QPointF& c :
       {QPointF(-6, -6.5), QPointF(6, -6.5), QPointF(-6, 6.5), QPointF(6, 6.5)}) {
    fillOutlined(p, ellipsePath(c + QPointF(c.x() > 0 ? 2 : -1, c.y() > 0 ? 1 : -1), 4.5, 2.6),
                 skin, kLine);
  }
  fillOutlined(p, ellipsePath(QPointF(-12, 0), 2.5, 1.5), skin, 1.0);
  fillOutlined(p, ellipsePath(QPointF(13.5, -0.5), 5, 4.2), skin, kLine);
  drawEye(p, QPointF(15, -1.5), 1.4, QPointF(0.5, 0));
  smile(p, QPointF(16.5, 1.2), 1.2, 0.8);
  const QPainterPath dome = ellipsePath(QPointF(0, 0), 11, 8);
  fillOutlined(p, dome, shell, kLine);
  p.save();
  p.setClipPath(dome);
  p.setPen(QPen(shell.darker(135), 1.0));
  p.setBrush(shell.lighter(118));
  QPolygonF hex;
  for (int i = 0; i < 6; ++i) {
    hex << QPointF(4 * std::cos(i * kPi / 3), 3.5 * std::sin(i * kPi / 3));
  }
  p.drawPolygon(hex);
  for (int i = 0; i < 6; ++i) {
    p.drawLine(hex[i], QPointF(12 * std::cos(i * kPi / 3), 9 * std::sin(i * kPi / 3)));
  }
  p.restore();
  strokeLine(p, dome, kLine, ink::kOutline);
}

void drawStarfish(QPainter& p, const Place& place, const QColor& colour) {
  Placed placed(p, place);
  const QPainterPath star = starPath(QPointF(0, 0), 10, 5, 5, -90);
  p.save();
  p.setBrush(colour);
  p.setPen(QPen(ink::kOutline, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(star);
  p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(star);
  p.setPen(Qt::NoPen);
  p.setBrush(colour.lighter(130));
  for (int i = 0; i < 5; ++i) {
    const qreal a = -kPi / 2 + i * 2 * kPi / 5;
    p.drawEllipse(QPointF(6.5 * std::cos(a), 6.5 * std::sin(a)), 0.9, 0.9);
  }
  p.restore();
  fillOutlined(p, ellipsePath(QPointF(-1.8, -0.5), 0.9, 1.1), ink::kOutline, 0);
  fillOutlined(p, ellipsePath(QPointF(1.8, -0.5), 0.9, 1.1), ink::kOutline, 0);
  smile(p, QPointF(0, 1.5), 1.3, 0.8);
}

void drawJellyfish(QPainter& p, const Place& place) {
  Placed placed(p, place);
  const QColor bell(250, 170, 206);
  for (int i = 0; i < 4; ++i) {
    const qreal x = -4.5 + i * 3.0;
    QPainterPath strand(QPointF(x, 0));
    strand.cubicTo(QPointF(x - 2, 4), QPointF(x + 2, 7), QPointF(x - 0.5, 11 + (i % 2) * 2));
    strokeLine(p, strand, 1.1, bell.darker(130));
  }
  QPainterPath top(QPointF(-8, 1));
  top.cubicTo(QPointF(-9, -12), QPointF(9, -12), QPointF(8, 1));
  top.quadTo(QPointF(6, -1), QPointF(4, 1));
  top.quadTo(QPointF(2, -1), QPointF(0, 1));
  top.quadTo(QPointF(-2, -1), QPointF(-4, 1));
  top.quadTo(QPointF(-6, -1), QPointF(-8, 1));
  fillOutlined(p, top, bell, kLine);
  fillOutlined(p, ellipsePath(QPointF(-3, -6), 1.5, 1.0), QColor(255, 255, 255, 170), 0);
  fillOutlined(p, ellipsePath(QPointF(-2.2, -3), 0.8, 1.0), ink::kOutline, 0);
  fillOutlined(p, ellipsePath(QPointF(2.2, -3), 0.8, 1.0), ink::kOutline, 0);
  smile(p, QPointF(0, -1.3), 1.0, 0.7);
}

}  // namespace art
