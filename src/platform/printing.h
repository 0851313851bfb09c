// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the printing module gives the program: the printer, its dialog and the results report.
#pragma once

class QPrinter;
class QWidget;
class Dialogs;
class ResultsReader;
enum class ReportEnd;

struct PrintModule {
  // A printer in the chosen printer's own pixels; the caller owns it.
  QPrinter* (*newPrinter)();
  // The print dialog for `printer`, owned by `owner`; true when the user confirmed it.
  bool (*askPrinter)(QPrinter& printer, QWidget* owner);
  // The results report of what `reader` has left (see results/results_report.h).
  ReportEnd (*printReport)(QPrinter& printer, ResultsReader& reader, Dialogs& dialogs);
};

// The function of the printing module that gives its PrintModule.
using PrintModuleFunction = const PrintModule* (*)();
inline constexpr const char* kPrintModuleFunction = "lurimba_print_module";

// The printing module, loaded the first time; null when it cannot be loaded.
const PrintModule* LoadPrintModule();

// Shown (stop icon, caption "Lurimba") when the printing module cannot be loaded; UTF-8 here.
inline constexpr const char* kPrintModuleMissing =
    "\nNo se puede imprimir: falta el módulo de impresión de Lurimba (lurimba-print.so)."
    "\n\nVuelva a instalar el programa.\n";
