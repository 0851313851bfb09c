// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one way the program writes a file (see whole_file.h), for the windows' Qt paths.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string_view>

#include "platform/whole_file.h"

// Writes `bytes` as the whole new content of `path`. False when anything
// failed; the file is then as it was before. Never writes through a symlink.
inline bool SaveWhole(const QString& path, const QByteArray& bytes) {
  return SaveWholeFile(QFile::encodeName(path).toStdString(),
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}
