// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading aloud in the main window: "Leer en voz alta" of the "Ver" menu, F5 and the
// loudspeaker beside the hint. The game's dictation decides what is said.
#pragma once

#include <QObject>

#include "dictation.h"

namespace Ui {
class TForm_juego;
}
class Dialogs;
class QAction;
class QLabel;
class QToolButton;

class ReadAloud : public QObject {
 public:
  ReadAloud(Ui::TForm_juego& ui, const Game& game, Speaker& speaker, Dialogs& dialogs,
            QWidget* window);

  // A new word: it is said, and the loudspeaker follows its hint.
  void WordStarted();
  void LetterJudged(char c, PressResult result) { dictation_.LetterJudged(c, result); }

  QAction* Toggle() const { return toggle_; }
  QToolButton* Button() const { return button_; }

 private:
  void Switch(bool on);
  void PlaceButton();

  QLabel& hint_;
  const Game& game_;
  Dialogs& dialogs_;
  Dictation dictation_;
  QAction* toggle_ = nullptr;
  QToolButton* button_ = nullptr;
};
