// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The introduction: the castle at night behind the story, and its three
// animations: candles and a bat (each the size of its box) and the keep's tower
// with its pennant, laid over the picture.
#include <array>
#include <cmath>
#include <utility>

#include "common.h"
#include "decorations.h"
#include "generators.h"
#include "gifwriter.h"
#include "nature.h"
#include "nightcastle.h"

namespace art {
namespace {

// Smallest rectangle holding every pixel that differs between two frames.
QRect changedArea(const QImage& before, const QImage& after) {
  const QImage a = before.convertToFormat(QImage::Format_ARGB32);
  const QImage b = after.convertToFormat(QImage::Format_ARGB32);
  int left = a.width(), top = a.height(), right = -1, bottom = -1;
  for (int y = 0; y < a.height(); ++y) {
    const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      if (ra[x] != rb[x]) {
        left = qMin(left, x);
        right = qMax(right, x);
        top = qMin(top, y);
        bottom = qMax(bottom, y);
      }
    }
  }
  if (right < 0) {
    return QRect(0, 0, 1, 1);
  }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

// ---- Candles: the holder stays, only the flames are redrawn. ----

struct Candle {
  qreal x, top, width;
  QColor wax;
};

// The picture is exactly the size of its box in the introduction (246x160 at
// (-15,350)), so the tiling control shows it once. The window shows its rows
// 0..115 only, and the story's last lines pass over rows 0..44 right of x 75:
// the candles stand low in the left corner, clear of the text.
constexpr QSize kCandleTile{246, 160};
constexpr QPoint kCandlesAt{18, 34};
const std::array<Candle, 3> kCandles{{{22, 46, 11, QColor(252, 238, 214)},
                                      {41, 30, 13, QColor(250, 196, 206)},
                                      {60, 52, 11, QColor(190, 216, 248)}}};
constexpr qreal kTrayY = 70;

struct FlameShape {
  qreal height, width, lean;
};

void drawCandle(QPainter& p, const Candle& c) {
  const qreal half = c.width / 2;
  QPainterPath body(QPointF(c.x - half, kTrayY));
  body.lineTo(c.x - half, c.top + 2);
  body.quadTo(QPointF(c.x - half, c.top), QPointF(c.x - half + 2, c.top));
  body.lineTo(c.x + half - 2, c.top);
  body.quadTo(QPointF(c.x + half, c.top), QPointF(c.x + half, c.top + 2));
  body.lineTo(c.x + half, kTrayY);
  body.closeSubpath();
  fillOutlined(p, body, c.wax, 1.4);
  // Wax running down from the top.
  QPainterPath drip(QPointF(c.x - half + 0.7, c.top + 1));
  drip.lineTo(c.x - half + 0.7, c.top + 7);
  drip.quadTo(QPointF(c.x - half + 2.5, c.top + 10), QPointF(c.x - half + 4, c.top + 6));
  drip.lineTo(c.x + 1, c.top + 4);
  drip.quadTo(QPointF(c.x + 2.5, c.top + 12), QPointF(c.x + 4, c.top + 4));
  drip.lineTo(c.x + half - 0.7, c.top + 3);
  drip.lineTo(c.x + half - 0.7, c.top + 1);
  drip.closeSubpath();
  fillOutlined(p, drip, c.wax.lighter(108), 0);
  QPainterPath shine(QPointF(c.x - half + 2.6, c.top + 12));
  shine.lineTo(c.x - half + 2.6, kTrayY - 4);
  strokeLine(p, shine, 1.6, QColor(255, 255, 255, 200));
  QPainterPath wick(QPointF(c.x, c.top));
  wick.lineTo(c.x, c.top - 3);
  strokeLine(p, wick, 1.4, ink::kOutline);
}

void drawTray(QPainter& p) {
  const QColor brass(230, 176, 72);
  QPainterPath ring;
  ring.addEllipse(QPointF(75.5, kTrayY - 1), 4, 3.5);
  ring.addEllipse(QPointF(75.5, kTrayY - 1), 1.8, 1.5);
  fillOutlined(p, ring, brass, 1.3);
  fillOutlined(p, ellipsePath(QPointF(40, kTrayY + 1.5), 34, 6), brass, 1.5);
  fillOutlined(p, ellipsePath(QPointF(40, kTrayY + 0.5), 29, 3.5), brass.lighter(115), 0);
}

QImage candleImage(const std::array<FlameShape, 3>& flames) {
  QImage image = transparentImage(kCandleTile.width(), kCandleTile.height());
  QPainter p(&image);
  prepare(p);
  p.translate(kCandlesAt);
  drawTray(p);
  for (std::size_t i = 0; i < kCandles.size(); ++i) {
    drawCandle(p, kCandles[i]);
    const Candle& c = kCandles[i];
    drawFlameAt(p, QPointF(c.x, c.top - 2), flames[i].height, flames[i].width, flames[i].lean);
  }
  return image;
}

void makeCandles(Output& out) {
  // The first flames are the smallest, so every later flame covers them.
  const std::array<std::array<FlameShape, 3>, 7> steps{{
      {{{7, 5, 0}, {7, 5, 0}, {7, 5, 0}}},
      {{{12, 8, -1}, {14, 8, 1}, {11, 7, 0.5}}},
      {{{14, 8, 1}, {12, 7.5, -1}, {13, 8, -1}}},
      {{{11, 7.5, 0.5}, {15, 8.5, 0.5}, {12, 7.5, 1}}},
      {{{13, 8, -0.5}, {13, 8, -1}, {14, 8, 0}}},
      {{{12, 7.5, 1}, {14, 8, 1}, {11, 7, -1}}},
      {{{14, 8, 0}, {12, 7.5, 0}, {13, 8, 0.5}}},
  }};
  const std::array<int, 7> delays{8, 11, 9, 12, 10, 13, 9};
  const QRect flames = QRect(10, 6, 62, 48).translated(kCandlesAt);
  std::vector<GifFrame> frames;
  frames.push_back({candleImage(steps[0]), QPoint(0, 0), delays[0], Disposal::Keep});
  for (std::size_t i = 1; i < steps.size(); ++i) {
    frames.push_back(
        {candleImage(steps[i]).copy(flames), flames.topLeft(), delays[i], Disposal::Background});
  }
  const QString rel = "resources/gifs/intro1.gif";
  out.record(rel, writeGif(out.prepare(rel), kCandleTile, frames));
}

// ---- Bat: comes out from behind the moon, loops and hides again. ----

// Exactly the size of its box (251x160 at (55,400)), of which the window shows
// rows 0..65: the moon sits between the candles and the "Seguir" button.
constexpr QSize kBatTile{251, 160};
constexpr QPoint kMoonAt{120, 0};
const QPointF kMoonCentre(56, 26);

QImage moonImage(qreal batT, bool withBat) {
  QImage image = transparentImage(kBatTile.width(), kBatTile.height());
  QPainter p(&image);
  prepare(p);
  p.translate(kMoonAt);
  for (const auto& [c, s] : {std::pair{QPointF(14, 14), 3.5}, std::pair{QPointF(24, 66), 3.0},
                             std::pair{QPointF(74, 62), 3.5}, std::pair{QPointF(36, 32), 2.5}}) {
    drawTwinkle(p, c, s);
  }
  const qreal away = std::sin(kPi * batT);
  const bool behind = batT < 0.15 || batT > 0.85;
  auto bat = [&] {
    const QPointF at = kMoonCentre + QPointF(-30 * away - 8 * std::sin(2 * kPi * batT),
                                             28 * away + 4 * std::sin(2 * kPi * batT));
    const qreal scale = 0.3 + 0.32 * away;
    const std::array<qreal, 4> wings{-42, -10, 26, -10};
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.translate(-32, -15);
    drawBat(p, wings[static_cast<std::size_t>(std::lround(batT * 10)) % wings.size()]);
    p.restore();
  };
  if (withBat && behind) {
    bat();
  }
  drawMoon(p, kMoonCentre, 16);
  if (withBat && !behind) {
    bat();
  }
  return image;
}

void makeBatAndMoon(Output& out) {
  const QImage still = moonImage(0, false);
  std::vector<GifFrame> frames;
  frames.push_back({still, QPoint(0, 0), 35, Disposal::Keep, true});
  const std::array<int, 9> delays{9, 8, 7, 9, 10, 8, 7, 9, 11};
  for (std::size_t i = 0; i < delays.size(); ++i) {
    const qreal t = 0.1 * static_cast<qreal>(i + 1);
    const QImage full = moonImage(t, true);
    const QRect area = changedArea(still, full);
    frames.push_back({full.copy(area), area.topLeft(), delays[i], Disposal::Previous, true});
  }
  const QString rel = "resources/gifs/intro2.gif";
  out.record(rel, writeGif(out.prepare(rel), kBatTile, frames));
}

// ---- Tower: the top of the keep, cut from the night picture. ----

void makeTower(Output& out) {
  const std::array<int, 8> delays{14, 11, 12, 15, 10, 13, 12, 16};
  const std::array<qreal, 8> glow{1.0, 0.85, 0.95, 0.7, 0.9, 1.0, 0.8, 0.9};
  std::vector<GifFrame> frames;
  QImage previous;
  for (std::size_t i = 0; i < delays.size(); ++i) {
    NightState state;
    state.flagPhase = 2 * kPi * static_cast<qreal>(i) / static_cast<qreal>(delays.size());
    state.windowGlow = glow[i];
    state.twinkle = static_cast<int>(i);
    const QImage full = renderNightCastle(state).copy(kTowerBox);
    if (i == 0) {
      frames.push_back({full, QPoint(0, 0), delays[i], Disposal::Keep});
    } else {
      const QRect area = changedArea(previous, full);
      frames.push_back({full.copy(area), area.topLeft(), delays[i], Disposal::Keep});
    }
    previous = full;
  }
  const QString rel = "resources/gifs/intro3.gif";
  out.record(rel, writeGif(out.prepare(rel), kTowerBox.size(), frames));
}

}  // namespace

void makeIntro(Output& out) {
  out.savePng(renderNightCastle(NightState{}).convertToFormat(QImage::Format_RGB32),
              "resources/images/castillo.png");
  makeCandles(out);
  makeBatAndMoon(out);
  makeTower(out);
}

}  // namespace art
