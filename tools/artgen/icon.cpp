// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Application icon: a little castle tower with a toy letter block in front.
// One list of shapes feeds both the PNG sizes and the SVG, so they match.
#include <QTextStream>
#include <vector>

#include "common.h"
#include "generators.h"

namespace art {
namespace {

constexpr qreal kCanvas = 256.0;
const QColor kIconOutline{59, 36, 24};

struct Shape {
  QPainterPath path;
  QColor fill;   // invalid colour: no fill
  qreal stroke;  // outline width in icon units, 0 for none
  bool closed = true;
};

QPainterPath rect(qreal x, qreal y, qreal w, qreal h) {
  QPainterPath p;
  p.addRect(x, y, w, h);
  return p;
}

QPainterPath polygon(std::initializer_list<QPointF> pts) {
  QPainterPath p;
  p.addPolygon(QPolygonF(QList<QPointF>(pts)));
  p.closeSubpath();
  return p;
}

QPainterPath arch(qreal x, qreal y, qreal w, qreal h) {
  QPainterPath p;
  p.moveTo(x, y + h);
  p.lineTo(x, y + w / 2);
  p.arcTo(QRectF(x, y, w, w), 180, -180);
  p.lineTo(x + w, y + h);
  p.closeSubpath();
  return p;
}

void addTower(std::vector<Shape>& shapes) {
  shapes.push_back({rect(101, 8, 6, 40), QColor(96, 84, 84), 4});
  shapes.push_back({polygon({{107, 10}, {148, 21}, {107, 33}}), QColor(226, 80, 62), 5});
  QPainterPath tower = rect(54, 84, 100, 144);
  tower = tower.united(rect(44, 64, 120, 24));
  for (qreal x : {44.0, 91.0, 138.0}) {
    tower = tower.united(rect(x, 38, 26, 30));
  }
  shapes.push_back({tower.simplified(), QColor(216, 192, 160), 8});
  QPainterPath joints;
  for (qreal y : {112.0, 140.0, 168.0, 196.0}) {
    joints.moveTo(58, y);
    joints.lineTo(150, y);
  }
  for (qreal x : {80.0, 128.0}) {
    joints.moveTo(x, 88);
    joints.lineTo(x, 112);
    joints.moveTo(x, 140);
    joints.lineTo(x, 168);
  }
  shapes.push_back({joints, QColor(), 3, false});
  shapes.push_back({arch(86, 100, 34, 46), QColor(64, 84, 140), 6});
  shapes.push_back(
      {polygon({{94, 116}, {100, 112}, {100, 132}, {94, 136}}), QColor(150, 190, 236), 0});
  shapes.push_back({arch(72, 176, 40, 52), QColor(168, 100, 52), 6});
}

void addLetterBlock(std::vector<Shape>& shapes) {
  shapes.push_back(
      {polygon({{132, 138}, {214, 138}, {236, 118}, {154, 118}}), QColor(253, 224, 138), 8});
  shapes.push_back(
      {polygon({{214, 138}, {236, 118}, {236, 202}, {214, 222}}), QColor(224, 165, 38), 8});
  shapes.push_back({rect(132, 138, 82, 84), QColor(247, 201, 72), 8});
  QPainterPath letter =
      polygon({{173, 149}, {202, 212}, {187, 212}, {181, 197}, {165, 197}, {159, 212}, {144, 212}});
  letter.addPolygon(QPolygonF({{173, 166}, {178, 184}, {168, 184}}));
  letter.closeSubpath();
  shapes.push_back({letter, QColor(52, 124, 214), 5});
}

std::vector<Shape> iconShapes() {
  std::vector<Shape> shapes;
  QPainterPath ground;
  ground.addEllipse(QPointF(128, 228), 116, 20);
  shapes.push_back({ground, QColor(110, 186, 84), 6});
  addTower(shapes);
  addLetterBlock(shapes);
  return shapes;
}

QImage renderIcon(int size, const std::vector<Shape>& shapes) {
  QImage image = transparentImage(size, size);
  QPainter p(&image);
  prepare(p);
  const qreal scale = size / kCanvas;
  p.scale(scale, scale);
  // Keep outlines at least about one pixel wide in the small sizes.
  const qreal minStroke = 0.9 / scale;
  for (const Shape& s : shapes) {
    p.setBrush(s.fill.isValid() ? QBrush(s.fill) : QBrush(Qt::NoBrush));
    if (s.stroke > 0) {
      p.setPen(QPen(kIconOutline, qMax(s.stroke, minStroke), Qt::SolidLine, Qt::RoundCap,
                    Qt::RoundJoin));
    } else {
      p.setPen(Qt::NoPen);
    }
    p.drawPath(s.path);
  }
  return image;
}

QString svgNumber(qreal v) {
  return QString::number(v, 'g', 6);
}

QString svgPathData(const QPainterPath& path, bool closed) {
  QString d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const QString xy = svgNumber(e.x) + ' ' + svgNumber(e.y);
    if (e.isMoveTo()) {
      d += (i == 0 ? "M" : (closed ? " Z M" : " M")) + xy;
    } else if (e.isLineTo()) {
      d += " L" + xy;
    } else if (e.isCurveTo()) {
      d += " C" + xy;
    } else {
      d += ' ' + xy;
    }
  }
  if (closed) {
    d += " Z";
  }
  return d;
}

QByteArray renderSvg(const std::vector<Shape>& shapes) {
  QString svg;
  QTextStream out(&svg);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
         "viewBox=\"0 0 256 256\">\n";
  for (const Shape& s : shapes) {
    out << "  <path d=\"" << svgPathData(s.path, s.closed) << "\" fill=\""
        << (s.fill.isValid() ? s.fill.name() : QString("none")) << "\" fill-rule=\"evenodd\"";
    if (s.stroke > 0) {
      out << " stroke=\"" << kIconOutline.name() << "\" stroke-width=\"" << svgNumber(s.stroke)
          << "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"";
    }
    out << "/>\n";
  }
  out << "</svg>\n";
  out.flush();
  return svg.toUtf8();
}

}  // namespace

void makeIcons(Output& out) {
  const std::vector<Shape> shapes = iconShapes();
  for (int size : {16, 32, 48, 64, 128, 256}) {
    out.savePng(renderIcon(size, shapes), QString("resources/images/lurimba-%1.png").arg(size));
  }
  out.saveBytes(renderSvg(shapes), "resources/images/lurimba.svg");
}

}  // namespace art
