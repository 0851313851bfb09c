// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Progreso" tab: one pupil of the rows the "Resultados" tab shows, chosen by name;
// their words solved and failed by hiding mode and in all, with the share solved, and
// the chart of their sessions along the dates. It follows the other tab's files and filters.
#pragma once

#include <QWidget>
#include <vector>

#include "progress.h"

class ProgressChart;
class QComboBox;
class QLabel;
class QTableWidget;
class ResultsTab;

class ProgressTab : public QWidget {
 public:
  explicit ProgressTab(ResultsTab& results, QWidget* parent = nullptr);

  QComboBox* pupilChooser() const { return pupils_; }
  QTableWidget* table() const { return table_; }
  ProgressChart* chart() const { return chart_; }

 private:
  // The pupils of the rows shown, keeping the one chosen while it is there.
  void Refill();
  void ShowPupil();

  ResultsTab& results_;
  std::vector<PupilProgress> progress_;
  QComboBox* pupils_ = nullptr;
  QLabel* summary_ = nullptr;
  QTableWidget* table_ = nullptr;
  ProgressChart* chart_ = nullptr;
};
