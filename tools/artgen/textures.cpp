// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seamless tiles for the game's panels. Everything is periodic: the grain
// comes from noise on a wrapping lattice, and every shape that crosses an edge
// is drawn again on the opposite side, so the tiles repeat without seams.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <vector>

#include "common.h"
#include "generators.h"

namespace art {
namespace {

constexpr int kTile = 128;

// Smooth value noise that repeats every `cells` lattice steps.
class TileNoise {
 public:
  TileNoise(int cells, std::uint64_t seed) : cells_(cells) {
    Rng rng(seed);
    values_.resize(static_cast<std::size_t>(cells * cells));
    for (double& v : values_) {
      v = rng.uniform(-1.0, 1.0);
    }
  }
  // u, v in tile units (0..1 covers the tile once).
  double at(double u, double v) const {
    const double x = u * cells_;
    const double y = v * cells_;
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double a = value(x0, y0) + (value(x0 + 1, y0) - value(x0, y0)) * fx;
    const double b = value(x0, y0 + 1) + (value(x0 + 1, y0 + 1) - value(x0, y0 + 1)) * fx;
    return a + (b - a) * fy;
  }

 private:
  static double smooth(double t) { return t * t * (3 - 2 * t); }
  double value(int x, int y) const {
    const int wx = ((x % cells_) + cells_) % cells_;
    const int wy = ((y % cells_) + cells_) % cells_;
    return values_[static_cast<std::size_t>(wy * cells_ + wx)];
  }
  int cells_;
  std::vector<double> values_;
};

// Several octaves added together, roughly in -1..1.
double grain(const std::vector<TileNoise>& octaves, double u, double v) {
  double sum = 0;
  double weight = 0.5;
  double total = 0;
  for (const TileNoise& n : octaves) {
    sum += n.at(u, v) * weight;
    total += weight;
    weight *= 0.55;
  }
  return sum / total;
}

std::vector<TileNoise> octaves(std::uint64_t seed, std::initializer_list<int> cells) {
  std::vector<TileNoise> list;
  for (const int c : cells) {
    list.emplace_back(c, seed + static_cast<std::uint64_t>(c) * 7919);
  }
  return list;
}

// Base colour moved lighter or darker by the noise, pixel by pixel.
QImage noisyFill(const QColor& base, const std::vector<TileNoise>& noise, double amount,
                 int size = kTile) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < size; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size; ++x) {
      const double n = grain(noise, (x + 0.5) / size, (y + 0.5) / size) * amount;
      row[x] = qRgb(qBound(0, static_cast<int>(base.red() + n), 255),
                    qBound(0, static_cast<int>(base.green() + n), 255),
                    qBound(0, static_cast<int>(base.blue() + n * 0.9), 255));
    }
  }
  return image;
}

// Draws `draw` nine times, shifted by whole tiles, so shapes wrap around.
void wrapped(QPainter& p, int size, const std::function<void()>& draw) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      p.save();
      p.translate(dx * size, dy * size);
      draw();
      p.restore();
    }
  }
}

QColor varied(const QColor& base, Rng& rng, int spread) {
  const int d = rng.range(-spread, spread);
  return QColor(qBound(0, base.red() + d, 255), qBound(0, base.green() + d, 255),
                qBound(0, base.blue() + d, 255));
}

QPainterPath blobPath(QPointF c, qreal rx, qreal ry, qreal turn, Rng& rng, int points = 9) {
  std::vector<QPointF> pts;
  for (int i = 0; i < points; ++i) {
    const qreal a = i * 2 * kPi / points + rng.uniform(-0.15, 0.15);
    const qreal k = rng.uniform(0.86, 1.06);
    const QPointF local(rx * k * std::cos(a), ry * k * std::sin(a));
    pts.push_back(c + QPointF(local.x() * std::cos(turn) - local.y() * std::sin(turn),
                              local.x() * std::sin(turn) + local.y() * std::cos(turn)));
  }
  QPainterPath path((pts.back() + pts.front()) / 2);
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const QPointF next = pts[(i + 1) % pts.size()];
    path.quadTo(pts[i], (pts[i] + next) / 2);
  }
  path.closeSubpath();
  return path;
}

