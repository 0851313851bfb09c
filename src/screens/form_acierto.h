// The word-solved dialog.
#pragma once

#include <memory>

#include "screens/feedback_dialog.h"

namespace Ui {
class TForm_Acierto;
}
class TForm_juego;
class TForm_puzle;

class TForm_Acierto : public FeedbackDialog {
  Q_OBJECT

 public:
  explicit TForm_Acierto(TForm_juego& main);
  ~TForm_Acierto() override;

  Ui::TForm_Acierto* ui() { return ui_.get(); }
  int SuccessScene() const { return successScene_; }
  // The puzzle window: its state chooses the clean-solve text, "Seguir" closes
  // it, and a completed puzzle rewrites the text.
  void SetPuzzle(TForm_puzle* puzzle);
  void ShowPuzzleCompleted();

  void Button1Click();
  void Button_nuloClick() {}

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyScene(int scene);

  std::unique_ptr<Ui::TForm_Acierto> ui_;
  TForm_juego& main_;
  TForm_puzle* puzzle_ = nullptr;
  int successScene_ = 1;
  bool cleanSolve_ = false;  // whether the dialog was last shown for a clean solve
};
