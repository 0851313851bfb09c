// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Opciones de salida": what to do when the main window is asked to close.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TForm_op_fin;
}
class Dialogs;

enum class EndOfGameChoice {
  Continue,  // "Continuar  el juego"
  NewGame,   // "Iniciar  nuevo  juego", and the players window ended with "Jugar"
  Quit,      // "Terminar  el juego", confirmed: the program must end
};

class TForm_op_fin : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 518;

  // `askNewPlayers` opens the players window with names typed in capitals and
  // says whether a new game was entered; `showPoints` opens the points window.
  TForm_op_fin(QWidget* owner, Dialogs& dialogs, std::function<bool()> askNewPlayers,
               std::function<void()> showPoints);
  ~TForm_op_fin() override;

  Ui::TForm_op_fin* ui() { return ui_.get(); }

  // Shows the window modally until one of the three labels closes it. When the
  // program ended meanwhile (the players window's "Terminar") it gives Continue.
  EndOfGameChoice Ask();

  void Label_continuarClick();
  void Label_juegonuevoClick();
  void Label_terminarClick();
  void Button_verpuntosClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  void Choose(EndOfGameChoice choice);

  std::unique_ptr<Ui::TForm_op_fin> ui_;
  Dialogs& dialogs_;
  std::function<bool()> askNewPlayers_;
  std::function<void()> showPoints_;
  EndOfGameChoice choice_ = EndOfGameChoice::Continue;
  bool closing_ = false;
};
