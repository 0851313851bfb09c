// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On-screen vowel keys, the shift arrow and the pointing-hand cursor.
#include <QFont>
#include <QLinearGradient>
#include <array>
#include <cmath>

#include "common.h"
#include "generators.h"

namespace art {
namespace {

struct Vowel {
  char lower;
  QColor colour;
};

const std::array<Vowel, 5> kVowels{{{'a', QColor(236, 82, 70)},
                                    {'e', QColor(244, 150, 32)},
                                    {'i', QColor(62, 170, 84)},
                                    {'o', QColor(52, 124, 214)},
                                    {'u', QColor(150, 88, 196)}}};

QFont keyFont(int pixelSize) {
  QFont font;
  font.setFamilies({"Liberation Serif", "Times New Roman", "serif"});
  font.setPixelSize(pixelSize);
  font.setBold(true);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

void drawKeyFace(QPainter& p, const QRectF& area, const QColor& colour) {
  QPainterPath body;
  body.addRoundedRect(area.adjusted(0.75, 0.75, -0.75, -0.75), 7, 7);
  fillOutlined(p, body, colour.darker(135), 1.5);
  // The top face sits above a darker edge, like a real key.
  const QRectF top = area.adjusted(3, 2.5, -3, -6);
  QLinearGradient g(top.topLeft(), top.bottomLeft());
  g.setColorAt(0, colour.lighter(135));
  g.setColorAt(0.5, colour);
  g.setColorAt(1, colour.darker(108));
  QPainterPath face;
  face.addRoundedRect(top, 5.5, 5.5);
  p.setPen(QPen(colour.darker(160), 1.0));
  p.setBrush(g);
  p.drawPath(face);
  p.setPen(QPen(QColor(255, 255, 255, 120), 1.2));
  p.drawLine(QPointF(top.left() + 5, top.top() + 2), QPointF(top.right() - 5, top.top() + 2));
}

void drawKeyLetter(QPainter& p, const QRectF& face, QChar letter, bool upper) {
  QPainterPath glyph;
  glyph.addText(0, 0, keyFont(upper ? 29 : 34), QString(letter));
  const QRectF bounds = glyph.boundingRect();
  const QPointF shift = face.center() - bounds.center();
  glyph.translate(std::round(shift.x() * 2) / 2, std::round(shift.y() * 2) / 2);
  p.setPen(QPen(QColor(48, 28, 20), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(glyph);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(glyph);
}

QImage vowelKey(const Vowel& v, bool upper) {
  QImage image = transparentImage(40, 41);
  QPainter p(&image);
  prepare(p);
  const QRectF area(0, 0, 40, 41);
  drawKeyFace(p, area, v.colour);
  const QChar letter = upper ? QChar(v.lower).toUpper() : QChar(v.lower);
  drawKeyLetter(p, area.adjusted(3, 2.5, -3, -6), letter, upper);
  return image;
}

QImage shiftArrow() {
  QImage image = transparentImage(24, 24);
  QPainter p(&image);
  prepare(p);
  QPainterPath arrow;
  arrow.moveTo(12, 2);
  arrow.lineTo(22, 12.5);
  arrow.lineTo(16.5, 12.5);
  arrow.lineTo(16.5, 21.5);
  arrow.lineTo(7.5, 21.5);
  arrow.lineTo(7.5, 12.5);
  arrow.lineTo(2, 12.5);
  arrow.closeSubpath();
  fillOutlined(p, arrow, QColor(255, 248, 230), 2.0, QColor(48, 28, 20));
  return image;
}

// Pointing hand. Outlines run on half-pixel lines so they stay crisp; the top
// of the fingertip outline is pixel row 2, centred on column 10.
QImage handCursor() {
  QImage image = transparentImage(32, 32);
  QPainter p(&image);
  prepare(p);
  const QColor line(20, 20, 20);
  QPainterPath finger;
  finger.addRoundedRect(QRectF(7.5, 2.5, 6, 15), 3, 3);
  QPainterPath palm;
  palm.addRoundedRect(QRectF(7.5, 14.5, 18, 14), 4, 4);
  QPainterPath knuckles;
  knuckles.addRoundedRect(QRectF(13.5, 11.5, 4, 7), 2, 2);
  knuckles.addRoundedRect(QRectF(17.5, 12.5, 4, 7), 2, 2);
  knuckles.addRoundedRect(QRectF(21.5, 13.5, 4, 7), 2, 2);
  QPainterPath thumb;
  thumb.moveTo(8, 18.5);
  thumb.cubicTo(5, 16, 2.5, 18, 3.5, 20.5);
  thumb.lineTo(7.5, 25.5);
  thumb.closeSubpath();
  const QPainterPath hand = finger.united(palm).united(knuckles).united(thumb).simplified();
  fillOutlined(p, hand, Qt::white, 1.0, line);
  p.setPen(QPen(line, 1.0, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(13.5, 12.5), QPointF(13.5, 16.5));
  p.drawLine(QPointF(17.5, 13.5), QPointF(17.5, 17.0));
  p.drawLine(QPointF(21.5, 14.5), QPointF(21.5, 17.5));
  QPainterPath cuff;
  cuff.addRect(QRectF(9.5, 27.5, 14, 3));
  fillOutlined(p, cuff, QColor(236, 82, 70), 1.0, line);
  return image;
}

}  // namespace

void makeKeys(Output& out) {
  for (const Vowel& v : kVowels) {
    out.savePng(vowelKey(v, false), QString("resources/images/vocal_%1.png").arg(v.lower));
    out.savePng(vowelKey(v, true),
                QString("resources/images/vocal_M%1.png").arg(QChar(v.lower).toUpper()));
  }
  out.savePng(shiftArrow(), "resources/images/mayus.png");
  out.savePng(handCursor(), "resources/images/cursor_mano.png");
}

}  // namespace art
