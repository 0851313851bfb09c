// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Writes every player record of the results files as one CSV table (UTF-8, ";" separated, a
// header row). False, with the message to show, when a file cannot be read or written.
bool ExportResultsCsv(const QStringList& resultsFiles, const QString& csvPath, QString& message);
