// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/background_picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "platform/wmf_reader.h"

namespace {

QImage ReadBitmap(QByteArray& bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "bmp");
  // The header's size is checked before the pixels are allocated.
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxBackgroundSide || size.height() > kMaxBackgroundSide)
    return {};
  return reader.read();
}

}  // namespace

QImage LoadBackgroundPicture(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || info.size() > kMaxBackgroundFileBytes)
    return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  QByteArray bytes = file.read(kMaxBackgroundFileBytes + 1);
  if (bytes.size() > kMaxBackgroundFileBytes)
    return {};
  const QImage image = LooksLikeWmf(bytes) ? ReadWmf(bytes) : ReadBitmap(bytes);
  // A picture without width or height would show nothing, nor cover the screen as a tile.
  if (image.isNull() || image.width() <= 0 || image.height() <= 0)
    return {};
  return image;
}
