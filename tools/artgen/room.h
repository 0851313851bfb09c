// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The castle room behind the child, and the pieces of it that other pictures reuse.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace art {

QImage renderRoom();

// Sky and hills seen through an open doorway or window (clipped by the caller).
void drawOutdoorView(QPainter& p, const QRectF& area, qreal horizonY);
// A wooden door leaf: closed (open = 0) up to swung fully inwards (open = 1),
// hinged on the left side of the arched opening.
void drawDoorLeaf(QPainter& p, const QRectF& opening, qreal open);
// Stone blocks over a whole area, in the wall colours of the room.
void drawStoneWall(QPainter& p, const QRectF& area, int rowHeight, unsigned seed);

}  // namespace art
