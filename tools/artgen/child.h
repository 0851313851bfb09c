// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The child figure. Drawn in its own 80x135 box: centre x = 40, soles on y = 125.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QPolygonF>

namespace art {

enum class Eyes { Open, Happy, Surprised };
enum class Mouth { Smile, Grin, Oh };
enum class Facing { Front, Back };

struct ChildPose {
  Facing facing = Facing::Front;
  Eyes eyes = Eyes::Open;
  Mouth mouth = Mouth::Smile;
  QPointF look{0, 0};    // pupil shift
  qreal faceTurn = 0;    // shifts the face sideways for a three-quarter view
  qreal headTilt = 0;    // degrees, around the neck
  qreal breathe = 0;     // lifts shoulders and chest a little
  qreal shoeTurn = 0;    // toes point this many pixels sideways
  bool browsUp = false;  // eyebrows raised
  // Polylines: shoulder -> elbow -> hand, hip -> knee -> ankle.
  // "Left" is the viewer's left.
  QPolygonF leftArm, rightArm, leftLeg, rightLeg;
};

ChildPose standingPose();
ChildPose breathingPose();
ChildPose lookingAroundPose();
ChildPose walkingPose(int step);  // four-step cycle, facing right
ChildPose backPose(int step);     // seen from behind, walking away
ChildPose cheeringPose();
ChildPose sittingPose();

void drawChild(QPainter& p, const ChildPose& pose);

}  // namespace art