QImage stone() {
  QImage image = noisyFill(QColor(104, 90, 82), octaves(0x57, {4, 8, 16, 32}), 22);
  QPainter p(&image);
  prepare(p);
  Rng rng(0x570E);
  const int cells = 4;
  const qreal step = kTile / static_cast<qreal>(cells);
  for (int j = 0; j < cells; ++j) {
    const qreal shift = rng.uniform(0, step);
    for (int i = 0; i < cells; ++i) {
      const QPointF c((i + 0.5) * step + shift + rng.uniform(-2, 2),
                      (j + 0.5) * step + rng.uniform(-2, 2));
      const qreal rx = step * rng.uniform(0.46, 0.56);
      const qreal ry = step * rng.uniform(0.4, 0.48);
      const QPainterPath shape = blobPath(c, rx, ry, rng.uniform(-0.4, 0.4), rng);
      const QColor fill = varied(QColor(190, 172, 152), rng, 16);
      wrapped(p, kTile, [&] {
        fillOutlined(p, shape, fill, 1.6, QColor(70, 52, 44));
        p.save();
        p.setClipPath(shape);
        p.setPen(Qt::NoPen);
        p.setBrush(fill.darker(112));
        p.drawEllipse(c + QPointF(rx * 0.3, ry * 0.55), rx * 0.9, ry * 0.45);
        p.restore();
        QPainterPath shine(c + QPointF(-rx * 0.6, -ry * 0.1));
        shine.quadTo(c + QPointF(-rx * 0.5, -ry * 0.6), c + QPointF(0, -ry * 0.65));
        strokeLine(p, shine, 2.0, fill.lighter(116));
      });
    }
  }
  return image;
}

QImage wood() {
  const QColor base(200, 136, 80);
  QImage image = noisyFill(base, octaves(0x3D, {4, 16}), 10);
  QPainter p(&image);
  prepare(p);
  Rng rng(0x3D0D);
  const int planks = 4;
  const qreal h = kTile / static_cast<qreal>(planks);
  for (int k = 0; k < planks; ++k) {
    const qreal top = k * h;
    const int tint = rng.range(-12, 12);
    p.fillRect(QRectF(0, top, kTile, h),
               QColor(base.red() + tint, base.green() + tint, base.blue() + tint, 60));
    // Grain: gentle waves with whole periods across the tile.
    for (int line = 0; line < 5; ++line) {
      const qreal y0 = top + 4 + line * (h - 8) / 4.0;
      const int periods = rng.range(1, 3);
      const qreal amp = rng.uniform(1.0, 2.6);
      const qreal phase = rng.uniform(0, 2 * kPi);
      QPainterPath grainLine;
      for (int x = -4; x <= kTile + 4; x += 2) {
        const qreal y = y0 + amp * std::sin(2 * kPi * periods * x / kTile + phase);
        if (x == -4) {
          grainLine.moveTo(x, y);
        } else {
          grainLine.lineTo(x, y);
        }
      }
      strokeLine(p, grainLine, 1.0, QColor(150, 92, 48, 150));
    }
    const qreal knotX = rng.uniform(0, kTile);
    const QPointF knot(knotX, top + h * rng.uniform(0.35, 0.65));
    const qreal joint = rng.uniform(0, kTile);
    wrapped(p, kTile, [&] {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(130, 76, 40), 1.3));
      p.drawEllipse(knot, 5, 3);
      p.setBrush(QColor(130, 76, 40));
      p.drawEllipse(knot, 2, 1.2);
      p.setPen(QPen(QColor(92, 54, 32), 1.6));
      p.drawLine(QPointF(joint, top + 1), QPointF(joint, top + h - 1));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(110, 80, 70));
      p.drawEllipse(QPointF(joint + 5, top + 6), 1.4, 1.4);
      p.drawEllipse(QPointF(joint + 5, top + h - 6), 1.4, 1.4);
    });
    // Dark gap between planks, with a light edge below it.
    p.fillRect(QRectF(0, top, kTile, 1.5), QColor(92, 54, 32));
    p.fillRect(QRectF(0, top + 1.5, kTile, 1), QColor(236, 180, 120, 150));
  }
  return image;
}

