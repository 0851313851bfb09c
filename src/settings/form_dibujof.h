// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chooser of background pictures ("fondos") and textures ("texturas"),
// with its folder list, its file list and a preview.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "platform/game_folder.h"
#include "platform/prompter_qt.h"

namespace Ui {
class TForm_dibujof;
}

enum class BackgroundKind { Picture, Texture };

// What "Aceptar" closed the chooser with.
struct ChosenBackground {
  QString path;  // absolute
  QImage image;  // null when the picture could not be read (textures are always read)
};

class TForm_dibujof : public QDialog {
  Q_OBJECT

 public:
  TForm_dibujof(QWidget* owner, const GameFolder& folder, Dialogs& dialogs);
  QString InGameFolder(const QString& name) const { return gameFolder_.File(name); }
  ~TForm_dibujof() override;

  Ui::TForm_dibujof* ui() { return ui_.get(); }

  // Shows the chooser modally for a picture or a texture; nothing when cancelled.
  std::optional<ChosenBackground> Choose(BackgroundKind kind);

  // The folder the lists show (absolute).
  QString Folder() const { return folder_; }
  void OpenFolder(const QString& folder);

  void FileListBoxClick();
  void Button_aceptarClick();

  bool pictureChosen() const { return pictureChosen_; }
  bool textureChosen() const { return textureChosen_; }

 private:
  GameFolder gameFolder_;
  // The program's own show: the caption, the folder, the mask, the preview's mode.
  void PrepareFor(BackgroundKind kind);
  void FillFolderList();
  void FillFileList();
  QString SelectedPath() const;

  std::unique_ptr<Ui::TForm_dibujof> ui_;
  Dialogs& dialogs_;
  BackgroundKind kind_ = BackgroundKind::Picture;
  QString folder_;
  QStringList mask_;
  bool pictureChosen_ = false;
  bool textureChosen_ = false;
  ChosenBackground chosen_;
};
