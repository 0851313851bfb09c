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
// Where the back wall meets the floor.
inline constexpr int kWallFloorY = 166;

// The six breakable slabs under the child.
inline constexpr int kSlabCount = 6;
inline constexpr int kSlabLeft = 15;
inline constexpr int kSlabWidth = 30;
inline constexpr int kSlabTop = 172;
inline constexpr int kSlabBottom = 190;  // exclusive
inline constexpr QRect slabRect(int index) {
  return QRect(kSlabLeft + index * kSlabWidth, kSlabTop, kSlabWidth, kSlabBottom - kSlabTop);
}

// The arched doorway on the right (inside of the stone frame).
inline constexpr QRect kDoorOpening{566, 52, 60, 114};
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
