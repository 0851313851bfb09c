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

// A crack that wanders from the impact point to the edge of the slab.
QPainterPath crackRay(QPointF from, qreal angleDeg, const QRectF& slab, Rng& rng) {
  QPainterPath path(from);
  QPointF pt = from;
  qreal angle = angleDeg;
  for (int i = 0; i < 6 && slab.contains(pt); ++i) {
    angle += rng.uniform(-28, 28);
    const qreal len = rng.uniform(4, 7);
    const qreal rad = qDegreesToRadians(angle);
    pt += QPointF(len * std::cos(rad), len * 0.7 * std::sin(rad));
    path.lineTo(pt);
  }
  return path;
}

void drawCrackedSlab(QPainter& p, const QRectF& slab, int damage) {
  Rng rng(0xC4AC0 + static_cast<unsigned>(damage) * 977);
  const QPointF impact(slab.center().x() + rng.uniform(-5, 5),
                       slab.center().y() + rng.uniform(-2, 2));
  p.save();
  p.setClipRect(slab.adjusted(1.2, 1.2, -1.2, -1.2));
  // A sunken, darker patch around the impact.
  QRadialGradient dent(impact, 6 + damage);
  dent.setColorAt(0, QColor(70, 44, 30, 150));
  dent.setColorAt(1, QColor(70, 44, 30, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(dent);
  p.drawEllipse(impact, 6.0 + damage, 6.0 + damage);
  const int rays = 3 + damage;
  for (int i = 0; i < rays; ++i) {
    const qreal angle = i * 360.0 / rays + rng.uniform(-20, 20);
    const QPainterPath ray = crackRay(impact, angle, slab.adjusted(-3, -3, 3, 3), rng);
    p.save();
    p.translate(0.8, 0.8);
    strokeLine(p, ray, 1.0, kSlab.lighter(115));
    p.restore();
    strokeLine(p, ray, 1.6, kCrack);
  }
  p.restore();
}

QPainterPath jaggedHole(const QRectF& r, Rng& rng) {
  QPainterPath hole;
  const int perSide = 5;
  const std::array<QPointF, 4> corners{r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
  for (int side = 0; side < 4; ++side) {
    const QPointF a = corners[static_cast<std::size_t>(side)];
    const QPointF b = corners[static_cast<std::size_t>((side + 1) % 4)];
    for (int i = 0; i < perSide; ++i) {
      const QPointF pt = a + (b - a) * (static_cast<qreal>(i) / perSide) +
                         QPointF(rng.uniform(-1.8, 1.8), rng.uniform(-1.5, 1.5));
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

void drawHoleSlab(QPainter& p, const QRectF& slab) {
  Rng rng(0x401E);
  const QRectF inner = slab.adjusted(3.5, 2.5, -3.5, -1.0);
  const QPainterPath hole = jaggedHole(inner, rng);
  QLinearGradient depth(inner.topLeft(), inner.bottomLeft());
  depth.setColorAt(0, kHoleSide);
  depth.setColorAt(0.3, kHoleDeep.lighter(130));
  depth.setColorAt(1, kHoleDeep);
  fillOutlined(p, hole, Qt::black, 0);
  p.save();
  p.setClipPath(hole);
  p.fillRect(inner.adjusted(-3, -3, 3, 3), depth);
  p.restore();
  strokeLine(p, hole, 1.6, kCrack);
  // Little broken bits lying on the rim.
  p.setPen(QPen(kCrack, 1.0));
  p.setBrush(kSlab.darker(110));
  for (const QPointF& c :
       {slab.topLeft() + QPointF(6, 2.5), slab.topRight() + QPointF(-9, 2.0),
        slab.bottomLeft() + QPointF(4.0, -6), slab.topRight() + QPointF(-3.5, 9)}) {
    QPainterPath chip;
    chip.moveTo(c + QPointF(-2, 1.2));
    chip.lineTo(c + QPointF(0.5, -1.6));
    chip.lineTo(c + QPointF(2.2, 1.0));
    chip.closeSubpath();
    p.drawPath(chip);
  }
}

QImage renderBrokenSlab(int index) {
  QImage image = transparentImage(layout::kRoomSize.width(), layout::kRoomSize.height());
  QPainter p(&image);
  prepare(p);
  const QRectF slab(layout::slabRect(index));
  if (index == layout::kSlabCount - 1) {
    drawHoleSlab(p, slab);
  } else {
    drawCrackedSlab(p, slab, index + 1);
  }
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
                                              {603, 168, 1, true, 1.0}}};

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
