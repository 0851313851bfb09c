// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "child.h"

#include <array>

#include "common.h"

namespace art {
namespace {

constexpr QPointF kHeadCentre{40, 38};
constexpr qreal kHeadRadius = 22;
constexpr QPointF kNeck{40, 58};

QPolygonF poly(std::initializer_list<QPointF> points) {
  return QPolygonF(QList<QPointF>(points));
}

void drawLeg(QPainter& p, const QPolygonF& leg, qreal toe) {
  drawLimb(p, leg, 11.0, ink::kTrousers);
  const QPointF ankle = leg.last();
  const QPointF shoeCentre(ankle.x() + toe, ankle.y() + 5.0);
  fillOutlined(p, ellipsePath(shoeCentre, 8.5, 5.0), ink::kShoe);
  // A small shine on the toe cap.
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawEllipse(QPointF(shoeCentre.x() + toe * 0.4, shoeCentre.y() - 2.0), 3.0, 1.3);
  p.restore();
}

void drawLegs(QPainter& p, const ChildPose& pose) {
  const qreal leftToe = pose.shoeTurn != 0 ? pose.shoeTurn : -2.0;
  const qreal rightToe = pose.shoeTurn != 0 ? pose.shoeTurn : 2.0;
  drawLeg(p, pose.leftLeg, leftToe);
  drawLeg(p, pose.rightLeg, rightToe);
}

QPainterPath bodyPath(qreal lift) {
  QPainterPath path;
  path.moveTo(29, 61 - lift);
  path.lineTo(51, 61 - lift);
  path.quadTo(56, 62 - lift, 56, 68 - lift);
  path.lineTo(55, 97);
  path.quadTo(40, 100, 25, 97);
  path.lineTo(24, 68 - lift);
  path.quadTo(24, 62 - lift, 29, 61 - lift);
  path.closeSubpath();
  return path;
}

void drawBody(QPainter& p, const ChildPose& pose) {
  const QPainterPath body = bodyPath(pose.breathe);
  fillOutlined(p, body, ink::kShirt);
  p.save();
  p.setClipPath(body);
  p.fillRect(QRectF(20, 78, 40, 6), ink::kShirtStripe);
  p.setPen(QPen(ink::kOutline, 1.2));
  p.drawLine(QPointF(20, 78), QPointF(60, 78));
  p.drawLine(QPointF(20, 84), QPointF(60, 84));
  p.restore();
  // Outline again so the stripe does not cover it.
  strokeLine(p, body, 2.0, ink::kOutline);
}

void drawArm(QPainter& p, const QPolygonF& arm) {
  drawLimb(p, arm, 7.5, ink::kSkin);
  const QPointF shoulder = arm.first();
  const QPointF elbow = arm.at(1);
  const QPointF sleeveEnd = shoulder + (elbow - shoulder) * 0.5;
  drawLimb(p, poly({shoulder, sleeveEnd}), 9.5, ink::kShirt);
  fillOutlined(p, ellipsePath(arm.last(), 4.6, 4.6), ink::kSkin, 1.8);
}

void drawEars(QPainter& p, const ChildPose& pose) {
  const qreal turn = pose.facing == Facing::Front ? pose.faceTurn : 0.0;
  const qreal y = kHeadCentre.y() + 4;
  if (turn > -3) {
    fillOutlined(p, ellipsePath(QPointF(18.5 + turn * 0.3, y), 4.5, 5.5), ink::kSkin, 1.8);
  }
  if (turn < 3) {
    fillOutlined(p, ellipsePath(QPointF(61.5 + turn * 0.3, y), 4.5, 5.5), ink::kSkin, 1.8);
  }
}

QPainterPath frontHairPath(qreal shift) {
  QPainterPath hair;
  hair.moveTo(18, 44);
  hair.cubicTo(12, 2, 68, 2, 62, 44);
  const std::array<QPointF, 8> fringe{
      {{60, 36}, {54, 27}, {48, 31}, {41, 25}, {34, 30}, {27, 26}, {21, 34}, {19.5, 42}}};
  QPointF previous(62, 44);
  for (const QPointF& raw : fringe) {
    const QPointF pt(raw.x() + shift * (1.0 - qAbs(raw.x() - 40) / 25.0), raw.y());
    const QPointF control = (previous + pt) / 2.0 + QPointF(0, 4);
    hair.quadTo(control, pt);
    previous = pt;
  }
  hair.closeSubpath();
  return hair;
}

QPainterPath backHairPath() {
  QPainterPath hair;
  hair.moveTo(17.5, 46);
  hair.cubicTo(12, 2, 68, 2, 62.5, 46);
  hair.quadTo(56, 52, 50, 49);
  hair.quadTo(45, 54, 40, 50);
  hair.quadTo(35, 54, 30, 49);
  hair.quadTo(24, 52, 17.5, 46);
  hair.closeSubpath();
  return hair;
}

void drawHairTuft(QPainter& p) {
  QPainterPath tuft;
  tuft.moveTo(37, 14);
  tuft.quadTo(39, 3, 49, 5);
  tuft.quadTo(43, 8, 44, 14);
  tuft.closeSubpath();
  fillOutlined(p, tuft, ink::kHair, 1.8);
}

void drawEye(QPainter& p, QPointF centre, const ChildPose& pose) {
  if (pose.eyes == Eyes::Happy) {
    QPainterPath arc;
    arc.moveTo(centre + QPointF(-4.5, 1.5));
    arc.quadTo(centre + QPointF(0, -5), centre + QPointF(4.5, 1.5));
    strokeLine(p, arc, 2.2, ink::kOutline);
    return;
  }
  const bool wide = pose.eyes == Eyes::Surprised;
  const QPainterPath white = ellipsePath(centre, wide ? 5.0 : 4.4, wide ? 6.3 : 5.4);
  fillOutlined(p, white, Qt::white, 1.5);
  p.save();
  p.setClipPath(white);
  p.setPen(Qt::NoPen);
  const QPointF pupil = centre + pose.look + QPointF(0, 0.5);
  p.setBrush(QColor(52, 34, 26));
  p.drawEllipse(pupil, wide ? 2.3 : 3.1, wide ? 2.3 : 3.3);
  p.setBrush(Qt::white);
  p.drawEllipse(pupil + QPointF(-1.0, -1.2), 1.1, 1.1);
  p.restore();
}

void drawBrow(QPainter& p, QPointF eye, bool raised) {
  const qreal lift = raised ? 3.0 : 0.0;
  QPainterPath brow;
  brow.moveTo(eye + QPointF(-4, -8 - lift));
  brow.quadTo(eye + QPointF(0, -10.5 - lift), eye + QPointF(4, -8 - lift));
  strokeLine(p, brow, 1.8, shade(ink::kHair, 70));
}

void drawMouth(QPainter& p, const ChildPose& pose, qreal mx) {
  if (pose.mouth == Mouth::Smile) {
    QPainterPath smile;
    smile.moveTo(mx - 6, 51);
    smile.quadTo(mx, 57, mx + 6, 51);
    strokeLine(p, smile, 2.0, ink::kOutline);
  } else if (pose.mouth == Mouth::Grin) {
    QPainterPath grin;
    grin.moveTo(mx - 8, 49);
    grin.quadTo(mx, 50, mx + 8, 49);
    grin.quadTo(mx + 7, 58, mx, 58);
    grin.quadTo(mx - 7, 58, mx - 8, 49);
    grin.closeSubpath();
    fillOutlined(p, grin, ink::kMouth, 1.8);
    p.save();
    p.setClipPath(grin);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::kTongue);
    p.drawEllipse(QPointF(mx, 57.5), 4.5, 3.0);
    p.restore();
  } else {
    fillOutlined(p, ellipsePath(QPointF(mx, 53), 3.0, 3.8), ink::kMouth, 1.5);
  }
}

void drawFace(QPainter& p, const ChildPose& pose, const QPainterPath& head) {
  const qreal turn = pose.faceTurn;
  const QPointF leftEye(32 + turn, 39);
  const QPointF rightEye(48 + turn, 39);
  p.save();
  p.setClipPath(head);
  p.setPen(Qt::NoPen);
  p.setBrush(ink::kCheek);
  p.drawEllipse(QPointF(27 + turn, 48), 4.5, 3.0);
  p.drawEllipse(QPointF(53 + turn, 48), 4.5, 3.0);
  p.restore();
  drawEye(p, leftEye, pose);
  drawEye(p, rightEye, pose);
  drawBrow(p, leftEye, pose.browsUp);
  drawBrow(p, rightEye, pose.browsUp);
  QPainterPath nose;
  nose.moveTo(39 + turn, 44);
  nose.quadTo(42.5 + turn, 46, 40 + turn, 48);
  strokeLine(p, nose, 1.5, shade(ink::kSkin, 65));
  drawMouth(p, pose, 40 + turn);
}

void drawHead(QPainter& p, const ChildPose& pose) {
  p.save();
  p.translate(kNeck);
  p.rotate(pose.headTilt);
  p.translate(-kNeck);
  drawEars(p, pose);
  const QPainterPath head = ellipsePath(kHeadCentre, kHeadRadius, kHeadRadius);
  fillOutlined(p, head, ink::kSkin);
  if (pose.facing == Facing::Back) {
    fillOutlined(p, backHairPath(), ink::kHair);
  } else {
    fillOutlined(p, frontHairPath(pose.faceTurn * 0.6), ink::kHair);
    drawFace(p, pose, head);
  }
  drawHairTuft(p);
  p.restore();
}

ChildPose basePose() {
  ChildPose pose;
  pose.leftArm = poly({{27, 67}, {22, 80}, {19, 92}});
  pose.rightArm = poly({{53, 67}, {58, 80}, {61, 92}});
  pose.leftLeg = poly({{34, 92}, {33.5, 104}, {33, 115}});
  pose.rightLeg = poly({{46, 92}, {46.5, 104}, {47, 115}});
  return pose;
}

}  // namespace

