// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chooser of keyboard files in the folder "teclados".
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "platform/game_folder.h"

namespace Ui {
class TForm_teclado;
}

class TForm_teclado : public QDialog {
  Q_OBJECT

 public:
  TForm_teclado(QWidget* owner, const GameFolder& folder);
  ~TForm_teclado() override;

  Ui::TForm_teclado* ui() { return ui_.get(); }

  // "Guardar": the name as it was when "Aceptar" was pressed, or nothing when
  // cancelled.
  std::optional<QString> AskSaveName();
  // "Leer": the full path of the file selected in the list when "Aceptar" was
  // pressed, or nothing.
  std::optional<QString> AskFileToRead();

  void Button_okClick();
  // A name the chooser accepts: not empty, no wildcards, no folders, no hidden
  // files, only Windows-1252 characters, and a path of at most 255 bytes.
  bool AcceptableName(const QString& name) const;

 private:
  void RefreshList();

  std::unique_ptr<Ui::TForm_teclado> ui_;
  GameFolder folder_;
  // What "Aceptar" accepted: the name field and the file selected in the list.
  // The name field follows the list, which may still change after the close.
  QString acceptedName_;
  QString acceptedFile_;
};

// "teclados/<name up to its first full stop>.tec"
QString KeyboardFilePath(const QString& name);
