// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "castle.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "common.h"
#include "layout.h"
#include "room.h"

namespace art {
namespace {

const QColor kFrameStone{206, 188, 164};

QPainterPath rectPath(const QRectF& r) {
  QPainterPath path;
  path.addRect(r);
  return path;
}

QPainterPath roofPath(const QRectF& body, qreal height) {
  const qreal overhang = body.width() * 0.14;
  const QPointF apex(body.center().x(), body.top() - height);
  QPainterPath roof(QPointF(body.left() - overhang, body.top() + 1));
  roof.quadTo(QPointF(body.left() + body.width() * 0.2, body.top() - height * 0.35), apex);
  roof.quadTo(QPointF(body.right() - body.width() * 0.2, body.top() - height * 0.35),
              QPointF(body.right() + overhang, body.top() + 1));
  roof.quadTo(QPointF(body.center().x(), body.top() + height * 0.08),
              QPointF(body.left() - overhang, body.top() + 1));
  return roof;
}

void drawRoof(QPainter& p, const Tower& t) {
  const QPainterPath roof = roofPath(t.body, t.roofHeight);
  fillOutlined(p, roof, t.roof, 1.5);
  p.save();
  p.setClipPath(roof);
  // Rows of rounded tiles.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(t.roof.darker(130), 1.0));
  const qreal step = qMax<qreal>(4.0, t.roofHeight / 6.0);
  const qreal tile = qMax<qreal>(4.0, t.body.width() / 6.0);
  int row = 0;
  for (qreal y = t.body.top() - t.roofHeight + step; y < t.body.top() + 4; y += step, ++row) {
    for (qreal x = t.body.left() - tile * (row % 2 ? 1.5 : 1.0); x < t.body.right() + tile;
         x += tile) {
      p.drawArc(QRectF(x, y - step * 0.6, tile, step * 1.2), 180 * 16, 180 * 16);
    }
  }
  QLinearGradient shine(t.body.left(), 0, t.body.right(), 0);
  shine.setColorAt(0, QColor(255, 255, 255, 60));
  shine.setColorAt(0.45, QColor(255, 255, 255, 0));
  shine.setColorAt(1, QColor(0, 0, 0, 50));
  p.fillRect(roof.boundingRect(), shine);
  p.restore();
  strokeLine(p, roof, 1.5, ink::kOutline);
}

}  // namespace

void drawStones(QPainter& p, const QRectF& area, qreal scale, unsigned seed) {
  p.save();
  p.setClipRect(area, Qt::IntersectClip);
  p.scale(scale, scale);
  const QRectF scaled(area.topLeft() / scale, area.size() / scale);
  drawStoneWall(p, scaled.adjusted(-30, -2, 30, 24), 20, seed);
  p.restore();
}

void drawBattlement(QPainter& p, const QRectF& wall, qreal merlon, qreal scale, unsigned seed) {
  const qreal h = merlon * 0.8;
  QPainterPath shape = rectPath(wall);
  const int count = qMax(1, static_cast<int>(std::floor((wall.width() + merlon) / (2 * merlon))));
  const qreal gap = count > 1 ? (wall.width() - count * merlon) / (count - 1) : 0;
  for (int i = 0; i < count; ++i) {
    shape = shape.united(
        rectPath(QRectF(wall.left() + i * (merlon + gap), wall.top() - h, merlon, h + 1)));
  }
  shape = shape.simplified();
  p.save();
  p.setClipPath(shape);
  drawStones(p, shape.boundingRect(), scale, seed);
  // A soft shadow under the walkway.
  QLinearGradient shade(0, wall.top(), 0, wall.top() + merlon * 0.6);
  shade.setColorAt(0, QColor(40, 24, 20, 70));
  shade.setColorAt(1, QColor(40, 24, 20, 0));
  p.fillRect(QRectF(wall.left(), wall.top(), wall.width(), merlon * 0.6), shade);
  p.restore();
  strokeLine(p, shape, 1.5, ink::kOutline);
}

void drawCastleWindow(QPainter& p, const QRectF& opening, bool lit, qreal glow) {
  const QPainterPath shape = layout::doorwayPath(opening);
  if (lit) {
    const qreal reach = opening.width() * (1.6 + 0.8 * glow);
    QRadialGradient halo(opening.center(), reach);
    halo.setColorAt(0, QColor(255, 214, 120, static_cast<int>(100 * glow)));
    halo.setColorAt(1, QColor(255, 214, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(opening.center(), reach, reach);
  }
  const QColor light(255, static_cast<int>(190 + 30 * glow), static_cast<int>(80 + 40 * glow));
  fillOutlined(p, shape, lit ? light : QColor(64, 50, 62),
               qMax<qreal>(1.0, opening.width() * 0.14));
  if (lit) {
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(ink::kOutline, qMax<qreal>(0.8, opening.width() * 0.12)));
    p.drawLine(QPointF(opening.center().x(), opening.top()),
               QPointF(opening.center().x(), opening.bottom()));
    p.drawLine(QPointF(opening.left(), opening.top() + opening.height() * 0.55),
               QPointF(opening.right(), opening.top() + opening.height() * 0.55));
    p.restore();
  }
}

void drawPennant(QPainter& p, QPointF top, qreal pole, qreal length, qreal phase,
                 const QColor& colour) {
  QPainterPath stick(top);
  stick.lineTo(top + QPointF(0, pole));
  strokeLine(p, stick, 3.2, ink::kOutline);
  strokeLine(p, stick, 1.4, QColor(120, 110, 110));
  const qreal h = length * 0.5;
  const int steps = 8;
  QPolygonF upper, lower;
  for (int i = 0; i <= steps; ++i) {
    const qreal t = static_cast<qreal>(i) / steps;
    const qreal wave = std::sin(phase - t * 4.0) * length * 0.14 * t;
    const qreal half = h * 0.5 * (1.0 - t * 0.85);
    const QPointF mid = top + QPointF(1.5 + t * length, h * 0.5 + wave);
    upper << mid + QPointF(0, -half);
    lower << mid + QPointF(0, half);
  }
  QPainterPath cloth(upper.first());
  for (int i = 1; i < upper.size(); ++i) {
    cloth.lineTo(upper[i]);
  }
  for (int i = lower.size() - 1; i >= 0; --i) {
    cloth.lineTo(lower[i]);
  }
  cloth.closeSubpath();
  fillOutlined(p, cloth, colour, 1.3);
  p.save();
  p.setClipPath(cloth);
  const QPointF fold = top + QPointF(length * (0.45 + 0.1 * std::sin(phase)), h * 0.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 60));
  p.drawEllipse(fold, length * 0.12, h);
  p.restore();
  fillOutlined(p, ellipsePath(top, 2, 2), ink::kStar, 1.0);
}

void drawTower(QPainter& p, const Tower& t) {
  if (t.roofHeight > 0 && t.flag) {
    const QPointF apex(t.body.center().x(), t.body.top() - t.roofHeight);
    const qreal pole = qMax<qreal>(8.0, t.roofHeight * 0.45);
    drawPennant(p, apex - QPointF(0, pole), pole, qMax<qreal>(12.0, t.body.width() * 0.6),
                t.flagPhase, t.flagColour);
  }
  if (t.roofHeight > 0) {
    p.save();
    p.setClipPath(rectPath(t.body));
    drawStones(p, t.body, t.stoneScale, t.seed);
    p.restore();
    QLinearGradient round(t.body.left(), 0, t.body.right(), 0);
    round.setColorAt(0, QColor(255, 240, 220, 40));
    round.setColorAt(0.4, QColor(255, 240, 220, 0));
    round.setColorAt(1, QColor(40, 24, 20, 70));
    p.fillRect(t.body, round);
    strokeLine(p, rectPath(t.body), 1.5, ink::kOutline);
    drawRoof(p, t);
  } else {
    const qreal merlon = t.body.width() / 5.0;
    QRectF wide = t.body;
    drawBattlement(p, wide, merlon, t.stoneScale, t.seed);
  }
  const qreal w = qMax<qreal>(4.0, t.body.width() * 0.22);
  for (int i = 0; i < t.windows; ++i) {
    const qreal y = t.body.top() + t.body.height() * (0.18 + i * 0.34);
    drawCastleWindow(p, QRectF(t.body.center().x() - w / 2, y, w, w * 1.7), t.lit);
  }
}

void drawGate(QPainter& p, const QRectF& opening, qreal frame, qreal open) {
  fillOutlined(p, layout::doorwayPath(opening.adjusted(-frame, -frame, frame, 0)), kFrameStone,
               1.5);
  fillOutlined(p, layout::doorwayPath(opening), QColor(74, 52, 44), 1.5);
  drawDoorLeaf(p, opening, open);
}

void moonlight(QPainter& p, const QPainterPath& area, const QColor& tint) {
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Multiply);
  p.setPen(Qt::NoPen);
  p.setBrush(tint);
  p.drawPath(area);
  p.restore();
}

}  // namespace art
