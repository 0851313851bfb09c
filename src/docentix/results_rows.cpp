// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/results_rows.h"

#include <QDate>
#include <QFileInfo>
#include <array>

#include "platform/text.h"
#include "results_file.h"

namespace {

// The hiding modes in their number order, then the total: short, and as the game's
// menu names them.
constexpr std::array<const char*, kModeCount + 1> kModeTitles = {
    "Vocales", "Consonantes", "Prim./última", "Pocas letras", "Muchas letras", "Marcadas", "Total"};
constexpr std::array<const char*, kModeCount + 1> kModeOptions = {
    "Ocultar sólo vocales", "Ocultar sólo consonantes", "Todas, menos primera y última",
    "Ocultar pocas letras", "Ocultar muchas letras",    "Ocultar letras marcadas",
    "Todos los modos"};

QString StoredNumbers(int year, int month, int day) {
  return QString("%1/%2/%3").arg(day).arg(month).arg(year);
}

// The place of a count column among the seven of its side (0..5 the modes, 6 the total).
int SideIndex(int column) {
  return (column - kFirstCountColumn) % (kModeCount + 1);
}

}  // namespace

bool ReadResultsRows(const QString& path, std::vector<ResultsRow>& rows, QString& message) {
  std::string failure;
  const auto records = ReadResultsFile(path.toStdString(), failure);
  if (!records) {
    message = ToQt(failure);
    return false;
  }
  const QString fileName = QFileInfo(path).fileName();
  for (const PlayerRecord& record : *records)
    rows.push_back({fileName, record});
  return true;
}

QString ColumnTitle(int column) {
  switch (column) {
    case kFileColumn:
      return "Archivo";
    case kNameColumn:
      return "Nombre";
    case kThemeColumn:
      return "Tema";
    case kDateColumn:
      return "Fecha";
  }
  return QString(IsSolvedColumn(column) ? "Acertadas " : "Falladas ") + ModeTitle(column).toLower();
}

QString ModeTitle(int column) {
  return QString::fromUtf8(kModeTitles[SideIndex(column)]);
}

QString ModeOption(int column) {
  return QString::fromUtf8(kModeOptions[SideIndex(column)]);
}

bool IsSolvedColumn(int column) {
  return column >= kFirstCountColumn && column < kFirstCountColumn + kModeCount + 1;
}

bool IsTotalColumn(int column) {
  return column >= kFirstCountColumn && SideIndex(column) == kModeCount;
}

int CountAt(const PlayerRecord& record, int column) {
  const int index = SideIndex(column);
  if (IsSolvedColumn(column))
    return index < kModeCount ? record.solved[index] : record.solvedTotal;
  return index < kModeCount ? record.failed[index] : record.failedTotal;
}

QString ShownDate(int year, int month, int day) {
  if (!QDate::isValid(year, month, day))
    return StoredNumbers(year, month, day);
  return QDate(year, month, day).toString("dd/MM/yyyy");
}

QString ShownDate(const PlayerRecord& record) {
  return ShownDate(record.year, record.month, record.day);
}

QString CsvDate(int year, int month, int day) {
  if (!QDate::isValid(year, month, day))
    return StoredNumbers(year, month, day);
  return QDate(year, month, day).toString(Qt::ISODate);
}

QString CsvDate(const PlayerRecord& record) {
  return CsvDate(record.year, record.month, record.day);
}

qint64 DateKey(const PlayerRecord& record) {
  return qint64(record.year) * 10000 + record.month * 100 + record.day;
}