QImage grass() {
  QImage image = noisyFill(QColor(104, 176, 80), octaves(0x6A, {4, 8, 16}), 18);
  QPainter p(&image);
  prepare(p);
  Rng rng(0x6A55);
  for (int i = 0; i < 170; ++i) {
    const QPointF base(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const qreal h = rng.uniform(5, 10);
    const qreal lean = rng.uniform(-3, 3);
    const QColor colour = rng.range(0, 2) == 0 ? QColor(70, 140, 60) : QColor(146, 208, 104);
    wrapped(p, kTile, [&] {
      QPainterPath blade(base + QPointF(-1.2, 0));
      blade.quadTo(base + QPointF(lean * 0.3, -h * 0.6), base + QPointF(lean, -h));
      blade.quadTo(base + QPointF(lean * 0.3 + 1, -h * 0.5), base + QPointF(1.2, 0));
      blade.closeSubpath();
      p.setPen(Qt::NoPen);
      p.setBrush(colour);
      p.drawPath(blade);
    });
  }
  for (int i = 0; i < 5; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const bool white = i % 2 == 0;
    wrapped(p, kTile, [&] {
      for (int k = 0; k < 5; ++k) {
        const qreal a = k * 2 * kPi / 5;
        fillOutlined(p, ellipsePath(c + QPointF(std::cos(a), std::sin(a)) * 2.2, 1.8, 1.8),
                     white ? QColor(255, 255, 250) : QColor(255, 220, 90), 0.7,
                     QColor(80, 110, 60));
      }
      fillOutlined(p, ellipsePath(c, 1.3, 1.3), QColor(250, 170, 50), 0);
    });
  }
  return image;
}

QImage stars() {
  QImage image = noisyFill(QColor(30, 34, 78), octaves(0x57A, {2, 4, 8}), 14);
  QPainter p(&image);
  prepare(p);
  Rng rng(0x57A5);
  for (int i = 0; i < 40; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const qreal r = rng.uniform(0.5, 1.3);
    const int light = rng.range(170, 255);
    wrapped(p, kTile, [&] {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(light, light, 255));
      p.drawEllipse(c, r, r);
    });
  }
  const QColor colours[] = {QColor(255, 220, 90), QColor(255, 250, 220), QColor(255, 190, 120)};
  for (int i = 0; i < 7; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const qreal s = rng.uniform(3.5, 6.5);
    const qreal turn = rng.uniform(-20, 20);
    const QColor fill = colours[i % 3];
    wrapped(p, kTile, [&] {
      QRadialGradient glow(c, s * 2.2);
      glow.setColorAt(0, QColor(255, 240, 180, 70));
      glow.setColorAt(1, QColor(255, 240, 180, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(glow);
      p.drawEllipse(c, s * 2.2, s * 2.2);
      fillOutlined(p, starPath(c, s, s * 0.45, 5, -90 + turn), fill, 1.1, QColor(20, 20, 50));
    });
  }
  for (int i = 0; i < 6; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    wrapped(p, kTile, [&] {
      p.setPen(QPen(QColor(220, 230, 255), 1.0));
      p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
      p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
    });
  }
  return image;
}

QImage paper() {
  QImage image = noisyFill(QColor(250, 242, 222), octaves(0x9A, {8, 16, 32, 64}), 9);
  QPainter p(&image);
  prepare(p);
  Rng rng(0x9A9E);
  for (int i = 0; i < 90; ++i) {
    const QPointF a(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const qreal angle = rng.uniform(0, 2 * kPi);
    const qreal len = rng.uniform(2, 6);
    const QPointF b = a + QPointF(std::cos(angle), std::sin(angle)) * len;
    const int tone = rng.range(196, 226);
    wrapped(p, kTile, [&] {
      QPainterPath fibre(a);
      fibre.quadTo((a + b) / 2 + QPointF(1, -1), b);
      strokeLine(p, fibre, 0.7, QColor(tone, tone - 12, tone - 36, 110));
    });
  }
  return image;
}

QImage bricks() {
  QImage image = noisyFill(QColor(222, 212, 196), octaves(0xB1, {8, 16}), 10);
  QPainter p(&image);
  prepare(p);
  Rng rng(0xB21C);
  const auto noise = octaves(0xB2, {8, 16, 32});
  const qreal rowH = 16;
  const qreal brickW = 32;
  for (int row = 0; row < kTile / 16; ++row) {
    const qreal offset = (row % 2) ? brickW / 2 : 0;
    for (int i = 0; i < kTile / 32; ++i) {
      const QRectF r(offset + i * brickW + 1.2, row * rowH + 1.2, brickW - 2.4, rowH - 2.4);
      const QColor fill = varied(QColor(200, 92, 62), rng, 14);
      const qreal spot = rng.uniform(0.2, 0.8);
      wrapped(p, kTile, [&] {
        QPainterPath brick;
        brick.addRoundedRect(r, 2, 2);
        fillOutlined(p, brick, fill, 1.0, QColor(120, 58, 44));
        p.setPen(QPen(fill.lighter(118), 1.0));
        p.drawLine(QPointF(r.left() + 2, r.top() + 1.5), QPointF(r.right() - 2, r.top() + 1.5));
        p.setPen(QPen(fill.darker(118), 1.0));
        p.drawLine(QPointF(r.left() + 2, r.bottom() - 1.5),
                   QPointF(r.right() - 2, r.bottom() - 1.5));
        p.setPen(Qt::NoPen);
        p.setBrush(fill.darker(112));
        p.drawEllipse(QPointF(r.left() + r.width() * spot, r.center().y()), 1.6, 1.1);
      });
    }
  }
  p.end();
  // A little grain over the bricks, periodic like the rest.
  for (int y = 0; y < kTile; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kTile; ++x) {
      const int n = static_cast<int>(grain(noise, (x + 0.5) / kTile, (y + 0.5) / kTile) * 14);
      line[x] = qRgb(qBound(0, qRed(line[x]) + n, 255), qBound(0, qGreen(line[x]) + n, 255),
                     qBound(0, qBlue(line[x]) + n, 255));
    }
  }
  return image;
}

QImage sand() {
  QImage image = noisyFill(QColor(240, 212, 150), octaves(0x5A, {4, 8, 16, 64}), 14);
  QPainter p(&image);
  prepare(p);
  Rng rng(0x5A4D);
  // Wind ripples: waves with whole periods across the tile.
  for (int i = 0; i < 6; ++i) {
    const qreal y0 = i * kTile / 6.0 + rng.uniform(-3, 3);
    const qreal phase = rng.uniform(0, 2 * kPi);
    QPainterPath ripple;
    for (int x = -4; x <= kTile + 4; x += 2) {
      const qreal y = y0 + 3.5 * std::sin(2 * kPi * 2 * x / kTile + phase) +
                      1.5 * std::sin(2 * kPi * 3 * x / kTile + phase * 2);
      if (x == -4) {
        ripple.moveTo(x, y);
      } else {
        ripple.lineTo(x, y);
      }
    }
    p.save();
    p.translate(0, 1.2);
    strokeLine(p, ripple, 1.4, QColor(255, 240, 200, 150));
    p.restore();
    strokeLine(p, ripple, 1.3, QColor(206, 168, 104, 150));
  }
  for (int i = 0; i < 60; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const int tone = rng.range(0, 2);
    wrapped(p, kTile, [&] {
      p.setPen(Qt::NoPen);
      p.setBrush(tone == 0 ? QColor(180, 140, 90) : QColor(255, 244, 214));
      p.drawEllipse(c, 0.8, 0.8);
    });
  }
  for (int i = 0; i < 4; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const qreal r = rng.uniform(2.0, 3.2);
    const QColor fill = varied(QColor(196, 180, 166), rng, 16);
    wrapped(p, kTile,
            [&] { fillOutlined(p, ellipsePath(c, r * 1.2, r), fill, 0.9, QColor(120, 96, 70)); });
  }
  return image;
}

QImage water() {
  QImage image = noisyFill(QColor(70, 156, 214), octaves(0xA6, {2, 4, 8}), 22);
  QPainter p(&image);
  prepare(p);
  Rng rng(0xA6A5);
  // Long gentle swells with whole periods across the tile.
  for (int i = 0; i < 4; ++i) {
    const qreal y0 = i * kTile / 4.0 + rng.uniform(0, 8);
    const qreal phase = rng.uniform(0, 2 * kPi);
    QPainterPath swell;
    for (int x = -4; x <= kTile + 4; x += 2) {
      const qreal y = y0 + 3 * std::sin(2 * kPi * 2 * x / kTile + phase);
      if (x == -4) {
        swell.moveTo(x, y);
      } else {
        swell.lineTo(x, y);
      }
    }
    strokeLine(p, swell, 5, QColor(110, 186, 236, 90));
  }
  // Little ripples: a curl up and a curl down, like a tilde.
  for (int i = 0; i < 16; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    const qreal w = rng.uniform(6, 11);
    const bool light = i % 4 != 0;
    wrapped(p, kTile, [&] {
      QPainterPath ripple(c + QPointF(-w, 1));
      ripple.cubicTo(c + QPointF(-w * 0.6, -w * 0.35), c + QPointF(-w * 0.2, -w * 0.3), c);
      ripple.cubicTo(c + QPointF(w * 0.2, w * 0.3), c + QPointF(w * 0.6, w * 0.35),
                     c + QPointF(w, -1));
      strokeLine(p, ripple, light ? 1.8 : 1.5,
                 light ? QColor(232, 248, 255, 210) : QColor(36, 100, 170, 170));
    });
  }
  for (int i = 0; i < 7; ++i) {
    const QPointF c(rng.uniform(0, kTile), rng.uniform(0, kTile));
    wrapped(p, kTile, [&] {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 200));
      p.drawPath(starPath(c, 2.6, 0.8, 4, 0));
    });
  }
  return image;
}

}  // namespace

void makeTextures(Output& out) {
  out.saveBmp(stone(), "data/texturas/piedra.bmp");
  out.saveBmp(wood(), "data/texturas/madera.bmp");
  out.saveBmp(grass(), "data/texturas/hierba.bmp");
  out.saveBmp(stars(), "data/texturas/estrellas.bmp");
  out.saveBmp(paper(), "data/texturas/papel.bmp");
  out.saveBmp(bricks(), "data/texturas/ladrillo.bmp");
  out.saveBmp(sand(), "data/texturas/arena.bmp");
  out.saveBmp(water(), "data/texturas/agua.bmp");
}

}  // namespace art
