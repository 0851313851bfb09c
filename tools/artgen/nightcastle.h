// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The castle at night, shown behind the story of the introduction.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace art {

inline constexpr QSize kStoryPage{641, 480};
// Where the tower animation is laid over the picture.
inline constexpr QRect kTowerBox{214, 15, 211, 271};
// Where the story text is written (yellow with a black shadow): keep it dark.
inline constexpr QRect kStoryText{60, 236, 521, 152};

struct NightState {
  qreal flagPhase = 0;   // radians
  qreal windowGlow = 1;  // 0..1
  int twinkle = 0;       // step of the star twinkling, 0..7
};

QImage renderNightCastle(const NightState& state);

}  // namespace art
