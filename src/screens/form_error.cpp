// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/form_error.h"

#include "platform/game_folder.h"
#include "ui_form_error.h"

TForm_Error::TForm_Error(QWidget* owner, const GameFolder& folder, Dialogs& dialogs)
    : FeedbackDialog(owner), ui_(std::make_unique<Ui::TForm_Error>()) {
  ui_->setupUi(this);
  Bind(ui_->Label1, ui_->Button1, ui_->Image1, ui_->Button_nulo);
  PlaceBelowOwner(45, 308);
  LoadPicture(folder.File("error.bmp"), "error.bmp", dialogs);
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm_Error::Button1Click);
  connect(ui_->Button_nulo, &QPushButton::clicked, this, &TForm_Error::Button_nuloClick);
}

TForm_Error::~TForm_Error() = default;

void TForm_Error::Prepare() {
  PlaceBelowOwner(25, 308);
  ShowText(FailedText(failureCount_));
}