ChildPose standingPose() {
  return basePose();
}

ChildPose breathingPose() {
  ChildPose pose = basePose();
  pose.breathe = 1.5;
  pose.look = QPointF(0.6, 0.8);
  pose.leftArm = poly({{27, 65.5}, {21, 79}, {18, 91}});
  pose.rightArm = poly({{53, 65.5}, {59, 79}, {62, 91}});
  return pose;
}

ChildPose lookingAroundPose() {
  ChildPose pose = basePose();
  pose.headTilt = -6;
  pose.faceTurn = -2;
  pose.look = QPointF(-2.0, -1.2);
  pose.browsUp = true;
  // Hand on the hip while looking around.
  pose.rightArm = poly({{53, 67}, {63, 78}, {56, 89}});
  return pose;
}

ChildPose walkingPose(int step) {
  static const std::array<qreal, 4> kSwing{1, 0, -1, 0};
  static const std::array<QPointF, 4> kLeftAnkle{{{30, 115}, {41, 111}, {51, 115}, {43, 115}}};
  static const std::array<QPointF, 4> kRightAnkle{{{51, 115}, {43, 115}, {30, 115}, {41, 111}}};
  const int i = ((step % 4) + 4) % 4;
  ChildPose pose;
  pose.faceTurn = 5;
  pose.look = QPointF(2.5, 0);
  pose.shoeTurn = 4;
  const QPointF leftHip(35, 92);
  const QPointF rightHip(45, 92);
  pose.leftLeg = poly({leftHip, (leftHip + kLeftAnkle[i]) / 2.0 + QPointF(2, 0), kLeftAnkle[i]});
  pose.rightLeg =
      poly({rightHip, (rightHip + kRightAnkle[i]) / 2.0 + QPointF(2, 0), kRightAnkle[i]});
  const qreal swing = kSwing[i] * 5.0;
  pose.leftArm = poly({{27, 67}, {23 + swing * 0.5, 80}, {20 + swing, 91}});
  pose.rightArm = poly({{53, 67}, {57 - swing * 0.5, 80}, {60 - swing, 91}});
  return pose;
}

