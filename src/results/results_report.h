// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed report of a results file: one row per player, solved words in
// black and failed words in red, per hiding mode and in total, on landscape pages.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

#include "results_file.h"

class QPainter;
class QPrinter;
class Dialogs;

enum class ReportEnd { Printed, Stopped, Failed };

inline constexpr const char* kReportJobTitle = "Resultados Lurimba";

// Prints every whole record `reader` has left (no limit on their number) on
// `printer`, which is switched to landscape for the job and given its orientation
// back afterwards. A key press or a mouse click while it prints asks whether to
// stop; on Yes the job ends with "------ Impresión detenida -------".
ReportEnd PrintResultsReport(QPrinter& printer, ResultsReader& reader, Dialogs& dialogs);

// What every page says of the report besides the file's name: the filter that chose its
// rows, when it was printed, the themes of its rows and, from the number of rows, its pages.
struct ReportFacts {
  QString filter;     // empty when the rows are every row of the files
  QDateTime printed;  // the print date and time
  long long rows = 0;
  QStringList themes;  // the distinct themes of the rows, in order ("" for no theme)
};

// The records to print, one at a time, in order; false when there are no more.
using NextRecord = std::function<bool(PlayerRecord& record)>;
// The same report of the records `next` gives, headed with `fileName` (a name and
// extension, or several joined) and `facts`. `readFailed`, when given, tells whether the end
// of the records was a read failure: the job then ends without its closing line.
// `morePages`, when given, prints pages of its own after a report printed whole, on new
// pages of the same job; false when it failed.
ReportEnd PrintResultsReport(QPrinter& printer, const QString& fileName, const NextRecord& next,
                             Dialogs& dialogs, const ReportFacts& facts,
                             const std::function<bool()>& readFailed = {},
                             const std::function<bool(QPainter&)>& morePages = {});

// Adds the theme of `record` to `facts` when it is a new one, and counts the row.
void CountReportRow(ReportFacts& facts, const PlayerRecord& record);
