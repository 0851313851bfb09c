// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every animal of the scenes is made with.
#include "animals.h"
#include "common.h"

namespace art {
namespace {

const QColor kBlush{255, 128, 128, 110};

}  // namespace

Placed::Placed(QPainter& p, const Place& place) : p_(p) {
  p_.save();
  p_.translate(place.at);
  p_.scale(place.mirror ? -place.s : place.s, place.s);
}

Placed::~Placed() {
  p_.restore();
}

QPainterPath triangle(QPointF a, QPointF b, QPointF c) {
  QPainterPath path(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  return path;
}

void blush(QPainter& p, QPointF c, qreal r) {
  p.setPen(Qt::NoPen);
  p.setBrush(kBlush);
  p.drawEllipse(c, r, r * 0.65);
}

void smile(QPainter& p, QPointF c, qreal w, qreal width) {
  QPainterPath mouth(c + QPointF(-w, 0));
  mouth.quadTo(c + QPointF(0, w * 0.9), c + QPointF(w, 0));
  strokeLine(p, mouth, width, ink::kOutline);
}

}  // namespace art
