// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The eight puzzle pictures. Each is 320x200 and is cut by the game into a
// 4x2 grid of 80x100 pieces, so every piece holds something to recognise.
#pragma once

#include <QImage>
#include <QPainter>

namespace art {

inline constexpr int kPuzzleWidth = 320;
inline constexpr int kPuzzleHeight = 200;

QImage puzzleFarm();
QImage puzzleBalloon();
QImage puzzleCastle();
QImage puzzleDragon();
QImage puzzleForest();
QImage puzzleGarden();
QImage puzzleSea();
QImage puzzleSnow();

// A blank puzzle canvas with a painter helper.
QImage newPuzzleCanvas();
// A daytime sky from the top down to `horizon`.
void drawDaySky(QPainter& p, qreal horizon);
// Grass from `top` down, with a gently waving top edge.
void drawMeadowGround(QPainter& p, qreal top, const QColor& colour);

}  // namespace art
