// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results as a flat OpenDocument spreadsheet (".fods": one XML file in UTF-8), which
// LibreOffice Calc opens as it is: the sheet "Resultados" with the rows and the columns of
// the CSV table (counts as numbers, dates as dates), the sheet "Progreso" with the totals of
// each pupil by hiding mode, and the sheet "Sesiones" with each pupil's sessions.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "docentix/results_rows.h"

QByteArray ResultsFods(const std::vector<ResultsRow>& rows);

// Writes the spreadsheet of `rows` to `path` as SaveExport writes.
bool SaveResultsFods(const std::vector<ResultsRow>& rows, const QString& path, QString& message);
