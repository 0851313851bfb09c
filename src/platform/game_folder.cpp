// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/game_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "charset.h"
#include "platform/save_file.h"
#include "prompter.h"

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

QStringList FillFromShipped(const QString& from, const QString& to) {
  QStringList notCopied;
  QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString name = QDir(from).relativeFilePath(source);
    const QString target = to + "/" + name;
    if (QFileInfo::exists(target))
      continue;
    QDir().mkpath(QFileInfo(target).path());
    // Through the save path: a copy cut short by a full disk would be kept for
    // good, since files already there are never copied again.
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly) || !SaveWhole(target, file.readAll()))
      notCopied << name;
  }
  notCopied.sort();
  return notCopied;
}

void ReportNotCopied(const GameFolder& folder, Prompter& prompter, const std::string& caption) {
  const QStringList& names = folder.NotCopied();
  if (names.isEmpty())
    return;
  // A few names, so that the message fits on the screen however many files are missing.
  constexpr int kMostNamed = 4;
  QString list;
  if (names.size() > kMostNamed) {
    list = names.mid(0, kMostNamed - 1).join(", ") +
           QString(" y %1 más").arg(names.size() - (kMostNamed - 1));
  } else if (names.size() > 1) {
    list = names.mid(0, names.size() - 1).join(", ") + " y " + names.last();
  } else {
    list = names.first();
  }
  const QString text = QString(
                           "No se han podido copiar estos archivos del juego en la carpeta\n"
                           "%1:\n\n%2.\n\n"
                           "El programa sigue con los archivos que ya hay en ella; al volver a "
                           "abrirlo intentará copiar de nuevo los que faltan.")
                           .arg(folder.Path(), list);
  prompter.Stop(Utf8ToAnsi(text.toStdString()), caption);
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
      return GameFolder(folder, FillFromShipped(shipped, folder));
  }
  return GameFolder(folder);
}

QString GameFolder::File(const QString& name) const {
  if (name.isEmpty() || QDir::isAbsolutePath(name) || path_.isEmpty())
    return name;
  return path_ + "/" + name;
}
