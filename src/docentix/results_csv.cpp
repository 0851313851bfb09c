// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/results_csv.h"

bool ExportResultsCsv(const QStringList&, const QString&, QString& message) {
  message = QStringLiteral("La exportación de resultados aún no está disponible.");
  return false;
}
