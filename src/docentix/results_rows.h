// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The player records of results files as the companion shows, exports and prints
// them: one row per record, with the columns the table and the CSV file share.
#pragma once

#include <QString>
#include <vector>

#include "players.h"

struct ResultsRow {
  QString fileName;  // name and extension of the file the record is in
  PlayerRecord record;
};

// Appends every record of the results file at `path` to `rows`, reading the file
// only. False, with the game's message for the file in `message` and `rows` as it
// was, when the file cannot be read or is not a results file.
bool ReadResultsRows(const QString& path, std::vector<ResultsRow>& rows, QString& message);

// The columns: the file, the player's name, theme and date, then the words solved in
// each hiding mode (1 to 6, as in the printed report) and in total, then the failed ones.
enum ResultsColumn { kFileColumn, kNameColumn, kThemeColumn, kDateColumn, kFirstCountColumn };
inline constexpr int kCountColumns = 2 * (kModeCount + 1);
inline constexpr int kResultsColumnCount = kFirstCountColumn + kCountColumns;

// "Nombre", "Acertadas vocales", "Falladas pocas letras" ... (the CSV header).
QString ColumnTitle(int column);
// For a count column: its hiding mode as the table heads it ("Vocales", "Pocas letras",
// "Total") and as the game's menu names it ("Ocultar pocas letras").
QString ModeTitle(int column);
QString ModeOption(int column);
bool IsSolvedColumn(int column);
bool IsTotalColumn(int column);
// The counter shown in a count column.
int CountAt(const PlayerRecord& record, int column);

// "05/03/2001"; a date no calendar has keeps its numbers as stored ("5/0/2001").
QString ShownDate(int year, int month, int day);
QString ShownDate(const PlayerRecord& record);
// "2001-03-05", which a spreadsheet reads as a date; a date no calendar has as ShownDate.
QString CsvDate(int year, int month, int day);
QString CsvDate(const PlayerRecord& record);
// Orders records by year, month and day.
qint64 DateKey(const PlayerRecord& record);
