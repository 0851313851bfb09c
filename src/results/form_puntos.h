// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Control de puntuaciones": the ten best scores of the points file with the
// scores of the game in play placed among them, and saving that list.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <memory>

#include "platform/disk_shared_files.h"
#include "platform/game_folder.h"
#include "score_table.h"

namespace Ui {
class TForm_puntos;
}
class Dialogs;
class QLabel;

class TForm_puntos : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 516;

  TForm_puntos(QWidget* owner, const GameFolder& folder, const PlayerTable& players,
               Dialogs& dialogs);
  ~TForm_puntos() override;

  Ui::TForm_puntos* ui() { return ui_.get(); }
  QLabel* NameLabel(int place) const { return nameLabels_[place - 1]; }
  QLabel* PointsLabel(int place) const { return pointsLabels_[place - 1]; }
  const TopTenList& List() const { return list_; }

  // The folder of the points file: empty (the game folder) or ending in "/".
  QString scoreDirectory;
  // A score folder left empty is the game folder.
  QString PointsFilePath() const { return folder_.File(scoreDirectory + kPointsFileName); }

  void BitBtn_guardarClick();
  void BitBtn_cerrarClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  GameFolder folder_;
  // Every showing starts again from the file: what was not saved is forgotten.
  void FormShow();
  TopTenList ReadPointsFile() const;
  void ShowList();

  std::unique_ptr<Ui::TForm_puntos> ui_;
  const PlayerTable& players_;
  Dialogs& dialogs_;
  TopTenList list_;
  DiskSharedFiles sharedFiles_;
  std::array<QLabel*, kTopPlaces> nameLabels_{};
  std::array<QLabel*, kTopPlaces> pointsLabels_{};
  bool closing_ = false;
};
