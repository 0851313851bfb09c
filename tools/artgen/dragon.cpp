// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A friendly green dragon sitting on the grass, wing raised and smiling.
#include "animals.h"
#include "common.h"
#include "nature.h"

namespace art {
namespace {

constexpr qreal kLine = 2.0;
const QColor kScales{112, 190, 92};
const QColor kScalesDark{80, 150, 72};
const QColor kBelly{253, 226, 146};
const QColor kSpine{246, 142, 56};
const QColor kWing{250, 186, 96};
const QColor kHorn{255, 244, 214};

void drawTail(QPainter& p) {
  QPainterPath tail(QPointF(-22, -30));
  tail.cubicTo(QPointF(-52, -4), QPointF(-80, -2), QPointF(-84, -24));
  tail.quadTo(QPointF(-86, -34), QPointF(-80, -40));
  QPainterPath outline = tail;
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink::kOutline, 17 + 2 * kLine, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(outline);
  p.restore();
  // Spines along the tail.
  for (const QPointF& c : {QPointF(-46, -20), QPointF(-62, -17), QPointF(-76, -23)}) {
    fillOutlined(p, triangle(c + QPointF(-5, 0), c + QPointF(0, -12), c + QPointF(5, 0)), kSpine,
                 1.6);
  }
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kScales, 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(tail);
  p.restore();
  fillOutlined(p,
               triangle(QPointF(-93, -40), QPointF(-80, -58), QPointF(-67, -40))
                   .united(triangle(QPointF(-86, -42), QPointF(-80, -34), QPointF(-74, -42))),
               kSpine, kLine);
}

void drawWing(QPainter& p) {
  const QPointF root(-12, -92);
  QPainterPath wing(root);
  wing.lineTo(QPointF(-46, -150));
  wing.quadTo(QPointF(-52, -128), QPointF(-70, -124));
  wing.quadTo(QPointF(-62, -108), QPointF(-74, -96));
  wing.quadTo(QPointF(-58, -86), QPointF(-60, -70));
  wing.quadTo(QPointF(-40, -78), QPointF(-24, -64));
  wing.closeSubpath();
  fillOutlined(p, wing, kWing, kLine);
  for (const QPointF& tip : {QPointF(-70, -124), QPointF(-74, -96), QPointF(-60, -70)}) {
    QPainterPath bone(root + QPointF(-6, 2));
    bone.lineTo(tip);
    strokeLine(p, bone, 1.6, kWing.darker(135));
  }
  QPainterPath arm(root);
  arm.lineTo(QPointF(-46, -150));
  strokeLine(p, arm, 5 + 2 * kLine, ink::kOutline);
  strokeLine(p, arm, 5, kScalesDark);
  fillOutlined(p, ellipsePath(QPointF(-46, -151), 3, 3), kHorn, 1.4);
}

void drawBackSpines(QPainter& p) {
  const QPointF spots[] = {{-4, -108}, {-16, -94}, {-25, -78}, {-30, -60}, {-30, -42}};
  for (const QPointF& c : spots) {
    fillOutlined(p, triangle(c + QPointF(4, -3), c + QPointF(-10, -6), c + QPointF(2, 8)), kSpine,
                 1.6);
  }
}

void drawBody(QPainter& p) {
  QPainterPath body(QPointF(-28, -14));
  body.cubicTo(QPointF(-40, -50), QPointF(-24, -96), QPointF(0, -110));
  body.lineTo(QPointF(20, -100));
  body.cubicTo(QPointF(18, -80), QPointF(34, -50), QPointF(32, -22));
  body.quadTo(QPointF(28, 0), QPointF(0, 0));
  body.quadTo(QPointF(-22, 0), QPointF(-28, -14));
  fillOutlined(p, body, kScales, kLine);
  QPainterPath belly(QPointF(-4, -4));
  belly.cubicTo(QPointF(-10, -40), QPointF(2, -80), QPointF(14, -92));
  belly.cubicTo(QPointF(18, -70), QPointF(30, -40), QPointF(24, -14));
  belly.quadTo(QPointF(20, -3), QPointF(-4, -4));
  fillOutlined(p, belly, kBelly, 1.6);
  p.save();
  p.setClipPath(belly);
  p.setPen(QPen(kBelly.darker(125), 1.4));
  for (int i = 0; i < 6; ++i) {
    const qreal y = -14 - i * 13.0;
    p.drawLine(QPointF(-20, y), QPointF(40, y - 4));
  }
  p.restore();
}

void drawLegs(QPainter& p) {
  fillOutlined(p, ellipsePath(QPointF(-14, -22), 17, 15), kScales, kLine);
  p.setPen(Qt::NoPen);
  p.setBrush(kScalesDark);
  p.drawEllipse(QPointF(-18, -26), 5, 3.5);
  p.drawEllipse(QPointF(-8, -16), 3.5, 2.5);
  QPainterPath foot;
  foot.addRoundedRect(QRectF(-20, -10, 30, 11), 5.5, 5.5);
  fillOutlined(p, foot, kScales, kLine);
  for (int i = 0; i < 3; ++i) {
    fillOutlined(p, ellipsePath(QPointF(-1 + i * 5.0, -0.5), 2.4, 2.2), kHorn, 1.3);
  }
  // Front arm waving hello.
  QPolygonF arm;
  arm << QPointF(18, -70) << QPointF(34, -66) << QPointF(42, -84);
  drawLimb(p, arm, 9, kScales, kLine);
  fillOutlined(p, ellipsePath(QPointF(43, -87), 6, 5.5), kScales, kLine);
  for (int i = -1; i <= 1; ++i) {
    fillOutlined(p, ellipsePath(QPointF(43 + i * 4.0, -93 + (i == 0 ? -1 : 0)), 1.8, 2.2), kHorn,
                 1.1);
  }
}

void drawHead(QPainter& p) {
  const QPointF c(24, -122);
  for (int side : {-1, 1}) {
    const QPointF base = c + QPointF(side * 8.0 - 5, -13);
    QPainterPath horn(base + QPointF(-5, 0));
    horn.quadTo(base + QPointF(-5, -14), base + QPointF(-11, -22));
    horn.quadTo(base + QPointF(4, -16), base + QPointF(5, 0));
    horn.closeSubpath();
    fillOutlined(p, horn, kHorn, 1.6);
  }
  fillOutlined(p, triangle(c + QPointF(-22, -2), c + QPointF(-34, -10), c + QPointF(-18, -12)),
               kSpine, 1.6);
  QPainterPath head = ellipsePath(c, 21, 18);
  head = head.united(ellipsePath(c + QPointF(20, 8), 18, 12));
  fillOutlined(p, head.simplified(), kScales, kLine);
  fillOutlined(p, ellipsePath(c + QPointF(22, 13), 13, 6), kBelly, 0);
  strokeLine(p, head.simplified(), kLine, ink::kOutline);
  for (const QPointF& n : {QPointF(30, 2), QPointF(37, 3)}) {
    fillOutlined(p, ellipsePath(c + n, 1.6, 1.2), ink::kOutline, 0);
  }
  drawEye(p, c + QPointF(-2, -6), 6.0, QPointF(0.6, 0.1));
  drawEye(p, c + QPointF(12, -6), 5.2, QPointF(0.6, 0.1));
  QPainterPath mouth(c + QPointF(8, 12));
  mouth.quadTo(c + QPointF(22, 22), c + QPointF(36, 11));
  strokeLine(p, mouth, 1.8, ink::kOutline);
  fillOutlined(p, triangle(c + QPointF(15, 15.5), c + QPointF(19, 16.8), c + QPointF(17.5, 20.5)),
               Qt::white, 1.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 128, 128, 120));
  p.drawEllipse(c + QPointF(2, 7), 5, 3.2);
}

}  // namespace

void drawDragon(QPainter& p, const Place& place) {
  Placed placed(p, place);
  drawTail(p);
  drawWing(p);
  drawBackSpines(p);
  drawBody(p);
  drawLegs(p);
  drawHead(p);
}

}  // namespace art
