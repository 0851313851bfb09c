// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows metafile pictures (".wmf"), drawn record by record with QPainter.
//
// ReadWmf is a pure function from bytes to a picture and is safe on any input:
// it reads nothing past the end of `bytes`, and it checks the picture's size
// against the limits below before it allocates anything of that size.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <optional>

// The largest picture a metafile may ask for.
inline constexpr int kWmfMaxSide = 4096;
inline constexpr qint64 kWmfMaxPixels = 4096LL * 3072;
// What drawing a file may cost, so that no file takes long to show: its
// records, the records that draw, and the pixels their shapes cover, counted in whole
// pictures. A file that asks for more is refused.
inline constexpr int kWmfMaxRecords = 1000000;
inline constexpr int kWmfMaxDrawingRecords = 100000;
inline constexpr int kWmfMaxPaintedScreens = 64;

// True when the bytes begin like a Windows metafile (with or without the
// placeable header that gives its size).
bool LooksLikeWmf(const QByteArray& bytes);

// The size in pixels the metafile asks for: from the placeable header
// (its frame at its units per inch, shown at 96 dots per inch), else from the
// first window extent among its records. Nothing when the header is not a
// metafile's or the size is zero, negative or past the limits.
std::optional<QSize> WmfPictureSize(const QByteArray& bytes);

// The picture drawn on white, or a null image when the bytes are not a whole
// Windows metafile: a bad header, a size refused by WmfPictureSize, a record
// that runs past the end of the data, no end-of-file record, or more drawing
// than the limits above allow.
QImage ReadWmf(const QByteArray& bytes);
