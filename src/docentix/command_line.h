// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Docentix without windows, for scripts and for checking a school's shared folder:
//   docentix --check LISTA.lma...
//   docentix --import palabras.txt --theme "Tema" -o lista.lma
//   docentix --export-csv resultados.rlm... -o resultados.csv
#pragma once

#include <QStringList>
#include <QTextStream>

// Runs the command; what a script reads goes to `out`, every complaint to `err`.
// Returns the exit status: 0 when everything went well, 1 else.
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);
