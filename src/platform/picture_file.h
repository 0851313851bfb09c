// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way the program loads a picture from a file (backgrounds, textures,
// puzzles, the acierto and error pictures): a yes (the picture) or a no
// (nothing), never a half-read picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <optional>

// Reads the regular file `path` as a picture of `format` ("BMP", "PNG" ...).
// Nothing when it cannot be opened or read, or when the picture is damaged.
std::optional<QImage> LoadPictureFile(const QString& path, const char* format);

// A background picture or texture: a Windows metafile (told by its header, whatever the
// file's name) or else a Windows bitmap, with the same checks. Nothing as well for a
// damaged metafile or a picture without width or height.
std::optional<QImage> LoadBackgroundPicture(const QString& path);

// Whether the BMP file `path` is a whole picture, from its headers and its size: the checks of
// LoadPictureFile but for the decoding of the pixels, which are not read.
bool BmpFileIsWhole(const QString& path);

// The same checks on a picture already in memory. A BMP whose pixel data is
// shorter than its header says, or whose sizes are out of bounds, is refused.
std::optional<QImage> DecodePicture(const QByteArray& bytes, const char* format);

// A PNG picture built into the program (a resource such as ":/images/castillo.png"), read by
// Qt's own PNG reader alone: reading by the name's extension would first load every image
// plugin (GIF, ICO, JPEG ...), which the game does not use. Pictures read once are shared, as
// QPixmap(path) shares them. Null when it cannot be read.
QPixmap BuiltInPicture(const QString& path);

// The same picture for a label, at the screen's own pixels on a scaled screen: a label would
// otherwise scale it again at every painting, and hold both sizes.
QPixmap ScreenPicture(const QString& path);
