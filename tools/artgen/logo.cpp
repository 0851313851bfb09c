// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker's page: an open book with a star rising from it, the words
// "Programas TAMU" and, smaller, the name of the game.
#include <QFontDatabase>
#include <QLineF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "common.h"
#include "generators.h"
#include "nature.h"

namespace art {
namespace {

constexpr int kWidth = 641;
constexpr int kHeight = 480;
const char kFontFolder[] = "/usr/share/fonts/truetype/liberation/";

// Loads a Liberation face from its file, so the result never depends on which
// fonts the system would pick; falls back to the family name.
QString liberationFamily(const char* file, const char* family) {
  const int id = QFontDatabase::addApplicationFont(QString(kFontFolder) + file);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    std::fprintf(stderr, "lurimba-artgen: could not load %s, using the installed %s\n", file,
                 family);
    return family;
  }
  return families.first();
}

QFont friendlyFont(const QString& family, qreal pixels) {
  QFont font(family);
  font.setBold(true);
  font.setPixelSize(static_cast<int>(pixels));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(true);
  return font;
}

// Text as an outlined shape centred on `centreX`, sitting on `baseline`, with
// a soft drop shadow and a light band across the upper half of the letters.
void drawTitle(QPainter& p, const QString& text, const QFont& font, qreal centreX, qreal baseline,
               const QColor& top, const QColor& bottom, qreal outline) {
  QPainterPath path;
  path.addText(QPointF(0, 0), font, text);
  const QRectF box = path.boundingRect();
  path.translate(centreX - box.center().x(), baseline);
  p.save();
  p.translate(3, 4);
  p.setPen(QPen(QColor(90, 50, 30, 70), outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(90, 50, 30, 70));
  p.drawPath(path);
  p.restore();
  p.save();
  p.setPen(QPen(ink::kOutline, outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(ink::kOutline);
  p.drawPath(path);
  p.restore();
  const QRectF placed = path.boundingRect();
  QLinearGradient fill(0, placed.top(), 0, placed.bottom());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.setClipPath(path);
  p.fillRect(QRectF(placed.left(), placed.top(), placed.width(), placed.height() * 0.28),
             QColor(255, 255, 255, 60));
  p.restore();
}

void drawBackground(QPainter& p) {
  QRadialGradient warm(QPointF(kWidth / 2.0, kHeight * 0.4), kWidth * 0.7);
  warm.setColorAt(0, QColor(255, 250, 236));
  warm.setColorAt(1, QColor(255, 226, 178));
  p.fillRect(QRectF(0, 0, kWidth, kHeight), warm);
  // Rays behind the emblem.
  const QPointF hub(kWidth / 2.0, 150);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 214, 120, 70));
  for (int i = 0; i < 16; ++i) {
    const qreal a = i * 2 * kPi / 16;
    QPainterPath ray(hub);
    ray.lineTo(hub + QPointF(std::cos(a - 0.09), std::sin(a - 0.09)) * 520);
    ray.lineTo(hub + QPointF(std::cos(a + 0.09), std::sin(a + 0.09)) * 520);
    ray.closeSubpath();
    p.drawPath(ray);
  }
  // Confetti stars around the border, away from the words.
  Rng rng(0x7A40);
  const QColor colours[] = {QColor(236, 82, 70), QColor(62, 170, 84), QColor(52, 124, 214),
                            QColor(244, 150, 32), QColor(176, 110, 214)};
  std::vector<QPointF> spots;
  for (int tries = 0; spots.size() < 24 && tries < 600; ++tries) {
    const QPointF c(rng.uniform(28, kWidth - 28), rng.uniform(28, kHeight - 28));
    const bool border = c.x() < 74 || c.x() > kWidth - 74 || c.y() < 50 || c.y() > kHeight - 46;
    const QRectF words(24, 246, kWidth - 48, 180);
    const QRectF emblem(170, 16, kWidth - 340, 220);
    bool crowded = false;
    for (const QPointF& s : spots) {
      crowded = crowded || QLineF(s, c).length() < 34;
    }
    if (!border || crowded || words.contains(c) || emblem.contains(c)) {
      continue;
    }
    fillOutlined(p, starPath(c, rng.uniform(5, 9), 3, 5, rng.uniform(-90, -18)),
                 colours[spots.size() % 5], 1.4);
    spots.push_back(c);
  }
  QPainterPath frame;
  frame.addRoundedRect(QRectF(8, 8, kWidth - 16, kHeight - 16), 22, 22);
  strokeLine(p, frame, 4, QColor(236, 160, 70));
  strokeLine(p, frame, 1.5, ink::kOutline);
}

void drawBook(QPainter& p, QPointF spine) {
  const qreal w = 118;
  const qreal h = 74;
  // Cover showing under the pages.
  QPainterPath cover(spine + QPointF(0, 10));
  cover.quadTo(spine + QPointF(-w * 0.5, -4), spine + QPointF(-w - 8, 4));
  cover.lineTo(spine + QPointF(-w - 8, -h + 4));
  cover.lineTo(spine + QPointF(w + 8, -h + 4));
  cover.lineTo(spine + QPointF(w + 8, 4));
  cover.quadTo(spine + QPointF(w * 0.5, -4), spine + QPointF(0, 10));
  cover.closeSubpath();
  fillOutlined(p, cover, QColor(52, 124, 214), 3);
  for (int side : {-1, 1}) {
    QPainterPath page(spine);
    page.quadTo(spine + QPointF(side * w * 0.5, -16), spine + QPointF(side * w, -6));
    page.lineTo(spine + QPointF(side * w, -h - 6));
    page.quadTo(spine + QPointF(side * w * 0.5, -h - 16), spine + QPointF(0, -h));
    page.closeSubpath();
    fillOutlined(p, page, QColor(255, 252, 242), 3);
    // Lines of writing, drawn as strokes.
    for (int i = 0; i < 4; ++i) {
      const qreal y = -h + 18 + i * 13.0;
      QPainterPath line(spine + QPointF(side * 16, y));
      line.quadTo(spine + QPointF(side * w * 0.5, y - 10),
                  spine + QPointF(side * (w - 16 - (i == 3 ? 30 : 0)), y - 2));
      strokeLine(p, line, 3, QColor(200, 190, 176));
    }
  }
  QPainterPath ribbon(spine + QPointF(0, -2));
  ribbon.lineTo(spine + QPointF(-6, 22));
  ribbon.lineTo(spine + QPointF(0, 17));
  ribbon.lineTo(spine + QPointF(6, 22));
  ribbon.closeSubpath();
  fillOutlined(p, ribbon, QColor(228, 70, 56), 2);
}

void drawEmblem(QPainter& p) {
  const QPointF spine(kWidth / 2.0, 200);
  drawSoftShadow(p, spine + QPointF(0, 14), 140, 12);
  drawBook(p, spine);
  // The star rising from the open book, with a sparkle trail.
  const QPointF star(kWidth / 2.0, 82);
  QRadialGradient glow(star, 70);
  glow.setColorAt(0, QColor(255, 240, 160, 160));
  glow.setColorAt(1, QColor(255, 240, 160, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(star, 70, 70);
  for (const auto& [d, s] : {std::pair{QPointF(-30, 70), 5.0}, std::pair{QPointF(26, 58), 6.5},
                             std::pair{QPointF(-8, 46), 4.0}}) {
    fillOutlined(p, starPath(star + d, s, s * 0.4, 4, 0), QColor(255, 250, 220), 1.5);
  }
  fillOutlined(p, starPath(star, 48, 22), ink::kStar, 4);
  for (int side : {-1, 1}) {
    QPainterPath eye(star + QPointF(side * 11 - 5, -2));
    eye.quadTo(star + QPointF(side * 11, -9), star + QPointF(side * 11 + 5, -2));
    strokeLine(p, eye, 3, ink::kOutline);
  }
  QPainterPath smile(star + QPointF(-9, 7));
  smile.quadTo(star + QPointF(0, 16), star + QPointF(9, 7));
  strokeLine(p, smile, 3, ink::kOutline);
  p.setBrush(QColor(255, 128, 128, 120));
  p.setPen(Qt::NoPen);
  p.drawEllipse(star + QPointF(-18, 6), 5, 3.2);
  p.drawEllipse(star + QPointF(18, 6), 5, 3.2);
}

}  // namespace

void makeLogo(Output& out) {
  const QString sans = liberationFamily("LiberationSans-Bold.ttf", "Liberation Sans");
  QImage image = opaqueImage(kWidth, kHeight, Qt::white);
  QPainter p(&image);
  prepare(p);
  drawBackground(p);
  drawEmblem(p);
  // Fit the maker's name to the page width.
  QFont big = friendlyFont(sans, 76);
  QPainterPath probe;
  probe.addText(QPointF(0, 0), big, "Programas TAMU");
  const qreal wanted = kWidth - 90;
  if (probe.boundingRect().width() > wanted) {
    big.setPixelSize(static_cast<int>(76 * wanted / probe.boundingRect().width()));
  }
  drawTitle(p, "Programas TAMU", big, kWidth / 2.0, 320, QColor(255, 140, 70), QColor(226, 70, 52),
            4);
  drawTitle(p, "Lurimba", friendlyFont(sans, 46), kWidth / 2.0, 404, QColor(120, 200, 250),
            QColor(52, 124, 214), 3.5);
  p.end();
  out.savePng(image.convertToFormat(QImage::Format_RGB32), "resources/images/logotamu.png");
}

}  // namespace art
