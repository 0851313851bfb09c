// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's menus of the hiding modes, the game options and "Ver":
// each command goes to the game, and the marks and panels follow its Settings.
#pragma once

#include <QObject>

#include "settings.h"

namespace Ui {
class TForm_juego;
}
class Game;
class QAction;
class QActionGroup;
class QWidget;

class GameMenus : public QObject {
 public:
  GameMenus(Ui::TForm_juego& ui, Game& game, QObject* parent);

  QAction* ModeAction(int mode) const;
  // Check marks, enabled items and the panels "Ver" shows or hides.
  void Show(const Settings& settings);
  void SetVowelOptionsEnabled(bool enabled);

 private:
  struct ViewToggle {
    QAction* action;
    QWidget* panel;
    bool ViewOptions::*option;
  };

  void ConnectModes();
  void ConnectOptions();
  void ConnectView();

  Ui::TForm_juego& ui_;
  Game& game_;
  QActionGroup* modeGroup_ = nullptr;
  std::vector<ViewToggle> viewToggles_;
};
