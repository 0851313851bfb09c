// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printing module (lurimba-print.so): the only part of the game that links the printing
// system.
#include <QPrintDialog>
#include <QPrinter>

#include "platform/printing.h"
#include "results/results_report.h"

namespace {

QPrinter* NewPrinter() {
  return new QPrinter(QPrinter::HighResolution);
}

bool AskPrinter(QPrinter& printer, QWidget* owner) {
  QPrintDialog dialog(&printer, owner);
  return dialog.exec() == QDialog::Accepted;
}

ReportEnd PrintReport(QPrinter& printer, ResultsReader& reader, Dialogs& dialogs) {
  return PrintResultsReport(printer, reader, dialogs);
}

constexpr PrintModule kModule = {NewPrinter, AskPrinter, PrintReport};

}  // namespace

extern "C" Q_DECL_EXPORT const PrintModule* lurimba_print_module() {
  return &kModule;
}