ChildPose backPose(int step) {
  ChildPose pose = basePose();
  pose.facing = Facing::Back;
  if (step % 2 == 0) {
    pose.leftLeg = poly({{34, 92}, {34, 103}, {34, 112}});
  } else {
    pose.rightLeg = poly({{46, 92}, {46, 103}, {46, 112}});
  }
  return pose;
}

ChildPose cheeringPose() {
  ChildPose pose = basePose();
  pose.eyes = Eyes::Happy;
  pose.mouth = Mouth::Grin;
  pose.breathe = 1.0;
  pose.leftArm = poly({{27, 66}, {16, 52}, {10, 32}});
  pose.rightArm = poly({{53, 66}, {64, 52}, {70, 32}});
  pose.leftLeg = poly({{34, 92}, {32, 104}, {31, 115}});
  pose.rightLeg = poly({{46, 92}, {48, 104}, {49, 115}});
  return pose;
}

ChildPose sittingPose() {
  ChildPose pose = basePose();
  pose.eyes = Eyes::Surprised;
  pose.mouth = Mouth::Oh;
  pose.browsUp = true;
  pose.headTilt = 5;
  pose.look = QPointF(0, -1.5);
  // Knees apart and feet forward: seen from the front, sitting shortens the legs.
  pose.leftLeg = poly({{35, 94}, {22, 99}, {21, 112}});
  pose.rightLeg = poly({{45, 94}, {58, 99}, {59, 112}});
  pose.shoeTurn = 0;
  pose.leftArm = poly({{27, 67}, {17, 80}, {11, 93}});
  pose.rightArm = poly({{53, 67}, {63, 80}, {69, 93}});
  return pose;
}

void drawChild(QPainter& p, const ChildPose& pose) {
  p.save();
  drawLegs(p, pose);
  drawBody(p, pose);
  drawArm(p, pose.leftArm);
  drawArm(p, pose.rightArm);
  drawHead(p, pose);
  p.restore();
}

}  // namespace art
