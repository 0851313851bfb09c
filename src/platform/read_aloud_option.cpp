// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/read_aloud_option.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/save_file.h"

namespace {

constexpr std::size_t kMaxBytes = 64;

}  // namespace

QString ReadAloudOptionPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/lurimba/leer-en-voz-alta";
}

bool ReadAloudOption() {
  std::string bytes;
  const ReadState state =
      ReadWholeFile(QFile::encodeName(ReadAloudOptionPath()).toStdString(), bytes, kMaxBytes);
  return state == ReadState::Read && QByteArray::fromStdString(bytes).trimmed() == "si";
}

bool SaveReadAloudOption(bool on) {
  const QString path = ReadAloudOptionPath();
  return QDir().mkpath(QFileInfo(path).path()) && SaveWhole(path, on ? "si\n" : "no\n");
}
