// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Animated decorations that the game lays over the castle room.
#include <QLinearGradient>
#include <array>
#include <cmath>

#include "common.h"
#include "decorations.h"
#include "generators.h"
#include "gifwriter.h"

namespace art {
namespace {

// ---- Torch: the bracket stays, only the flame area is redrawn. ----

struct Flame {
  qreal height, width, lean;
};

}  // namespace

QPainterPath flamePath(QPointF base, qreal h, qreal w, qreal lean) {
  QPainterPath path;
  path.moveTo(base + QPointF(-w / 2, 0));
  path.cubicTo(base + QPointF(-w / 2 - 1, -h * 0.45), base + QPointF(lean - 2, -h * 0.7),
               base + QPointF(lean, -h));
  path.cubicTo(base + QPointF(lean + 2, -h * 0.7), base + QPointF(w / 2 + 1, -h * 0.45),
               base + QPointF(w / 2, 0));
  path.quadTo(base + QPointF(0, 4), base + QPointF(-w / 2, 0));
  path.closeSubpath();
  return path;
}

void drawFlameAt(QPainter& p, QPointF base, qreal h, qreal w, qreal lean) {
  fillOutlined(p, flamePath(base, h, w, lean), QColor(236, 98, 44), 1.5);
  fillOutlined(p, flamePath(base, h * 0.72, w * 0.7, lean * 0.7), QColor(250, 160, 58), 0);
  fillOutlined(p, flamePath(base, h * 0.42, w * 0.42, lean * 0.4), QColor(255, 230, 130), 0);
}

namespace {

void drawTorchBracket(QPainter& p) {
  QPainterPath plate;
  plate.addRoundedRect(QRectF(11, 43, 18, 12), 3, 3);
  fillOutlined(p, plate, ink::kIron, 1.5);
  p.setPen(Qt::NoPen);
  p.setBrush(ink::kIron.lighter(170));
  p.drawEllipse(QPointF(14, 49), 1.3, 1.3);
  p.drawEllipse(QPointF(26, 49), 1.3, 1.3);
  drawLimb(p, QPolygonF({QPointF(20, 60), QPointF(20, 30)}), 5.5, ink::kWood, 1.5);
  QPainterPath ring;
  ring.addRoundedRect(QRectF(16, 46, 8, 5), 1.5, 1.5);
  fillOutlined(p, ring, ink::kIron, 1.2);
  QPainterPath cup;
  cup.moveTo(12, 24);
  cup.lineTo(28, 24);
  cup.lineTo(25, 32);
  cup.lineTo(15, 32);
  cup.closeSubpath();
  fillOutlined(p, cup, ink::kIron, 1.5);
  p.setPen(QPen(ink::kIron.lighter(170), 1.0));
  p.drawLine(QPointF(14, 26.5), QPointF(26, 26.5));
}

void drawFlame(QPainter& p, const Flame& f) {
  drawFlameAt(p, QPointF(20, 25), f.height, f.width, f.lean);
}

QImage torchImage(const Flame& f) {
  QImage image = transparentImage(40, 64);
  QPainter p(&image);
  prepare(p);
  drawTorchBracket(p);
  drawFlame(p, f);
  return image;
}

void makeTorch(Output& out) {
  // The first flame is the smallest so the second one fully covers it.
  const std::array<Flame, 6> flames{
      {{14, 12, 0}, {21, 15, -1.5}, {17, 13, 2}, {19.5, 14, -2}, {16, 13, 1.5}, {20, 14, 0.5}}};
  const std::array<int, 6> delays{9, 11, 8, 12, 10, 9};
  const QRect flameArea(4, 0, 32, 28);
  std::vector<GifFrame> frames;
  frames.push_back({torchImage(flames[0]), QPoint(0, 0), delays[0], Disposal::Keep});
  for (std::size_t i = 1; i < flames.size(); ++i) {
    frames.push_back({torchImage(flames[i]).copy(flameArea), flameArea.topLeft(), delays[i],
                      Disposal::Background});
  }
  const QString rel = "resources/gifs/deco1.gif";
  out.record(rel, writeGif(out.prepare(rel), QSize(40, 64), frames));
}

// ---- Bat: whole frames, cleared between frames. ----

QPainterPath wingPath(qreal angleDeg, int side) {
  const QPointF shoulder(32 + side * 5.0, 15);
  auto at = [&](qreal len, qreal deg) {
    const qreal rad = deg * kPi / 180.0;
    return shoulder + QPointF(side * len * std::cos(rad), len * std::sin(rad));
  };
  const std::array<QPointF, 3> tips{at(25, angleDeg), at(21, angleDeg + 28), at(13, angleDeg + 55)};
  QPainterPath wing(shoulder + QPointF(0, -2));
  wing.lineTo(tips[0]);
  QPointF previous = tips[0];
  for (std::size_t i = 1; i < tips.size(); ++i) {
    const QPointF mid = (previous + tips[i]) / 2.0;
    wing.quadTo(mid + (shoulder - mid) * 0.25, tips[i]);
    previous = tips[i];
  }
  const QPointF hip = shoulder + QPointF(-side * 1.0, 6);
  wing.quadTo((previous + hip) / 2.0 + (shoulder - (previous + hip) / 2.0) * 0.25, hip);
  wing.closeSubpath();
  return wing;
}

}  // namespace

void drawBat(QPainter& p, qreal wingAngle) {
  const QColor fur(112, 82, 128);
  fillOutlined(p, wingPath(wingAngle, -1), QColor(150, 108, 160), 1.5);
  fillOutlined(p, wingPath(wingAngle, 1), QColor(150, 108, 160), 1.5);
  for (int side : {-1, 1}) {
    QPainterPath ear;
    ear.moveTo(32 + side * 2.0, 9);
    ear.lineTo(32 + side * 6.5, 3);
    ear.lineTo(32 + side * 6.5, 11);
    ear.closeSubpath();
    fillOutlined(p, ear, fur, 1.5);
  }
  fillOutlined(p, ellipsePath(QPointF(32, 15), 7.5, 8), fur, 1.5);
  fillOutlined(p, ellipsePath(QPointF(32, 19), 4, 4), QColor(196, 160, 190), 0);
  for (int side : {-1, 1}) {
    fillOutlined(p, ellipsePath(QPointF(32 + side * 3.0, 12.5), 2.6, 2.8), Qt::white, 1.0);
    fillOutlined(p, ellipsePath(QPointF(32 + side * 3.0, 13), 1.2, 1.3), ink::kOutline, 0);
  }
  QPainterPath smile;
  smile.moveTo(30, 17);
  smile.quadTo(32, 18.8, 34, 17);
  strokeLine(p, smile, 1.2, ink::kOutline);
}

namespace {

QImage batImage(qreal wingAngle, qreal bob) {
  QImage image = transparentImage(64, 32);
  QPainter p(&image);
  prepare(p);
  p.translate(0, bob);
  drawBat(p, wingAngle);
  return image;
}

void makeBat(Output& out) {
  const std::array<qreal, 6> angles{-42, -18, 12, 32, 12, -18};
  const std::array<qreal, 6> bobs{1.5, 0.5, -1, -2, -1, 0.5};
  const std::array<int, 6> delays{7, 6, 7, 8, 7, 6};
  std::vector<GifFrame> frames;
  for (std::size_t i = 0; i < angles.size(); ++i) {
    frames.push_back({batImage(angles[i], bobs[i]), QPoint(0, 0), delays[i], Disposal::Background});
  }
  const QString rel = "resources/gifs/deco2.gif";
  out.record(rel, writeGif(out.prepare(rel), QSize(64, 32), frames));
}

// ---- Banner: the outline never changes, the folds travel across the cloth. ----

QPainterPath clothPath() {
  QPainterPath cloth;
  cloth.moveTo(8, 12);
  cloth.lineTo(40, 12);
  cloth.lineTo(40, 76);
  cloth.lineTo(24, 65);
  cloth.lineTo(8, 76);
  cloth.closeSubpath();
  return cloth;
}

QImage bannerImage(qreal phase) {
  QImage image = transparentImage(48, 80);
  QPainter p(&image);
  prepare(p);
  p.setPen(QPen(ink::kOutline, 1.2));
  p.drawLine(QPointF(24, 2), QPointF(6, 10));
  p.drawLine(QPointF(24, 2), QPointF(42, 10));
  fillOutlined(p, ellipsePath(QPointF(24, 2.5), 2, 2), ink::kIron, 1.0);
  const QPainterPath cloth = clothPath();
  fillOutlined(p, cloth, QColor(200, 66, 56), 0);
  p.save();
  p.setClipPath(cloth);
  QLinearGradient folds(8, 0, 40, 0);
  for (int i = 0; i <= 8; ++i) {
    const qreal s = std::sin(2 * kPi * (i / 8.0 * 1.5) + phase);
    folds.setColorAt(i / 8.0, s > 0 ? QColor(255, 230, 200, static_cast<int>(80 * s))
                                    : QColor(60, 10, 10, static_cast<int>(-100 * s)));
  }
  p.fillRect(QRectF(8, 12, 32, 66), folds);
  const QPointF sway(1.5 * std::sin(phase), 0.8 * std::cos(phase));
  fillOutlined(p, starPath(QPointF(24, 36) + sway, 9, 4), QColor(246, 196, 72), 1.4);
  p.restore();
  QPainterPath border;
  border.moveTo(11, 14);
  border.lineTo(11, 70);
  border.moveTo(37, 14);
  border.lineTo(37, 70);
  strokeLine(p, border, 2.0, QColor(246, 196, 72));
  strokeLine(p, cloth, 1.8, ink::kOutline);
  QPainterPath rod;
  rod.addRoundedRect(QRectF(3, 8.5, 42, 4), 2, 2);
  fillOutlined(p, rod, ink::kWood, 1.4);
  fillOutlined(p, ellipsePath(QPointF(3.5, 10.5), 2.8, 2.8), QColor(236, 186, 70), 1.2);
  fillOutlined(p, ellipsePath(QPointF(44.5, 10.5), 2.8, 2.8), QColor(236, 186, 70), 1.2);
  return image;
}

void makeBanner(Output& out) {
  const std::array<int, 6> delays{12, 14, 13, 12, 15, 13};
  std::vector<GifFrame> frames;
  for (std::size_t i = 0; i < delays.size(); ++i) {
    const qreal phase = 2 * kPi * static_cast<qreal>(i) / static_cast<qreal>(delays.size());
    frames.push_back({bannerImage(phase), QPoint(0, 0), delays[i], Disposal::Unspecified});
  }
  const QString rel = "resources/gifs/deco3.gif";
  out.record(rel, writeGif(out.prepare(rel), QSize(48, 80), frames));
}

// ---- Spider: goes down and up its thread; each frame rolls back afterwards. ----

void drawSpiderLegs(QPainter& p, QPointF body, qreal wiggle) {
  for (int side : {-1, 1}) {
    for (int i = 0; i < 4; ++i) {
      const qreal y = body.y() - 3 + i * 2.6;
      const qreal w = (i % 2 == 0 ? wiggle : -wiggle) * side;
      QPainterPath leg(QPointF(body.x() + side * 5.0, y));
      leg.lineTo(body.x() + side * 10.5, y - 4 + i * 1.2 + w);
      leg.lineTo(body.x() + side * 13.5, y + 3 + i * 1.6 + w);
      strokeLine(p, leg, 2.0, ink::kOutline);
    }
  }
}

QImage spiderImage(qreal top, qreal wiggle) {
  QImage image = transparentImage(32, 90);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(QRectF(16, 0, 1, top + 2), QColor(244, 236, 224));
  p.fillRect(QRectF(17, 0, 1, top + 2), QColor(110, 92, 100));
  prepare(p);
  fillOutlined(p, ellipsePath(QPointF(16.5, 1.5), 3, 2), QColor(244, 236, 224), 1.0);
  const QPointF body(16.5, top + 9);
  drawSpiderLegs(p, body, wiggle);
  fillOutlined(p, ellipsePath(body, 7.5, 8.5), QColor(84, 60, 96), 1.6);
  fillOutlined(p, ellipsePath(body + QPointF(0, 4), 3.5, 2.5), QColor(140, 108, 150), 0);
  for (int side : {-1, 1}) {
    fillOutlined(p, ellipsePath(body + QPointF(side * 3.0, -2.5), 2.8, 3.0), Qt::white, 1.0);
    fillOutlined(p, ellipsePath(body + QPointF(side * 3.0, -2.0), 1.3, 1.5), ink::kOutline, 0);
  }
  QPainterPath smile;
  smile.moveTo(body + QPointF(-2, 1.5));
  smile.quadTo(body + QPointF(0, 3.3), body + QPointF(2, 1.5));
  strokeLine(p, smile, 1.2, Qt::white);
  return image;
}

void makeSpider(Output& out) {
  const std::array<int, 8> delays{10, 9, 11, 10, 12, 9, 11, 10};
  std::vector<GifFrame> frames;
  for (std::size_t i = 0; i < delays.size(); ++i) {
    const qreal t = static_cast<qreal>(i) / static_cast<qreal>(delays.size());
    const qreal top = 37 - 29 * std::cos(2 * kPi * t);
    const qreal wiggle = (i % 2 == 0) ? 1.5 : -1.5;
    frames.push_back({spiderImage(top, wiggle), QPoint(0, 0), delays[i], Disposal::Previous});
  }
  const QString rel = "resources/gifs/deco4.gif";
  out.record(rel, writeGif(out.prepare(rel), QSize(32, 90), frames));
}

}  // namespace

void makeGifs(Output& out) {
  makeTorch(out);
  makeBat(out);
  makeBanner(out);
  makeSpider(out);
}

}  // namespace art
