// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/game_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/save_file.h"

namespace {

// Decided by the marker, not by "ejemplo": a teacher may delete or rename the default list,
// and the game must then say so in its own folder rather than move to another one.
bool HoldsGameData(const QString& folder) {
  return QFileInfo::exists(folder + "/" + kGameFolderMarker);
}

bool Writable(const QString& folder) {
  QFile probe(folder + "/.lurimba-write-test");
  if (!probe.open(QIODevice::WriteOnly))
    return false;
  probe.close();
  probe.remove();
  return true;
}

}  // namespace

void FillFromShipped(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = to + "/" + QDir(from).relativeFilePath(source);
    if (QFileInfo::exists(target))
      continue;
    QDir().mkpath(QFileInfo(target).path());
    // Through the save path: a copy cut short by a full disk would be kept for
    // good, since files already there are never copied again.
    QFile file(source);
    if (file.open(QIODevice::ReadOnly))
      SaveWhole(target, file.readAll());
  }
}

namespace {

// The game folder beside the program (a build tree, a copy on a USB stick), else the one
// installed under share/. The installed one is never played from, even when the user could
// write to it (root): it only fills the per-user folder.
QString ShippedFolder(const QString& programFolder) {
  const QStringList candidates = {programFolder + "/data", programFolder + "/../share/lurimba"};
  for (const QString& folder : candidates) {
    if (HoldsGameData(folder))
      return QDir(folder).canonicalPath();
  }
  return {};
}

bool BesideTheProgram(const QString& shipped, const QString& programFolder) {
  return shipped == QDir(programFolder + "/data").canonicalPath();
}

}  // namespace

GameFolder ChooseGameFolder(const QString& programFolder) {
  const QString shipped = ShippedFolder(programFolder);
  QString folder = shipped;
  if (shipped.isEmpty() || !BesideTheProgram(shipped, programFolder) || !Writable(shipped)) {
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/lurimba";
    QDir().mkpath(folder);
    if (!shipped.isEmpty())
      FillFromShipped(shipped, folder);
  }
  return GameFolder(folder);
}

QString GameFolder::File(const QString& name) const {
  if (name.isEmpty() || QDir::isAbsolutePath(name) || path_.isEmpty())
    return name;
  return path_ + "/" + name;
}
