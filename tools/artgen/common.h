// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared drawing helpers, colours and file output for the Lurimba art generator.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>

namespace art {

inline constexpr double kPi = 3.14159265358979323846;

// Warm colours used across the pictures, so the room, the child and the
// decorations look like one family.
namespace ink {
inline const QColor kOutline{59, 36, 24};
inline const QColor kSkin{246, 200, 152};
inline const QColor kCheek{255, 128, 128, 110};
inline const QColor kHair{138, 82, 48};
inline const QColor kShirt{232, 86, 60};
inline const QColor kShirtStripe{255, 205, 64};
inline const QColor kTrousers{64, 112, 196};
inline const QColor kShoe{110, 62, 36};
inline const QColor kMouth{150, 44, 44};
inline const QColor kTongue{240, 120, 120};
inline const QColor kStar{255, 214, 70};
inline const QColor kWood{168, 100, 52};
inline const QColor kWoodDark{120, 68, 36};
inline const QColor kIron{78, 70, 72};
inline const QColor kSky{150, 208, 244};
inline const QColor kSkyLight{220, 242, 255};
inline const QColor kGrass{110, 186, 84};
inline const QColor kGrassDark{78, 150, 64};
}  // namespace ink

// Small deterministic generator (splitmix64) so every run draws the same stones.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double uniform(double lo, double hi);
  int range(int lo, int hi);  // inclusive bounds

 private:
  std::uint64_t state_;
};

// Writes files below the repository root and remembers what was written.
class Output {
 public:
  explicit Output(const QString& root);
  bool savePng(const QImage& image, const QString& relPath);
  bool saveBmp(const QImage& image, const QString& relPath);
  bool saveBytes(const QByteArray& bytes, const QString& relPath);
  // Creates the parent folder and returns the absolute path; used by writers
  // that open files themselves.
  QString prepare(const QString& relPath);
  void record(const QString& relPath, bool ok);
  void printSummary() const;
  bool allOk() const { return failures_ == 0; }

 private:
  QString root_;
  QStringList written_;
  int failures_ = 0;
};

QImage transparentImage(int width, int height);
QImage opaqueImage(int width, int height, const QColor& fill);
void prepare(QPainter& painter);

// Fills a path and strokes it with a rounded dark outline.
void fillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, qreal width = 2.0,
                  const QColor& line = ink::kOutline);
// A rounded, outlined limb (arm, leg, torch stick...) along a polyline.
void drawLimb(QPainter& p, const QPolygonF& points, qreal width, const QColor& fill,
              qreal outline = 2.0);
// A thin stroke with round ends.
void strokeLine(QPainter& p, const QPainterPath& path, qreal width, const QColor& color);
QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points = 5,
                      qreal rotationDeg = -90.0);
QPainterPath ellipsePath(QPointF centre, qreal rx, qreal ry);
// A closed outline through `points`.
QPainterPath polygonPath(std::initializer_list<QPointF> points);
QColor shade(const QColor& c, int percent);  // >100 lighter, <100 darker

}  // namespace art
