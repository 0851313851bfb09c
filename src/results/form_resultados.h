// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Control  de  resultados": the teacher looks at the players' counters, corrects
// their date and theme, stores them in a results file, compares them with the
// players of a stored file and prints a stored file.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/disk_shared_files.h"
#include "players.h"
#include "results_file.h"

class QPrinter;

namespace Ui {
class TForm_Resultados;
}
class Dialogs;

class TForm_Resultados : public QDialog {
  Q_OBJECT

 public:
  // The help context while the window is open.
  static constexpr int kHelpContext = 508;

  // `players` is the game's table: the window shows and changes its records.
  // `gameFolder` holds the "resultad" folder.
  TForm_Resultados(QWidget* owner, Dialogs& dialogs, PlayerTable& players,
                   const QString& gameFolder);
  ~TForm_Resultados() override;

  // Shows the window modally and returns, when it closes, the current theme (the
  // theme "Guardar..." stores; `currentTheme` unless a save changed it).
  // `knownThemes` are the themes read so far, offered in the theme box.
  std::string ShowResults(const std::vector<std::string>& knownThemes,
                          const std::string& currentTheme);

  // Called with each theme to add to the main window's list of known themes.
  std::function<void(const std::string&)> onThemeAdded;
  // "Ayuda": the help book's contents page.
  std::function<void()> onHelp;
  // Called on closing with the current player's name (for the main window's label).
  std::function<void(const std::string&)> onClosing;

  Ui::TForm_Resultados* ui() { return ui_.get(); }
  ResultsFiles& files() { return files_; }
  // Made at the first print: a printer loads the whole printing system (CUPS and its network
  // libraries), which most sessions never use.
  QPrinter& printer();

  void Button_abrirClick();
  void Button_guardarClick();
  void Button_imprimirClick();
  void Button_aceroClick();
  void Button_restablecerClick();
  void Button_cambiarClick();
  void Button_cerrarClick();
  void Button_ayudaClick();
  void ComboBox_nombresChange(int index);
  void ComboBox_nombres_archivoChange(int index);

 protected:
  void reject() override;

 private:
  void FormShow(const std::vector<std::string>& knownThemes);
  void ShowRecord(const PlayerRecord& record, bool fromFile);
  void SetThemeText(const std::string& theme);
  void FillNames();
  void FillFileNames();
  void UseResultsFolder();
  PlayerRecord* SelectedPlayer();

  std::unique_ptr<Ui::TForm_Resultados> ui_;
  Dialogs& dialogs_;
  PlayerTable& players_;
  QString gameFolder_;
  DiskSharedFiles sharedFiles_;
  ResultsFiles files_;
  std::unique_ptr<QPrinter> printer_;
  std::array<PlayerRecord, kMaxPlayers> snapshot_;
  std::string currentTheme_;
  bool shownBefore_ = false;
};
