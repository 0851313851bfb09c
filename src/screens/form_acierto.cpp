// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/form_acierto.h"

#include "platform/game_folder.h"
#include "screens/form_puzle.h"
#include "screens/room_view.h"
#include "sound_player.h"
#include "ui_form_acierto.h"

TForm_Acierto::TForm_Acierto(QWidget* owner, const GameFolder& folder, Dialogs& dialogs,
                             SoundPlayer& sound, RoomView& room)
    : FeedbackDialog(owner),
      ui_(std::make_unique<Ui::TForm_Acierto>()),
      sound_(sound),
      room_(room) {
  ui_->setupUi(this);
  Bind(ui_->Label1, ui_->Button1, ui_->Image1, ui_->Button_nulo);
  PlaceBelowOwner(45, 308);
  LoadPicture(folder.File("acierto.bmp"), "acierto.bmp", dialogs);
  connect(ui_->Button1, &QPushButton::clicked, this, &TForm_Acierto::Button1Click);
  connect(ui_->Button_nulo, &QPushButton::clicked, this, &TForm_Acierto::Button_nuloClick);
}

TForm_Acierto::~TForm_Acierto() = default;

void TForm_Acierto::Prepare(bool cleanSolve, bool puzzlesEnabled) {
  PlaceBelowOwner(45, 308);  // the main window may have moved or grown since
  cleanSolve_ = cleanSolve;
  ShowText(SolvedText(cleanSolve_, puzzlesEnabled));
  if (cleanSolve_)
    sound_.Play(SoundId::Acierto, PlayMode::Loop);
}

void TForm_Acierto::SetPuzzle(TForm_puzle* puzzle) {
  puzzle_ = puzzle;
  connect(puzzle, &TForm_puzle::Completed, this, &TForm_Acierto::ShowPuzzleCompleted);
  connect(puzzle, &TForm_puzle::CloseRequested, this, &TForm_Acierto::PressSeguir);
}

void TForm_Acierto::ShowPuzzleCompleted() {
  ShowText(PuzzleCompletedText());
}

void TForm_Acierto::Button1Click() {
  if (cleanSolve_) {
    room_.ShowDecorationScene(SceneFor(successScene_));
    successScene_ = NextScene(successScene_);
  }
  sound_.Stop();
  if (puzzle_)
    puzzle_->Dismiss();
  accept();
}
