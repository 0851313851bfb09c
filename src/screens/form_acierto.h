// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word-solved dialog.
#pragma once

#include <memory>

#include "screens/feedback_dialog.h"

namespace Ui {
class TForm_Acierto;
}
class Dialogs;
class GameFolder;
class RoomView;
class SoundPlayer;
class TForm_puzle;

class TForm_Acierto : public FeedbackDialog {
  Q_OBJECT

 public:
  TForm_Acierto(QWidget* owner, const GameFolder& folder, Dialogs& dialogs, SoundPlayer& sound,
                RoomView& room);
  ~TForm_Acierto() override;

  Ui::TForm_Acierto* ui() { return ui_.get(); }
  int SuccessScene() const { return successScene_; }
  // The puzzle window: "Seguir" closes it, and a completed puzzle rewrites the text.
  void SetPuzzle(TForm_puzle* puzzle);
  void ShowPuzzleCompleted();

  // Gets the dialog ready for the word just solved, before the program shows it:
  // the text, and the "acierto" tune after a clean solve.
  void Prepare(bool cleanSolve, bool puzzlesEnabled);

  // "Seguir": after a clean solve the room takes its next scene; the dialog closes.
  void Button1Click();
  void Button_nuloClick() {}

 private:
  std::unique_ptr<Ui::TForm_Acierto> ui_;
  SoundPlayer& sound_;
  RoomView& room_;
  TForm_puzle* puzzle_ = nullptr;
  int successScene_ = 1;
  bool cleanSolve_ = false;
};
