// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wmf_reader.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kPlaceableHeaderBytes = 22;
constexpr int kHeaderBytes = 18;
constexpr int kRecordHeaderBytes = 6;
constexpr int kScreenDotsPerInch = 96;

// Record functions the reader draws or keeps track of; the rest are skipped.
enum Function : std::uint16_t {
  kEof = 0x0000,
  kSetBkMode = 0x0102,
  kSetPolyFillMode = 0x0106,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kSelectObject = 0x012D,
  kDeleteObject = 0x01F0,
  kCreatePenIndirect = 0x02FA,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  // Objects that take a slot in the object table although nothing here uses them.
  kCreatePalette = 0x00F7,
  kDibCreatePatternBrush = 0x0142,
  kCreatePatternBrush = 0x01F9,
  kCreateFontIndirect = 0x02FB,
  kCreateRegion = 0x06FF,
};

std::uint16_t U16(const QByteArray& bytes, qsizetype at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::uint32_t U32(const QByteArray& bytes, qsizetype at) {
  return U16(bytes, at) | static_cast<std::uint32_t>(U16(bytes, at + 2)) << 16;
}

// The header of a metafile: where its records start and, when it has the
// placeable header, its frame in its own units.
struct Header {
  qsizetype firstRecord = 0;
  int objectCount = 0;
  bool placeable = false;
  QRect frame;  // logical units
  int unitsPerInch = 0;
};

std::optional<Header> ReadHeader(const QByteArray& bytes) {
  Header header;
  qsizetype at = 0;
  if (bytes.size() >= 4 && U32(bytes, 0) == kPlaceableKey) {
    if (bytes.size() < kPlaceableHeaderBytes)
      return std::nullopt;
    const auto coordinate = [&](qsizetype offset) {
      return static_cast<int>(static_cast<std::int16_t>(U16(bytes, offset)));
    };
    const int left = coordinate(6), top = coordinate(8);
    const int right = coordinate(10), bottom = coordinate(12);
    header.placeable = true;
    header.frame = QRect(QPoint(left, top), QSize(right - left, bottom - top));
    header.unitsPerInch = U16(bytes, 14);
    at = kPlaceableHeaderBytes;
  }
  if (bytes.size() < at + kHeaderBytes)
    return std::nullopt;
  const std::uint16_t type = U16(bytes, at);
  const std::uint16_t headerWords = U16(bytes, at + 2);
  const std::uint16_t version = U16(bytes, at + 4);
  if ((type != 1 && type != 2) || headerWords != kHeaderBytes / 2 ||
      (version != 0x0100 && version != 0x0300)) {
    return std::nullopt;
  }
  header.objectCount = U16(bytes, at + 10);
  header.firstRecord = at + kHeaderBytes;
  return header;
}

// One record: its function and its parameters, 16-bit words.
struct Record {
  std::uint16_t function = 0;
  qsizetype params = 0;  // offset of the first parameter
  qsizetype words = 0;   // number of parameter words
};

// Walks the records; `visit` returns false to stop early. False when a record
// runs past the end of the data or the data ends without an end-of-file record.
template <typename Visit>
bool ForEachRecord(const QByteArray& bytes, qsizetype at, Visit visit) {
  for (int count = 0; at + kRecordHeaderBytes <= bytes.size(); ++count) {
    if (count > kWmfMaxRecords)
      return false;
    const std::uint32_t sizeWords = U32(bytes, at);
    Record record;
    record.function = U16(bytes, at + 4);
    if (record.function == kEof)
      return true;
    const qsizetype left = bytes.size() - at;
    if (sizeWords < kRecordHeaderBytes / 2 || sizeWords > static_cast<std::uint64_t>(left) / 2)
      return false;
    record.params = at + kRecordHeaderBytes;
    record.words = static_cast<qsizetype>(sizeWords) - kRecordHeaderBytes / 2;
    if (!visit(record))
      return true;
    at += static_cast<qsizetype>(sizeWords) * 2;
  }
  return false;
}

std::optional<QSize> SizeOf(const QByteArray& bytes, const Header& header) {
  qint64 width = 0;
  qint64 height = 0;
  if (header.placeable) {
    if (header.unitsPerInch == 0)
      return std::nullopt;
    width = std::llround(std::abs(header.frame.width()) * double(kScreenDotsPerInch) /
                         header.unitsPerInch);
    height = std::llround(std::abs(header.frame.height()) * double(kScreenDotsPerInch) /
                          header.unitsPerInch);
  } else {
    // Without a frame the window extent is taken in pixels.
    ForEachRecord(bytes, header.firstRecord, [&](const Record& record) {
      if (record.function != kSetWindowExt || record.words < 2)
        return true;
      height = std::abs(static_cast<std::int16_t>(U16(bytes, record.params)));
      width = std::abs(static_cast<std::int16_t>(U16(bytes, record.params + 2)));
      return false;
    });
  }
  if (width <= 0 || height <= 0 || width > kWmfMaxSide || height > kWmfMaxSide ||
      width * height > kWmfMaxPixels) {
    return std::nullopt;
  }
  return QSize(static_cast<int>(width), static_cast<int>(height));
}

QColor ColourRef(const QByteArray& bytes, qsizetype at) {
  const std::uint32_t value = U32(bytes, at);  // 0x00BBGGRR
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Draws the records one by one, keeping the state a metafile player keeps:
// the window, the selected pen and brush, the object table and the position.
class Player {
 public:
  Player(const QByteArray& bytes, const Header& header, QSize size, QPainter& painter)
      : bytes_(bytes), size_(size), painter_(painter), objects_(header.objectCount) {
    for (int slot = 0; slot < header.objectCount; ++slot)
      freeSlots_.insert(freeSlots_.end(), slot);
    if (header.placeable) {
      windowOrigin_ = header.frame.topLeft();
      windowExtent_ = header.frame.size();
    } else {
      windowExtent_ = size;
    }
    painter_.setPen(QPen(Qt::black, 0));
    painter_.setBrush(Qt::white);
    UpdateWindow();
  }

  // False when the file has more drawing records than the reader draws.
  bool Play(const Record& record) {
    switch (record.function) {
      case kSetWindowOrg:
        if (record.words >= 2) {
          windowOrigin_ = QPoint(Param(record, 1), Param(record, 0));
          UpdateWindow();
        }
        return true;
      case kSetWindowExt:
        if (record.words >= 2) {
          windowExtent_ = QSize(Param(record, 1), Param(record, 0));
          UpdateWindow();
        }
        return true;
      case kSetPolyFillMode:
        if (record.words >= 1)
          fillRule_ = Param(record, 0) == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
      case kCreatePenIndirect:
        AddObject(record.words >= 5 ? MakePen(record) : Object{});
        return true;
      case kCreateBrushIndirect:
        AddObject(record.words >= 4 ? MakeBrush(record) : Object{});
        return true;
      case kCreatePalette:
      case kDibCreatePatternBrush:
      case kCreatePatternBrush:
      case kCreateFontIndirect:
      case kCreateRegion:
        AddObject(Object{});
        return true;
      case kSelectObject:
        if (record.words >= 1)
          Select(static_cast<std::uint16_t>(Param(record, 0)));
        return true;
      case kDeleteObject:
        if (record.words >= 1)
          DeleteObject(static_cast<std::uint16_t>(Param(record, 0)));
        return true;
      case kMoveTo:
        if (record.words >= 2)
          position_ = QPointF(Param(record, 1), Param(record, 0));
        return true;
      default:
        break;
    }
    if (!IsDrawing(record.function))
      return true;
    if (++drawingRecords_ > kWmfMaxDrawingRecords)
      return false;
    Draw(record);
    return !overBudget_;
  }

 private:
  struct Object {
    enum Kind { kOther, kPen, kBrush } kind = kOther;
    QPen pen;
    QBrush brush;
  };

  static bool IsDrawing(std::uint16_t function) {
    switch (function) {
      case kLineTo:
      case kPolygon:
      case kPolyline:
      case kEllipse:
      case kRectangle:
      case kPolyPolygon:
      case kRoundRect:
        return true;
      default:
        return false;
    }
  }

  // Counts the pixels a shape covers against the budget of the whole file;
  // false, and nothing more is drawn, once the budget is spent.
  bool Spend(const QRectF& logical) {
    const QRectF covered =
        painter_.transform().mapRect(logical).intersected(QRectF(QPointF(0, 0), size_));
    paintedPixels_ += covered.isEmpty() ? 0.0 : covered.width() * covered.height();
    overBudget_ = overBudget_ ||
                  paintedPixels_ > kWmfMaxPaintedScreens * size_.width() * double(size_.height());
    return !overBudget_;
  }

  int Param(const Record& record, qsizetype index) const {
    return static_cast<std::int16_t>(U16(bytes_, record.params + 2 * index));
  }

  void UpdateWindow() {
    if (windowExtent_.width() == 0 || windowExtent_.height() == 0)
      return;  // a window without extent maps nothing: keep the one before
    QTransform transform;
    transform.scale(double(size_.width()) / windowExtent_.width(),
                    double(size_.height()) / windowExtent_.height());
    transform.translate(-windowOrigin_.x(), -windowOrigin_.y());
    painter_.setTransform(transform);
  }

  Object MakePen(const Record& record) const {
    Object object;
    object.kind = Object::kPen;
    const int style = Param(record, 0) & 0x0F;
    const int width = std::abs(Param(record, 1));
    QPen pen(ColourRef(bytes_, record.params + 6), width);  // width 0: one pixel
    static const Qt::PenStyle kStyles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                           Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen,
                                           Qt::SolidLine};
    pen.setStyle(style < 7 ? kStyles[style] : Qt::SolidLine);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    object.pen = pen;
    return object;
  }

  Object MakeBrush(const Record& record) const {
    Object object;
    object.kind = Object::kBrush;
    const int style = Param(record, 0);
    const QColor colour = ColourRef(bytes_, record.params + 2);
    static const Qt::BrushStyle kHatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                              Qt::FDiagPattern, Qt::BDiagPattern,
                                              Qt::CrossPattern, Qt::DiagCrossPattern};
    if (style == 1) {  // hollow
      object.brush = Qt::NoBrush;
    } else if (style == 2) {
      const int hatch = Param(record, 3);
      object.brush = QBrush(colour, hatch >= 0 && hatch < 6 ? kHatches[hatch] : Qt::SolidPattern);
    } else {
      object.brush = QBrush(colour);
    }
    return object;
  }

  // A new object takes the first free slot; with none free it is lost.
  void AddObject(const Object& object) {
    if (freeSlots_.empty())
      return;
    objects_[*freeSlots_.begin()] = object;
    freeSlots_.erase(freeSlots_.begin());
  }

  void DeleteObject(std::size_t index) {
    if (index >= objects_.size() || !objects_[index])
      return;
    objects_[index] = std::nullopt;
    freeSlots_.insert(static_cast<int>(index));
  }

  void Select(std::size_t index) {
    if (index >= objects_.size() || !objects_[index])
      return;
    const Object& object = *objects_[index];
    if (object.kind == Object::kPen)
      painter_.setPen(object.pen);
    else if (object.kind == Object::kBrush)
      painter_.setBrush(object.brush);
  }

  // The rectangle of a record whose parameters end in bottom, right, top, left.
  QRectF Box(const Record& record, qsizetype first) const {
    const int bottom = Param(record, first), right = Param(record, first + 1);
    const int top = Param(record, first + 2), left = Param(record, first + 3);
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
  }

  // `count` points from parameter `first` on; empty when they do not fit the record.
  QPolygonF Points(const Record& record, qsizetype first, qsizetype count) const {
    QPolygonF points;
    if (count < 0 || first + 2 * count > record.words)
      return points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
      points.append(QPointF(Param(record, first + 2 * i), Param(record, first + 2 * i + 1)));
    return points;
  }

  void Draw(const Record& record) {
    switch (record.function) {
      case kLineTo:
        if (record.words >= 2) {
          const QPointF to(Param(record, 1), Param(record, 0));
          if (Spend(QRectF(position_, to).normalized()))
            painter_.drawLine(position_, to);
          position_ = to;
        }
        break;
      case kPolygon:
        if (record.words >= 1) {
          const QPolygonF points = Points(record, 1, Param(record, 0));
          if (Spend(points.boundingRect()))
            painter_.drawPolygon(points, fillRule_);
        }
        break;
      case kPolyline:
        if (record.words >= 1) {
          const QPolygonF points = Points(record, 1, Param(record, 0));
          if (Spend(points.boundingRect()))
            painter_.drawPolyline(points);
        }
        break;
      case kRectangle:
        if (record.words >= 4 && Spend(Box(record, 0)))
          painter_.drawRect(Box(record, 0));
        break;
      case kEllipse:
        if (record.words >= 4 && Spend(Box(record, 0)))
          painter_.drawEllipse(Box(record, 0));
        break;
      case kRoundRect:
        if (record.words >= 6 && Spend(Box(record, 2))) {
          const double height = std::abs(Param(record, 0)) / 2.0;
          const double width = std::abs(Param(record, 1)) / 2.0;
          painter_.drawRoundedRect(Box(record, 2), width, height, Qt::AbsoluteSize);
        }
        break;
      case kPolyPolygon:
        DrawPolyPolygon(record);
        break;
      default:
        break;
    }
  }

  void DrawPolyPolygon(const Record& record) {
    if (record.words < 1)
      return;
    const qsizetype polygons = Param(record, 0);
    if (polygons <= 0 || 1 + polygons > record.words)
      return;
    QPainterPath path;
    path.setFillRule(fillRule_);
    qsizetype next = 1 + polygons;
    for (qsizetype i = 0; i < polygons; ++i) {
      const qsizetype count = Param(record, 1 + i);
      const QPolygonF points = Points(record, next, count);
      if (points.isEmpty())
        return;  // the counts do not fit the record: draw nothing of it
      path.addPolygon(points);
      path.closeSubpath();
      next += 2 * count;
    }
    if (Spend(path.boundingRect()))
      painter_.drawPath(path);
  }

  const QByteArray& bytes_;
  QSize size_;
  QPainter& painter_;
  std::vector<std::optional<Object>> objects_;
  std::set<int> freeSlots_;  // the lowest is taken first
  QPoint windowOrigin_;
  QSize windowExtent_;
  Qt::FillRule fillRule_ = Qt::OddEvenFill;
  QPointF position_;
  int drawingRecords_ = 0;
  double paintedPixels_ = 0;
  bool overBudget_ = false;
};

}  // namespace

bool LooksLikeWmf(const QByteArray& bytes) {
  return ReadHeader(bytes).has_value();
}

std::optional<QSize> WmfPictureSize(const QByteArray& bytes) {
  const std::optional<Header> header = ReadHeader(bytes);
  if (!header)
    return std::nullopt;
  return SizeOf(bytes, *header);
}

QImage ReadWmf(const QByteArray& bytes) {
  const std::optional<Header> header = ReadHeader(bytes);
  if (!header)
    return {};
  const std::optional<QSize> size = SizeOf(bytes, *header);
  if (!size)
    return {};
  // Check the whole file before drawing anything.
  if (!ForEachRecord(bytes, header->firstRecord, [](const Record&) { return true; }))
    return {};
  QImage image(*size, QImage::Format_RGB32);
  if (image.isNull())
    return {};
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Player player(bytes, *header, *size, painter);
  bool withinLimits = true;
  ForEachRecord(bytes, header->firstRecord, [&](const Record& record) {
    withinLimits = player.Play(record);
    return withinLimits;
  });
  painter.end();
  if (!withinLimits)
    return {};
  return image;
}
