// The word-failed dialog.
#pragma once

#include <memory>

#include "screens/feedback_dialog.h"

namespace Ui {
class TForm_Error;
}
class TForm_juego;

class TForm_Error : public FeedbackDialog {
  Q_OBJECT

 public:
  explicit TForm_Error(TForm_juego& main);
  ~TForm_Error() override;

  Ui::TForm_Error* ui() { return ui_.get(); }
  int FailureCount() const { return failureCount_; }

  void Button1Click();
  void Button_nuloClick() {}

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<Ui::TForm_Error> ui_;
  TForm_juego& main_;
  int failureCount_ = 0;  // short messages since the last long one, over the whole run
};
