// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/save_file.h"

#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// A temporary file of a save still being written is younger than this.
constexpr qint64 kStaleAfterSeconds = 60;

// The names of the temporary files that saves of files like `target` leave.
QRegularExpression LeftoverPattern(const QFileInfo& target) {
  // QSaveFile names its temporary file after the final one, plus a full stop
  // and six random letters.
  const QString suffix = target.suffix();
  const QString kind = suffix.isEmpty() ? QRegularExpression::escape(target.fileName())
                                        : ".+\\." + QRegularExpression::escape(suffix);
  return QRegularExpression("^" + kind + "\\.[A-Za-z]{6}$");
}

}  // namespace

int RemoveStaleSaves(const QString& path) {
  const QFileInfo target(path);
  const QRegularExpression pattern = LeftoverPattern(target);
  const QDateTime now = QDateTime::currentDateTimeUtc();
  int removed = 0;
  const QFileInfoList entries = target.absoluteDir().entryInfoList(
      QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDir::NoSort);
  for (const QFileInfo& entry : entries) {
    if (!pattern.match(entry.fileName()).hasMatch())
      continue;
    if (entry.lastModified().toUTC().secsTo(now) < kStaleAfterSeconds)
      continue;
    if (QFile::remove(entry.absoluteFilePath()))
      ++removed;
  }
  return removed;
}

bool SaveWhole(const QString& path, const QByteArray& bytes) {
  const QFileInfo target(path);
  // QSaveFile would write to the file a link points to, wherever that is.
  if (target.isSymLink())
    return false;
  if (target.exists() && !target.isFile())
    return false;  // a folder, a device or a pipe is never replaced
  RemoveStaleSaves(path);
  QSaveFile file(path);
  // Unbuffered, so that every write reports its own failure: a buffered write
  // succeeds, and Qt 6.4 commits the short file when the final flush fails.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return false;
  // The data must be on the disk before the new file takes the old one's
  // name: a file system that allocates late reports a full disk only here.
  if (file.write(bytes) != bytes.size() || ::fsync(file.handle()) != 0) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}
