// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The castle room, the child standing on the slabs, the slabs breaking one by
// one, and the child walking out through the door.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "child.h"
#include "common.h"
#include "generators.h"
#include "layout.h"
#include "room.h"

namespace art {
namespace {

const QColor kSlab{222, 196, 156};
const QColor kCrack{62, 38, 26};
const QColor kHoleDeep{26, 16, 12};
const QColor kHoleSide{92, 64, 46};

void drawGroundShadow(QPainter& p, QPointF foot, qreal radius) {
  QRadialGradient g(foot, radius);
  g.setColorAt(0, QColor(30, 18, 12, 90));
  g.setColorAt(1, QColor(30, 18, 12, 0));
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.translate(foot);
  p.scale(1.0, 0.18);
  p.translate(-foot);
  p.drawEllipse(foot, radius, radius);
  p.restore();
}

// Draws the child with its box's top-left corner at `origin`.
void placeChild(QPainter& p, QPointF origin, const ChildPose& pose, bool shadow = true) {
  if (shadow) {
    drawGroundShadow(p, origin + QPointF(layout::kChildCentreX, layout::kChildSoleY - 1), 24);
  }
  p.save();
  p.translate(origin);
  drawChild(p, pose);
  p.restore();
}

QImage renderStandingChild(const ChildPose& pose, bool shadow = true) {
  QImage image = transparentImage(layout::kChildSize.width(), layout::kChildSize.height());
  QPainter p(&image);
  prepare(p);
  placeChild(p, QPointF(0, 0), pose, shadow);
  return image;
}

// A crack that wanders from the hole's rim towards the edge of the slab.
QPainterPath crackRay(QPointF from, qreal angleDeg, const QRectF& slab, Rng& rng) {
  QPainterPath path(from);
  QPointF pt = from;
  qreal angle = angleDeg;
  for (int i = 0; i < 4 && slab.contains(pt); ++i) {
    angle += rng.uniform(-25, 25);
    const qreal len = rng.uniform(3, 5);
    const qreal rad = qDegreesToRadians(angle);
    pt += QPointF(len * std::cos(rad), len * 0.8 * std::sin(rad));
    path.lineTo(pt);
  }
  return path;
}

QPainterPath jaggedHole(const QRectF& r, Rng& rng) {
  QPainterPath hole;
  const int perSide = 6;
  const std::array<QPointF, 4> corners{r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
  for (int side = 0; side < 4; ++side) {
    const QPointF a = corners[static_cast<std::size_t>(side)];
    const QPointF b = corners[static_cast<std::size_t>((side + 1) % 4)];
    for (int i = 0; i < perSide; ++i) {
      const QPointF pt = a + (b - a) * (static_cast<qreal>(i) / perSide) +
                         QPointF(rng.uniform(-3.0, 3.0), rng.uniform(-2.6, 2.6));
      if (side == 0 && i == 0) {
        hole.moveTo(pt);
      } else {
        hole.lineTo(pt);
      }
    }
  }
  hole.closeSubpath();
  return hole;
}

// A broken piece of slab: a lumpy polygon around `centre`, turned by `angle`.
QPainterPath stonePath(QPointF centre, qreal size, qreal angle, Rng& rng) {
  QPainterPath stone;
  const int corners = 6;
  for (int i = 0; i < corners; ++i) {
    const qreal a = qDegreesToRadians(angle + i * 360.0 / corners + rng.uniform(-12, 12));
    const qreal r = size * rng.uniform(0.7, 1.0);
    const QPointF pt = centre + QPointF(r * std::cos(a), r * 0.75 * std::sin(a));
    if (i == 0) {
      stone.moveTo(pt);
    } else {
      stone.lineTo(pt);
    }
  }
  stone.closeSubpath();
  return stone;
}

// Stones tumbling into the dark: the deeper, the smaller and darker; the
// first one trails two short streaks to show the fall.
void drawFallingStones(QPainter& p, const QRectF& gap, Rng& rng) {
  struct Fall {
    qreal x, y, size, shade;
  };
  const std::array<Fall, 3> falls{
      {{0.34, 0.42, 8.0, 100}, {0.70, 0.66, 5.5, 135}, {0.46, 0.88, 3.5, 175}}};
  for (std::size_t i = 0; i < falls.size(); ++i) {
    const Fall& f = falls[i];
    const QPointF c(gap.left() + gap.width() * f.x + rng.uniform(-2, 2),
                    gap.top() + gap.height() * f.y);
    if (i == 0) {
      for (const qreal dx : {-f.size * 0.45, f.size * 0.3}) {
        QPainterPath streak(c + QPointF(dx, -f.size * 0.8 - 2));
        streak.lineTo(c + QPointF(dx, -f.size * 0.8 - 6));
        strokeLine(p, streak, 1.0, QColor(240, 220, 190, 110));
      }
    }
    const QColor face = kSlab.darker(static_cast<int>(f.shade));
    fillOutlined(p, stonePath(c, f.size, rng.uniform(0, 60), rng), face, 1.3);
    // The lit top of the stone.
    QPainterPath lit(c + QPointF(-f.size * 0.45, -f.size * 0.3));
    lit.lineTo(c + QPointF(f.size * 0.3, -f.size * 0.45));
    strokeLine(p, lit, 1.2, face.lighter(125));
  }
}

// A slab broken through: a dark gap with jagged edges, stones falling into it
// and cracks running out into what is left of the slab.
void drawBrokenSlab(QPainter& p, const QRectF& slab, unsigned seed) {
  Rng rng(seed);
  const QRectF inner = slab.adjusted(6, 5, -6, -4);
  const QPainterPath hole = jaggedHole(inner, rng);
  QLinearGradient depth(inner.topLeft(), inner.bottomLeft());
  depth.setColorAt(0, kHoleSide);
  depth.setColorAt(0.25, kHoleDeep);
  depth.setColorAt(1, QColor(8, 4, 4));
  p.save();
  p.setClipPath(hole);
  p.fillRect(inner.adjusted(-4, -4, 4, 4), depth);
  drawFallingStones(p, inner, rng);
  p.restore();
  strokeLine(p, hole, 2.2, kCrack);
  p.save();
  p.setClipRect(slab.adjusted(1.5, 1.5, -1.5, -1.5));
  for (const QPointF& from : {inner.topLeft(), inner.topRight(), inner.bottomRight(),
                              inner.bottomLeft(), QPointF(inner.center().x(), inner.top())}) {
    const qreal angle =
        qRadiansToDegrees(std::atan2(from.y() - inner.center().y(), from.x() - inner.center().x()));
    strokeLine(p, crackRay(from, angle, slab, rng), 1.5, kCrack);
  }
  p.restore();
}

QImage renderBrokenSlab(int index) {
  QImage image = transparentImage(layout::kRoomSize.width(), layout::kRoomSize.height());
  QPainter p(&image);
  prepare(p);
  drawBrokenSlab(p, QRectF(layout::slabRect(index)), 0x401E + static_cast<unsigned>(index) * 977);
  return image;
}

struct ExitStep {
  qreal centreX;  // room x of the child's middle
  qreal soleY;    // room y of the soles
  int walkStep;
  bool fromBehind;
  qreal doorOpen;
};

constexpr std::array<ExitStep, 8> kExitSteps{{{100, 175, 0, false, 0.0},
                                              {172, 175, 1, false, 0.0},
                                              {244, 175, 2, false, 0.0},
                                              {316, 175, 3, false, 0.0},
                                              {388, 175, 0, false, 0.35},
                                              {460, 175, 1, false, 0.8},
                                              {538, 175, 2, false, 1.0},
                                              {603, 150, 1, true, 1.0}}};

void drawOpenDoor(QPainter& p, qreal open) {
  const QRectF opening(layout::kDoorOpening);
  const QPainterPath doorway = layout::doorwayPath(opening);
  p.save();
  p.setClipPath(doorway);
  drawOutdoorView(p, opening, opening.top() + 78);
  p.restore();
  drawDoorLeaf(p, opening, open);
  strokeLine(p, doorway, 2.0, ink::kOutline);
  // Daylight spilling onto the floor in front of the door.
  QPainterPath spill;
  spill.moveTo(opening.left() + 2, opening.bottom() + 1);
  spill.lineTo(opening.right() - 2, opening.bottom() + 1);
  spill.lineTo(opening.right() + 14, layout::kVisibleBottom);
  spill.lineTo(opening.left() - 12, layout::kVisibleBottom);
  spill.closeSubpath();
  QLinearGradient light(0, opening.bottom(), 0, layout::kVisibleBottom);
  light.setColorAt(0, QColor(255, 244, 200, static_cast<int>(110 * open)));
  light.setColorAt(1, QColor(255, 244, 200, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(light);
  p.drawPath(spill);
}

void drawLeavingChild(QPainter& p, const ExitStep& s, const QPointF& origin) {
  const QRectF opening(layout::kDoorOpening);
  QPainterPath visible = layout::doorwayPath(opening);
  visible.addRect(QRectF(opening.left(), opening.bottom() - 1, opening.width(), 6));
  // Paint the child on its own layer first so the fade is even all over.
  const QImage layer = renderStandingChild(backPose(s.walkStep), false);
  p.save();
  p.setClipPath(visible.simplified());
  p.setOpacity(0.85);
  p.drawImage(origin, layer);
  p.restore();
}

QImage renderExitFrame(const ExitStep& s) {
  QImage image = transparentImage(layout::kExitSize.width(), layout::kExitSize.height());
  QPainter p(&image);
  prepare(p);
  p.translate(-QPointF(layout::kExitPos));
  if (s.doorOpen > 0) {
    drawOpenDoor(p, s.doorOpen);
  }
  const QPointF origin(s.centreX - layout::kChildCentreX, s.soleY - layout::kChildSoleY);
  if (s.fromBehind) {
    drawLeavingChild(p, s, origin);
  } else {
    placeChild(p, origin, walkingPose(s.walkStep));
  }
  return image;
}

}  // namespace

void makeScene(Output& out) {
  out.savePng(renderRoom().convertToFormat(QImage::Format_RGB32),
              "resources/images/fondojuego.png");
  out.savePng(renderStandingChild(breathingPose()), "resources/images/nigno1.png");
  out.savePng(renderStandingChild(lookingAroundPose()), "resources/images/nigno2.png");
  for (int i = 0; i < layout::kSlabCount; ++i) {
    out.savePng(renderBrokenSlab(i), QString("resources/images/sfallo%1.png").arg(i + 1));
  }
  for (std::size_t i = 0; i < kExitSteps.size(); ++i) {
    out.savePng(renderExitFrame(kExitSteps[i]),
                QString("resources/images/salida%1.png").arg(i + 1));
  }
}

}  // namespace art
