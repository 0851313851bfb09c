// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "¿ Quién va a jugar ?": up to ten players and their group start a new game.
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "player_entry.h"

namespace Ui {
class TForm_jugadores;
}
class Dialogs;
class QLineEdit;

// What the players window was left with.
enum class PlayersAnswer {
  Play,    // "Jugar": a new group with the names typed
  Quit,    // "Terminar", confirmed: the program ends
  Closed,  // the close box: nothing changes
};

// The names typed (Windows-1252) and the day the group plays.
struct GroupEntry {
  std::array<std::string, kMaxPlayers> names;
  std::string group;
  LocalDate today;
};

class TForm_jugadores : public QDialog {
  Q_OBJECT

 public:
  TForm_jugadores(QWidget* owner, Dialogs& dialogs);
  ~TForm_jugadores() override;

  Ui::TForm_jugadores* ui() { return ui_.get(); }
  QLineEdit* NameField(int player) const { return nameFields_[player - 1]; }

  // Opens the window with every field empty and waits for the answer.
  PlayersAnswer Ask();
  GroupEntry Entry() const;

  void Button_jugarClick() { accept(); }
  void Button_terminarClick();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CentreOnScreen();

  std::unique_ptr<Ui::TForm_jugadores> ui_;
  Dialogs& dialogs_;
  std::array<QLineEdit*, kMaxPlayers> nameFields_{};
};
