// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way a background picture or texture is read from a file.
#pragma once

#include <QImage>
#include <QString>

// Background files larger than this are refused before they are read.
inline constexpr qint64 kMaxBackgroundFileBytes = 64LL * 1024 * 1024;
// Nor is a bitmap larger than this on either side ever decoded.
inline constexpr int kMaxBackgroundSide = 8192;

// The picture in the regular file at `path`: a Windows metafile (told by its
// header) or a Windows bitmap. A null image when the file cannot be read, is
// of neither format, is damaged, or is a picture without width or height.
QImage LoadBackgroundPicture(const QString& path);
