// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Friendly animals for the scenes. Each one is drawn around `at` (for land
// animals the point on the ground between the feet), `s` times its natural
// size, facing right unless `mirror` is set. Outlines scale with the animal.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace art {

struct Place {
  QPointF at;
  qreal s = 1.0;
  bool mirror = false;
};

// Moves and scales the painter for one animal; restores it when done.
class Placed {
 public:
  Placed(QPainter& p, const Place& place);
  ~Placed();
  Placed(const Placed&) = delete;
  Placed& operator=(const Placed&) = delete;

 private:
  QPainter& p_;
};

// Parts shared by the animals.
QPainterPath triangle(QPointF a, QPointF b, QPointF c);
// Rosy cheeks.
void blush(QPainter& p, QPointF c, qreal r);
// A smiling mouth `w` wide on each side of `c`.
void smile(QPainter& p, QPointF c, qreal w, qreal width = 0.9);

// Farm (about 50 units long for the cow).
void drawCow(QPainter& p, const Place& place);
void drawPig(QPainter& p, const Place& place, bool muddy = false);
void drawHen(QPainter& p, const Place& place);
void drawChick(QPainter& p, const Place& place);
void drawSheep(QPainter& p, const Place& place);
void drawDuck(QPainter& p, const Place& place);  // floating: `at` is on the waterline
void drawCat(QPainter& p, const Place& place);

// Woods and garden.
void drawFox(QPainter& p, const Place& place);  // sitting, looking at the viewer
void drawRabbit(QPainter& p, const Place& place, const QColor& fur = {214, 196, 180});
void drawSquirrel(QPainter& p, const Place& place);
void drawOwl(QPainter& p, const Place& place);  // `at` is on the branch
void drawHedgehog(QPainter& p, const Place& place);
void drawSnail(QPainter& p, const Place& place);
void drawLadybird(QPainter& p, const Place& place);  // seen from above, centre at `at`
void drawBee(QPainter& p, const Place& place);       // centre at `at`
// Wings open at flap = 0, nearly closed at flap = 1; centre at `at`.
void drawButterfly(QPainter& p, const Place& place, const QColor& wings, qreal flap = 0.0);

// Sea (all centred on `at`).
void drawFish(QPainter& p, const Place& place, const QColor& body, const QColor& stripe);
void drawCrab(QPainter& p, const Place& place);
void drawOctopus(QPainter& p, const Place& place);
void drawTurtle(QPainter& p, const Place& place);
void drawStarfish(QPainter& p, const Place& place, const QColor& colour = {246, 140, 70});
void drawJellyfish(QPainter& p, const Place& place);

// A friendly green dragon sitting on its tail; about 150 x 160 units, `at`
// is the ground under its belly.
void drawDragon(QPainter& p, const Place& place);

}  // namespace art
