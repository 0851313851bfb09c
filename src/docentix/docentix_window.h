// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Docentix's window: the word lists and the results files of the game folder, a tab each.
#pragma once

#include <QMainWindow>

#include "platform/game_folder.h"

class Dialogs;
class QTabWidget;
class ResultsTab;
class SpellChecker;
class WordListTab;

class DocentixWindow : public QMainWindow {
 public:
  DocentixWindow(const GameFolder& folder, Dialogs& dialogs, SpellChecker& spelling);

  WordListTab& Lists() { return *lists_; }
  QTabWidget& Tabs() { return *tabs_; }

 protected:
  // Unsaved changes to the list are asked about first.
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowTitle();
  // No bigger than the screen's free area, frame included (known once the window exists).
  void FitOnScreen();

  QTabWidget* tabs_;
  WordListTab* lists_;
  ResultsTab* results_;
  bool shown_ = false;
};
