// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Resultados" tab: the player records of one or several results files in one
// table that sorts by any column and filters by name, theme and date; the table as
// shown is exported as CSV or printed as the game's report. Results files are only
// ever read.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "docentix/results_rows.h"

class Dialogs;
class QtDialogs;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class ResultsFilter;

class ResultsTab : public QWidget {
  Q_OBJECT
 public:
  // resultsFolder: where the open dialog starts (the game folder's "resultad").
  explicit ResultsTab(const QString& resultsFolder, QWidget* parent = nullptr);
  // The same with the dialogs given (tests answer them).
  ResultsTab(const QString& resultsFolder, Dialogs& dialogs, QWidget* parent = nullptr);
  ~ResultsTab() override;

  // Adds the records of the files to the table; a file already in it is read again
  // and its rows replaced. When one of them cannot be read or is not a results file,
  // its message is shown and the table stays as it was.
  bool OpenFiles(const QStringList& paths);
  // The rows as shown: filtered and in the table's order.
  std::vector<ResultsRow> ShownRows() const;

  // "Abrir...": the open dialog, several files at once.
  void Open();
  // "Vaciar": no file in the table.
  void Clear();
  // "Exportar...": the rows as shown, through the save dialog, as a spreadsheet (.fods,
  // with the progress of their pupils) or as CSV, by the name's extension.
  void Export();
  // "Imprimir...": the rows as shown as the game's printed report, then a page of
  // progress for each of their pupils, through the print dialog (which also saves as PDF).
  void Print();

  QLineEdit* nameFilter() const { return nameFilter_; }
  QComboBox* themeFilter() const { return themeFilter_; }
  QComboBox* dateFilter() const { return dateFilter_; }
  QTableView* table() const { return table_; }

 Q_SIGNALS:
  // The files or the filters changed the rows shown.
  void RowsChanged();

 private:
  struct OpenFile {
    QString path;
    std::vector<ResultsRow> rows;
  };

  void Build();
  void Refill();
  void RefillChoices();
  void FitColumns();
  void ShowCounts();
  void Fail(const QString& fileName, const QString& message);
  QString FileNames() const;
  QString FilterText() const;

  QString resultsFolder_;
  std::unique_ptr<QtDialogs> ownDialogs_;
  Dialogs& dialogs_;
  std::vector<OpenFile> files_;
  QStandardItemModel* model_ = nullptr;
  ResultsFilter* filter_ = nullptr;
  QTableView* table_ = nullptr;
  QLineEdit* nameFilter_ = nullptr;
  QComboBox* themeFilter_ = nullptr;
  QComboBox* dateFilter_ = nullptr;
  QLabel* counts_ = nullptr;
  QLabel* fileList_ = nullptr;
  QPushButton* exportButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
};
