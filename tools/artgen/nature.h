// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Scenery shared by the outdoor pictures: sky, sun and moon, clouds, hills,
// trees, flowers, houses and fences, all in the warm outlined style.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

#include "common.h"

namespace art {

namespace ink {
inline const QColor kSun{255, 214, 72};
inline const QColor kTrunk{140, 88, 52};
inline const QColor kLeaf{96, 170, 76};
inline const QColor kLeafDark{62, 128, 62};
inline const QColor kPine{58, 140, 96};
inline const QColor kRoof{214, 76, 58};
inline const QColor kWall{250, 232, 196};
inline const QColor kSea{64, 150, 214};
inline const QColor kSeaDeep{36, 98, 170};
inline const QColor kSand{240, 214, 150};
inline const QColor kSnow{250, 252, 255};
inline const QColor kSnowShade{198, 218, 240};
inline const QColor kPetalPink{246, 120, 150};
inline const QColor kPetalBlue{110, 150, 236};
inline const QColor kPetalPurple{176, 120, 214};
}  // namespace ink

// Fills a rectangle with a top-to-bottom gradient.
void fillVertical(QPainter& p, const QRectF& area, const QColor& top, const QColor& bottom);
// Round eye with a pupil and a shine; `look` moves the pupil.
void drawEye(QPainter& p, QPointF c, qreal r, QPointF look = {0, 0});
// Soft oval shadow on the ground.
void drawSoftShadow(QPainter& p, QPointF c, qreal rx, qreal ry);

void drawSun(QPainter& p, QPointF c, qreal r);
void drawCloud(QPainter& p, QPointF c, qreal s);
void drawMoon(QPainter& p, QPointF c, qreal r, bool face = true);
// A five-pointed star with a small twinkle; `s` is the outer radius.
void drawTwinkle(QPainter& p, QPointF c, qreal s, const QColor& colour = ink::kStar);
// A seagull-like "v" in the sky.
void drawBird(QPainter& p, QPointF c, qreal s, const QColor& colour = ink::kOutline);
// An outlined hill: the upper half of an ellipse.
void drawHill(QPainter& p, QPointF centre, qreal rx, qreal ry, const QColor& fill,
              qreal outline = 1.5);

void drawFlower(QPainter& p, QPointF c, const QColor& petals, qreal s = 1.0);
// A flower on a stem with two leaves; `base` is where the stem meets the ground.
void drawStemFlower(QPainter& p, QPointF base, qreal h, const QColor& petals);
void drawTulip(QPainter& p, QPointF base, qreal h, const QColor& petals);
void drawSunflower(QPainter& p, QPointF base, qreal h);
void drawGrassTuft(QPainter& p, QPointF base, qreal h, const QColor& colour = ink::kGrassDark);
void drawBush(QPainter& p, QPointF base, qreal w, const QColor& colour = ink::kLeaf,
              bool berries = false);
void drawRoundTree(QPainter& p, QPointF base, qreal h, const QColor& leaves = ink::kLeaf,
                   bool apples = false);
void drawPine(QPainter& p, QPointF base, qreal h, bool snowy = false);
void drawMushroom(QPainter& p, QPointF base, qreal s, const QColor& cap = ink::kRoof);
void drawRock(QPainter& p, QPointF c, qreal rx, qreal ry, const QColor& fill = {168, 158, 150});

// A cottage: `body` is the wall; the roof sits on top of it.
// Top middle of the chimney drawHouse puts on `body`.
QPointF chimneyTop(const QRectF& body);
void drawHouse(QPainter& p, const QRectF& body, const QColor& wall = ink::kWall,
               const QColor& roof = ink::kRoof, bool snowy = false);
void drawFence(QPainter& p, qreal left, qreal right, qreal groundY, qreal h,
               const QColor& wood = ink::kWood);
// Gentle puffs rising from a chimney.
void drawSmoke(QPainter& p, QPointF from, qreal s);

}  // namespace art
