// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Castle parts seen from outside: towers with pointed roofs or battlements,
// curtain walls, gates and waving flags. The stones come from the room's wall
// helper, scaled down, so inside and outside look like the same castle.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace art {

struct Tower {
  QRectF body;           // the stone part
  qreal roofHeight = 0;  // 0: flat top with battlements
  QColor roof{70, 110, 190};
  qreal stoneScale = 0.4;  // size of the stones compared with the room wall
  unsigned seed = 1;
  int windows = 1;      // arched windows down the middle
  bool lit = false;     // warm light in the windows
  bool flag = true;     // pennant on top of the roof
  qreal flagPhase = 0;  // radians; moves the folds of the pennant
  QColor flagColour{228, 70, 56};
};

// Stone blocks over an area, `scale` times the room's block size.
void drawStones(QPainter& p, const QRectF& area, qreal scale, unsigned seed);
// A stone wall whose top edge carries merlons `merlon` wide.
void drawBattlement(QPainter& p, const QRectF& wall, qreal merlon, qreal scale, unsigned seed);
void drawTower(QPainter& p, const Tower& tower);
// An arched window: dark, or glowing when `lit`; `glow` (0..1) dims the light.
void drawCastleWindow(QPainter& p, const QRectF& opening, bool lit, qreal glow = 1.0);
// A pennant on a pole; `top` is the top of the pole.
void drawPennant(QPainter& p, QPointF top, qreal pole, qreal length, qreal phase,
                 const QColor& colour);
// Arched gate with a wooden door (0 closed, 1 wide open) and a stone frame.
void drawGate(QPainter& p, const QRectF& opening, qreal frame, qreal open = 1.0);
// Darkens what is already painted inside `area`, as seen by moonlight.
void moonlight(QPainter& p, const QPainterPath& area, const QColor& tint = {92, 100, 158});

}  // namespace art
