// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/picture_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmapCache>
#include <cmath>
#include <cstring>

#include "platform/bounded_read.h"
#include "platform/wmf_reader.h"

namespace {

// Far above any picture the program shows; a larger file is not a picture of ours.
constexpr qint64 kMaxFileBytes = 64ll * 1024 * 1024;
constexpr int kMaxSide = 8192;

std::uint32_t Le32(const QByteArray& bytes, int offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
  return value;
}

std::uint16_t Le16(const QByteArray& bytes, int offset) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) |
                                    (static_cast<std::uint8_t>(bytes[offset + 1]) << 8));
}

// Whether a file of `fileSize` bytes that begins with `bytes` holds all the pixel data its
// headers announce. Qt's reader fills what is missing with black and says nothing.
bool BmpIsWhole(const QByteArray& bytes, qint64 fileSize) {
  constexpr int kFileHeader = 14;
  if (bytes.size() < kFileHeader + 12 || !bytes.startsWith("BM"))
    return false;
  const qint64 dataOffset = Le32(bytes, 10);
  const std::uint32_t infoSize = Le32(bytes, kFileHeader);
  qint64 width = 0;
  qint64 height = 0;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;
  qint64 imageSize = 0;
  if (infoSize == 12) {  // the old OS/2 header
    width = Le16(bytes, 18);
    height = Le16(bytes, 20);
    bitsPerPixel = Le16(bytes, 24);
  } else if (infoSize >= 40 && bytes.size() >= kFileHeader + 40) {
    width = static_cast<std::int32_t>(Le32(bytes, 18));
    height = static_cast<std::int32_t>(Le32(bytes, 22));
    bitsPerPixel = Le16(bytes, 28);
    compression = Le32(bytes, 30);
    imageSize = Le32(bytes, 34);
  } else {
    return false;
  }
  height = height < 0 ? -height : height;  // negative: rows stored top down
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || bitsPerPixel < 1 ||
      bitsPerPixel > 32)
    return false;
  qint64 pixelBytes = 0;
  constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;
  if (compression == kRgb || compression == kBitFields) {
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    pixelBytes = rowBytes * height;
  } else if (compression == kRle8 || compression == kRle4) {
    pixelBytes = imageSize;
  } else {
    return false;  // JPEG or PNG inside a BMP: never one of ours
  }
  return dataOffset >= kFileHeader + 12 && dataOffset + pixelBytes <= fileSize;
}

// Qt's reader of `format` alone, on `bytes`: guessing would first load every image plugin.
void OpenReader(QBuffer& buffer, QImageReader& reader, const QByteArray& bytes,
                const char* format) {
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  reader.setDevice(&buffer);
  reader.setFormat(format);
  reader.setAutoDetectImageFormat(false);
}

bool TooLarge(const QSize& size) {
  return size.width() > kMaxSide || size.height() > kMaxSide;
}

}  // namespace

std::optional<QImage> DecodePicture(const QByteArray& bytes, const char* format) {
  if (std::strcmp(format, "BMP") == 0 && !BmpIsWhole(bytes, bytes.size()))
    return std::nullopt;
  QBuffer buffer;
  QImageReader reader;
  OpenReader(buffer, reader, bytes, format);
  const QSize size = reader.size();
  if (size.isValid() && TooLarge(size))
    return std::nullopt;
  QImage image = reader.read();
  if (image.isNull())
    return std::nullopt;
  return image;
}

bool BmpFileIsWhole(const QString& path) {
  // The headers and the colour table come first, in far fewer bytes than this.
  constexpr qint64 kHeadBytes = 4096;
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || info.size() > kMaxFileBytes)
    return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray head = file.read(kHeadBytes);
  if (file.error() != QFileDevice::NoError || !BmpIsWhole(head, file.size()))
    return false;
  QBuffer buffer;
  QImageReader reader;
  OpenReader(buffer, reader, head, "BMP");
  const QSize size = reader.size();  // Qt's own checks of the headers
  return size.isValid() && !TooLarge(size);
}

namespace {

// The whole content of the regular file `path`; nothing when it cannot be read
// or is larger than any picture of ours.
std::optional<QByteArray> ReadPictureBytes(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || info.size() > kMaxFileBytes)
    return std::nullopt;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return std::nullopt;
  QByteArray bytes = ReadAtMost(file, info.size(), kMaxFileBytes);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes)
    return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<QImage> LoadPictureFile(const QString& path, const char* format) {
  const std::optional<QByteArray> bytes = ReadPictureBytes(path);
  if (!bytes)
    return std::nullopt;
  return DecodePicture(*bytes, format);
}

std::optional<QImage> LoadBackgroundPicture(const QString& path) {
  const std::optional<QByteArray> bytes = ReadPictureBytes(path);
  if (!bytes)
    return std::nullopt;
  if (!LooksLikeWmf(*bytes))
    return DecodePicture(*bytes, "BMP");
  QImage image = ReadWmf(*bytes);
  // A picture without width or height would show nothing, nor cover the screen as a tile.
  if (image.isNull() || image.width() <= 0 || image.height() <= 0)
    return std::nullopt;
  return image;
}

QPixmap BuiltInPicture(const QString& path) {
  QPixmap picture;
  if (QPixmapCache::find(path, &picture))
    return picture;
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  picture = QPixmap::fromImage(reader.read());
  if (!picture.isNull())
    QPixmapCache::insert(path, picture);
  return picture;
}

QPixmap ScreenPicture(const QString& path) {
  // The ratio as a widget reports it, in steps of 1/65536: a label copies a picture of any other
  // ratio, however near, to give it its own, and draws it scaled.
  const qreal step = QPaintDevice::devicePixelRatioFScale();
  const qreal ratio = qApp ? std::floor(qApp->devicePixelRatio() * step) / step : 1.0;
  if (ratio == 1.0)
    return BuiltInPicture(path);
  const QString key = path + '@' + QString::number(ratio);
  QPixmap picture;
  if (QPixmapCache::find(key, &picture))
    return picture;
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  const QImage read = reader.read();
  if (read.isNull())
    return picture;
  // Scaled as a label scales a picture for its screen, from the pixels it would hold.
  const QImage held = QPixmap::fromImage(read).toImage();
  picture = QPixmap::fromImage(
      held.scaled(held.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  picture.setDevicePixelRatio(ratio);
  QPixmapCache::insert(key, picture);
  return picture;
}
