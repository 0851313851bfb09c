// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor of the character of one key of the on-screen keyboard.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class TForm_charboton;
}

class TForm_charboton : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_charboton(QWidget* owner);
  ~TForm_charboton() override;

  Ui::TForm_charboton* ui() { return ui_.get(); }

  // Shows the key's character from `keyCharBuffer` in the keyboard's font; with
  // "Aceptar" the buffer takes the new one ("&&" for an ampersand, or empty).
  bool EditKey(std::string& keyCharBuffer, const QString& keyboardFontFamily);

  void Button_aceptarClick();

 private:
  std::unique_ptr<Ui::TForm_charboton> ui_;
  std::string* buffer_ = nullptr;
};
