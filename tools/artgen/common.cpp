// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "common.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtMath>
#include <cstdio>

namespace art {

std::uint64_t Rng::next() {
  state_ += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::uniform(double lo, double hi) {
  const double unit = static_cast<double>(next() >> 11) / static_cast<double>(1ull << 53);
  return lo + (hi - lo) * unit;
}

int Rng::range(int lo, int hi) {
  const auto span = static_cast<std::uint64_t>(hi - lo + 1);
  return lo + static_cast<int>(next() % span);
}

Output::Output(const QString& root) : root_(QDir(root).absolutePath()) {}

QString Output::prepare(const QString& relPath) {
  const QString path = QDir(root_).filePath(relPath);
  QDir().mkpath(QFileInfo(path).absolutePath());
  return path;
}

void Output::record(const QString& relPath, bool ok) {
  if (ok) {
    written_ << relPath;
  } else {
    ++failures_;
    std::fprintf(stderr, "lurimba-artgen: could not write %s\n", qPrintable(relPath));
  }
}

bool Output::savePng(const QImage& image, const QString& relPath) {
  const bool ok = image.save(prepare(relPath), "PNG");
  record(relPath, ok);
  return ok;
}

bool Output::saveBmp(const QImage& image, const QString& relPath) {
  // Flatten to plain RGB so the bitmap comes out as 24 bits per pixel.
  const bool ok = image.convertToFormat(QImage::Format_RGB888).save(prepare(relPath), "BMP");
  record(relPath, ok);
  return ok;
}

bool Output::saveBytes(const QByteArray& bytes, const QString& relPath) {
  QFile file(prepare(relPath));
  const bool ok =
      file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
  record(relPath, ok);
  return ok;
}

void Output::printSummary() const {
  for (const QString& rel : written_) {
    const QFileInfo info(QDir(root_).filePath(rel));
    std::printf("%8lld  %s\n", static_cast<long long>(info.size()), qPrintable(rel));
  }
  std::printf("%lld files written, %d failed\n", static_cast<long long>(written_.size()),
              failures_);
}

QImage transparentImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage opaqueImage(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, qreal width,
                  const QColor& line) {
  p.save();
  p.setBrush(fill);
  if (width > 0) {
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  } else {
    p.setPen(Qt::NoPen);
  }
  p.drawPath(path);
  p.restore();
}

void drawLimb(QPainter& p, const QPolygonF& points, qreal width, const QColor& fill,
              qreal outline) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink::kOutline, width + 2 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(points);
  p.setPen(QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(points);
  p.restore();
}

void strokeLine(QPainter& p, const QPainterPath& path, qreal width, const QColor& color) {
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.restore();
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDeg) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const qreal radius = (i % 2 == 0) ? outer : inner;
    const qreal angle = qDegreesToRadians(rotationDeg + i * 180.0 / points);
    const QPointF pt = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    if (i == 0) {
      path.moveTo(pt);
    } else {
      path.lineTo(pt);
    }
  }
  path.closeSubpath();
  return path;
}

QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry) {
  QPainterPath path;
  path.addEllipse(centre, rx, ry);
  return path;
}

QColor shade(const QColor& c, int percent) {
  return percent >= 100 ? c.lighter(percent) : c.darker(10000 / qMax(percent, 1));
}

QPainterPath polygonPath(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

}  // namespace art
