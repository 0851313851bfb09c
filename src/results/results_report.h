// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed report of a results file: one row per player, solved words in
// black and failed words in red, per hiding mode and in total, on landscape pages.
#pragma once

#include <QString>

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
