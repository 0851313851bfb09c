// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pieces of the room decorations that other animations reuse.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art {

// A flame standing on `base`, `h` tall and `w` wide, its tip moved `lean` sideways.
QPainterPath flamePath(QPointF base, qreal h, qreal w, qreal lean);
// The three-colour flame of the torch, outlined.
void drawFlameAt(QPainter& p, QPointF base, qreal h, qreal w, qreal lean);
// The little bat in its 64x32 box (body centre at 32,15); wing angle in degrees.
void drawBat(QPainter& p, qreal wingAngle);

}  // namespace art
