// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed report of a results file: one row per player, solved words in
// black and failed words in red, per hiding mode and in total, on landscape pages.
#pragma once

#include <QString>
#include <functional>

#include "results_file.h"

class QPrinter;
class Dialogs;

enum class ReportEnd { Printed, Stopped, Failed };

inline constexpr const char* kReportJobTitle = "Resultados Lurimba";

// Prints every whole record `reader` has left (no limit on their number) on
// `printer`, which is switched to landscape for the job and given its orientation
// back afterwards. A key press or a mouse click while it prints asks whether to
// stop; on Yes the job ends with "------ Impresión detenida -------".
ReportEnd PrintResultsReport(QPrinter& printer, ResultsReader& reader, Dialogs& dialogs);

// The records to print, one at a time, in order; false when there are no more.
using NextRecord = std::function<bool(PlayerRecord& record)>;
// The same report of the records `next` gives, headed with `fileName` (a name and
// extension, or several joined). `readFailed`, when given, tells whether the end
// of the records was a read failure: the job then ends without its closing line.
ReportEnd PrintResultsReport(QPrinter& printer, const QString& fileName, const NextRecord& next,
                             Dialogs& dialogs, const std::function<bool()>& readFailed = {});
