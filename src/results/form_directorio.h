// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Directorio para guardar puntuaciones": the folder of the points file.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "platform/game_folder.h"

namespace Ui {
class TForm_directorio;
}
class Dialogs;
class QFileSystemModel;

inline constexpr int kDirectoryTextLimit = 297;

class TForm_directorio : public QDialog {
  Q_OBJECT

 public:
  // `scoreDirectory` is the points window's folder, empty or ending in "/".
  TForm_directorio(QWidget* owner, const GameFolder& folder, Dialogs& dialogs,
                   QString& scoreDirectory);
  ~TForm_directorio() override;

  Ui::TForm_directorio* ui() { return ui_.get(); }

  // The whole command: the window modally, then "directorio.txt" in the game
  // folder holds the score folder, whichever button closed the window.
  void ChooseScoreDirectory();

  // The folder the folder list shows as current, without a final "/".
  QString CurrentFolder();
  // Moves the drive list and the folder list to `folder`.
  void ShowFolder(const QString& folder);

  void BitBtn_aceptarClick();
  void BitBtn_cancelarClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void PrepareLists();
  void FillDrives();
  void DriveComboBoxChange(int index);
  void WriteDirectoryFile();
  void KeepFolderInView();

  std::unique_ptr<Ui::TForm_directorio> ui_;
  GameFolder folder_;
  Dialogs& dialogs_;
  QString& scoreDirectory_;
  QFileSystemModel* folders_ = nullptr;
  QString folderToShow_;  // the folder ShowFolder moved to, kept in view while the list loads
};

// What "directorio.txt" holds: the folder in Windows-1252, at most 297 characters.
std::string DirectoryFileText(const QString& scoreDirectory);
