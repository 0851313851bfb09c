// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where things sit in the castle room. All values are room pixels (the room
// picture is shown at window (5,5), so window = room + 5).
#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace layout {

inline constexpr QSize kRoomSize{640, 200};
// The word panel hides the last rows of the room; nothing important below this.
inline constexpr int kVisibleBottom = 190;
// Calm dark strip where the game writes its title.
inline constexpr int kCeilingHeight = 25;
// Where the back wall meets the floor: high enough that the floor the child
// stands on is seen whole above the word panel.
inline constexpr int kWallFloorY = 148;

// The six breakable slabs, one row under and beside the child, as deep as the
// floor shows: large enough to be seen from the back of a classroom.
inline constexpr int kSlabCount = 6;
inline constexpr int kSlabLeft = 6;
inline constexpr int kSlabWidth = 42;
inline constexpr int kSlabTop = 150;
inline constexpr int kSlabBottom = 190;  // exclusive
inline constexpr QRect slabPlace(int place) {
  return QRect(kSlabLeft + place * kSlabWidth, kSlabTop, kSlabWidth, kSlabBottom - kSlabTop);
}
// The slab the n-th mistake breaks (0-based): the breaks come from the far end
// towards the child, and the last one opens under the child's feet.
inline constexpr int kBreakOrder[kSlabCount] = {5, 4, 3, 0, 2, 1};
inline constexpr QRect slabRect(int index) {
  return slabPlace(kBreakOrder[index]);
}

// The arched doorway on the right (inside of the stone frame).
inline constexpr QRect kDoorOpening{566, 42, 60, 106};
inline constexpr int kDoorFrameWidth = 7;

// The child picture: 80x135, soles on image row 125.
inline constexpr QSize kChildSize{80, 135};
inline constexpr QPoint kChildPos{40, 50};
inline constexpr int kChildSoleY = 125;
inline constexpr int kChildCentreX = 40;

// The walk to the door: 575x140 frames placed at room (60,50).
inline constexpr QSize kExitSize{575, 140};
inline constexpr QPoint kExitPos{60, 50};

// Decorations drawn by the game on top of the room.
inline constexpr QPoint kTorchPos{245, 35};
inline constexpr QPoint kBatPos{315, 25};
inline constexpr QPoint kBannerPos{515, 25};
inline constexpr int kSpiderLeftMin = 375;
inline constexpr int kSpiderLeftMax = 445;

// Outline of the doorway: straight sides and a round top.
inline QPainterPath doorwayPath(QRectF r = QRectF(kDoorOpening)) {
  const qreal radius = r.width() / 2.0;
  QPainterPath path;
  path.moveTo(r.left(), r.bottom());
  path.lineTo(r.left(), r.top() + radius);
  path.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180.0, -180.0);
  path.lineTo(r.right(), r.bottom());
  path.closeSubpath();
  return path;
}

}  // namespace layout
