// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game folder: where the program reads and writes everything by a
// relative name (word lists, keyboards, pictures, results ...).
#pragma once

#include <QString>
#include <QStringList>
#include <string>

class Prompter;

// Every shipped game folder holds this file, and no command of the program deletes it: it tells
// the game folder from any other folder, whatever the teacher did to the word lists.
inline constexpr char kGameFolderMarker[] = ".lurimba";

class GameFolder {
 public:
  GameFolder() = default;
  explicit GameFolder(const QString& path, const QStringList& notCopied = {})
      : path_(path), notCopied_(notCopied) {}

  const QString& Path() const { return path_; }
  // A name relative to the game folder; an absolute name stays as it is.
  QString File(const QString& name) const;
  // The folder as the engine takes paths: UTF-8.
  std::string Utf8() const { return path_.toStdString(); }
  // The shipped files that could not be copied into the folder this time, by their relative
  // names: the program goes on without them.
  const QStringList& NotCopied() const { return notCopied_; }

 private:
  QString path_;
  QStringList notCopied_;
};

// Picks the folder: beside the program when it holds the game data and can be
// written, else a per-user folder filled from the shipped one (the installed
// copy under share/ is never played from).
GameFolder ChooseGameFolder(const QString& programFolder);

// Copies the shipped game folder into `to`, keeping every file already there. Gives the
// relative names, sorted, of the files that could not be copied.
QStringList FillFromShipped(const QString& from, const QString& to);

// Says, as a stop message with `caption`, which shipped files could not be copied into the
// folder and that the program goes on with what it holds. Nothing when every file is there.
void ReportNotCopied(const GameFolder& folder, Prompter& prompter, const std::string& caption);
