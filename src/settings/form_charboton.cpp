// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/form_charboton.h"

#include "platform/help_context.h"
#include "platform/text.h"
#include "platform/title_bar.h"
#include "ui_form_charboton.h"

TForm_charboton::TForm_charboton(QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::TForm_charboton>()) {
  ui_->setupUi(this);
  RemoveTitleBarButtons(*this);
  SetWindowHelpContext(*this, 502);  // the keyboard's topic
  if (owner)
    move(owner->pos() + QPoint(20, 30));
  connect(ui_->Button_aceptar, &QPushButton::clicked, this, &TForm_charboton::Button_aceptarClick);
  connect(ui_->Button_cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

TForm_charboton::~TForm_charboton() = default;

bool TForm_charboton::EditKey(std::string& keyCharBuffer, const QString& keyboardFontFamily) {
  for (QWidget* widget :
       {static_cast<QWidget*>(this), static_cast<QWidget*>(ui_->Edit_nuevo_char)}) {
    QFont font = widget->font();
    font.setFamily(keyboardFontFamily);
    widget->setFont(font);
  }
  ui_->Button_char_actual->setText(ToQt(keyCharBuffer));
  ui_->Edit_nuevo_char->setText(ToQt(keyCharBuffer));
  ui_->Edit_nuevo_char->setFocus();
  ui_->Edit_nuevo_char->selectAll();
  buffer_ = &keyCharBuffer;
  const bool accepted = exec() == QDialog::Accepted;
  buffer_ = nullptr;
  return accepted;
}

void TForm_charboton::Button_aceptarClick() {
  if (buffer_) {
    std::string typed = FromQt(ui_->Edit_nuevo_char->text()).substr(0, 1);
    *buffer_ = typed == "&" ? "&&" : typed;
  }
  accept();
}
