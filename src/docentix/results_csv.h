// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results as a CSV table for a spreadsheet: UTF-8 with a byte-order mark (LibreOffice
// Calc and Excel then take it as UTF-8 without asking), ";" between fields, CR LF after
// every line, a header row, one row per player record.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "docentix/results_rows.h"

// The whole CSV text of `rows`, in their order.
QByteArray ResultsCsv(const std::vector<ResultsRow>& rows);

// Writes `bytes`, an export of results, to `path` (the old file stays whole until the new
// one is complete), never in place of a results file. False, with the message to show,
// when it cannot be written.
bool SaveExport(const QByteArray& bytes, const QString& path, QString& message);

// Writes the CSV text of `rows` to `csvPath` (the old file stays whole until the new
// one is complete). False, with the message to show, when it cannot be written.
bool SaveResultsCsv(const std::vector<ResultsRow>& rows, const QString& csvPath, QString& message);

// Writes every player record of the results files as one CSV table, file after file.
// False, with the message to show, when a file cannot be read or written; nothing is
// written then.
bool ExportResultsCsv(const QStringList& resultsFiles, const QString& csvPath, QString& message);
