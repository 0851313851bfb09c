// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "nightcastle.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "castle.h"
#include "common.h"
#include "nature.h"

namespace art {
namespace {

const QColor kMoonTint{84, 92, 152};
const QRectF kKeep{276, 118, 88, 180};
const QRectF kLeftTower{146, 196, 56, 160};
const QRectF kRightTower{439, 196, 56, 160};
constexpr qreal kKeepRoof = 72;
constexpr qreal kSideRoof = 56;

struct Twinkle {
  QPointF at;
  qreal size;
};

constexpr std::array<Twinkle, 10> kTwinkles{{{{36, 36}, 5},
                                             {{186, 34}, 4},
                                             {{248, 76}, 5.5},
                                             {{398, 50}, 6},
                                             {{474, 106}, 4.5},
                                             {{592, 58}, 6},
                                             {{560, 178}, 4},
                                             {{28, 196}, 4.5},
                                             {{170, 128}, 4},
                                             {{404, 176}, 4.5}}};

void drawSky(QPainter& p, const NightState& state) {
  fillVertical(p, QRectF(0, 0, kStoryPage.width(), kStoryPage.height()), QColor(12, 16, 48),
               QColor(50, 54, 112));
  Rng rng(0xA57E);
  const QRectF text(kStoryText);
  for (int i = 0; i < 150; ++i) {
    const QPointF c(rng.uniform(0, kStoryPage.width()), rng.uniform(0, 330));
    const qreal r = rng.uniform(0.5, 1.5);
    const int light = rng.range(150, 240);
    if (text.adjusted(-6, -6, 6, 6).contains(c)) {
      continue;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(light, light, 255));
    p.drawEllipse(c, r, r);
  }
  for (std::size_t i = 0; i < kTwinkles.size(); ++i) {
    const qreal wave = 0.5 + 0.5 * std::cos(2 * kPi * state.twinkle / 8.0 + i * 1.7);
    drawTwinkle(p, kTwinkles[i].at, kTwinkles[i].size * (0.7 + 0.45 * wave),
                i % 3 == 0 ? QColor(255, 246, 220) : ink::kStar);
  }
  drawMoon(p, QPointF(96, 92), 46);
}

QPainterPath hillPath() {
  QPainterPath hill(QPointF(-10, 404));
  hill.cubicTo(QPointF(150, 352), QPointF(240, 348), QPointF(320, 348));
  hill.cubicTo(QPointF(400, 348), QPointF(500, 352), QPointF(651, 396));
  hill.lineTo(651, 490);
  hill.lineTo(-10, 490);
  hill.closeSubpath();
  return hill;
}

// Everything that the moon lights: painted in day colours, tinted afterwards.
QImage moonlitLayer() {
  QImage layer = transparentImage(kStoryPage.width(), kStoryPage.height());
  QPainter p(&layer);
  prepare(p);
  QPainterPath far(QPointF(-10, 330));
  far.cubicTo(QPointF(120, 290), QPointF(200, 300), QPointF(300, 318));
  far.cubicTo(QPointF(420, 292), QPointF(540, 286), QPointF(651, 320));
  far.lineTo(651, 490);
  far.lineTo(-10, 490);
  far.closeSubpath();
  fillOutlined(p, far, QColor(120, 150, 170), 1.5);
  Tower keep;
  keep.body = kKeep;
  keep.roofHeight = kKeepRoof;
  keep.roof = QColor(90, 130, 210);
  keep.stoneScale = 0.55;
  keep.seed = 0x4EE9;
  keep.windows = 0;
  keep.flag = false;
  drawTower(p, keep);
  drawBattlement(p, QRectF(186, 262, 270, 96), 14, 0.55, 0xC0A7);
  Tower side = keep;
  side.body = kLeftTower;
  side.roofHeight = kSideRoof;
  side.roof = ink::kRoof;
  side.seed = 0x1E57;
  drawTower(p, side);
  side.body = kRightTower;
  side.seed = 0x9A57;
  drawTower(p, side);
  drawGate(p, QRectF(300, 304, 40, 54), 6, 0.0);
  fillOutlined(p, hillPath(), QColor(96, 160, 90), 1.5);
  QPainterPath path(QPointF(302, 358));
  path.lineTo(QPointF(338, 358));
  path.cubicTo(QPointF(350, 400), QPointF(420, 420), QPointF(430, 490));
  path.lineTo(QPointF(370, 490));
  path.cubicTo(QPointF(370, 430), QPointF(306, 400), QPointF(302, 358));
  fillOutlined(p, path, QColor(200, 180, 140), 1.5);
  for (const auto& [x, y, h] :
       {std::array<qreal, 3>{34, 420, 96}, std::array<qreal, 3>{84, 402, 70},
        std::array<qreal, 3>{566, 404, 82}, std::array<qreal, 3>{612, 420, 100}}) {
    drawPine(p, QPointF(x, y), h);
  }
  drawBush(p, QPointF(480, 392), 40, ink::kLeafDark);
  p.end();
  // Moonlight: multiply every painted pixel by a cool blue.
  for (int y = 0; y < layer.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
    for (int x = 0; x < layer.width(); ++x) {
      const QRgb c = row[x];
      row[x] = qRgba(qRed(c) * kMoonTint.red() / 255, qGreen(c) * kMoonTint.green() / 255,
                     qBlue(c) * kMoonTint.blue() / 255, qAlpha(c));
    }
  }
  return layer;
}

QRectF windowIn(const QRectF& body, qreal fromTop, qreal width) {
  return QRectF(body.center().x() - width / 2, body.top() + fromTop, width, width * 1.7);
}

void drawLights(QPainter& p, const NightState& state) {
  drawCastleWindow(p, windowIn(kKeep, 24, 18), true, state.windowGlow);
  drawCastleWindow(p, windowIn(kKeep, 76, 16), true, 0.55 + 0.45 * (1.0 - state.windowGlow));
  drawCastleWindow(p, windowIn(kLeftTower, 16, 11), true, 0.8);
  drawCastleWindow(p, windowIn(kRightTower, 16, 11), true, 0.8);
  // Pennants catch a little moonlight, so they keep some of their colour.
  const QPointF keepTop(kKeep.center().x(), kKeep.top() - kKeepRoof);
  drawPennant(p, keepTop - QPointF(0, 24), 24, 52, state.flagPhase, QColor(196, 70, 70));
  for (const QRectF& body : {kLeftTower, kRightTower}) {
    const QPointF top(body.center().x(), body.top() - kSideRoof);
    drawPennant(p, top - QPointF(0, 22), 22, 32, 1.3, QColor(200, 170, 70));
  }
}

}  // namespace

QImage renderNightCastle(const NightState& state) {
  QImage image = opaqueImage(kStoryPage.width(), kStoryPage.height(), Qt::black);
  QPainter p(&image);
  prepare(p);
  drawSky(p, state);
  p.drawImage(0, 0, moonlitLayer());
  drawLights(p, state);
  return image;
}

}  // namespace art
