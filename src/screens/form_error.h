// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-failed dialog.
#pragma once

#include <memory>

#include "screens/feedback_dialog.h"

namespace Ui {
class TForm_Error;
}
class Dialogs;
class GameFolder;

class TForm_Error : public FeedbackDialog {
  Q_OBJECT

 public:
  TForm_Error(QWidget* owner, const GameFolder& folder, Dialogs& dialogs);
  ~TForm_Error() override;

  Ui::TForm_Error* ui() { return ui_.get(); }
  int FailureCount() const { return failureCount_; }

  // Gets the dialog ready for the word just lost, before the program shows it:
  // its place and the next of its messages.
  void Prepare();

  void Button1Click() { accept(); }
  void Button_nuloClick() {}

 private:
  std::unique_ptr<Ui::TForm_Error> ui_;
  int failureCount_ = 0;  // short messages since the last long one, over the whole run
};
