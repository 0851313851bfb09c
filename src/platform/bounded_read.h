// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a file of bounded size without a buffer of the bound's size.
#pragma once

#include <QByteArray>
#include <QFile>

// Reads the open `file` to its end, but no more than `limit` + 1 bytes: more than `limit` tells
// the caller the file is too large. The buffer is the size the file had (`knownSize`), not that
// of the limit, which may be many megabytes for a picture of a few kilobytes; should the file have
// grown since, it is read on up to the limit.
QByteArray ReadAtMost(QFile& file, qint64 knownSize, qint64 limit);
