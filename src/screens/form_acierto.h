// The word-solved dialog.
#pragma once

#include <memory>

#include "screens/feedback_dialog.h"

namespace Ui {
class TForm_Acierto;
}
class TForm_juego;

class TForm_Acierto : public FeedbackDialog {
  Q_OBJECT

 public:
  explicit TForm_Acierto(TForm_juego& main);
  ~TForm_Acierto() override;

  Ui::TForm_Acierto* ui() { return ui_.get(); }
  int SuccessScene() const { return successScene_; }

  void Button1Click();
  void Button_nuloClick() {}

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyScene(int scene);

  std::unique_ptr<Ui::TForm_Acierto> ui_;
  TForm_juego& main_;
  int successScene_ = 1;
  bool cleanSolve_ = false;  // whether the dialog was last shown for a clean solve
};
