// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

// The "Resultados" tab: the player records of one or several results files in one table.
class ResultsTab : public QWidget {
  Q_OBJECT
 public:
  // resultsFolder: where the open dialog starts (the game folder's "resultad").
  explicit ResultsTab(const QString& resultsFolder, QWidget* parent = nullptr);

 private:
  QString resultsFolder_;
};
