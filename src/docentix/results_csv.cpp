// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/results_csv.h"

#include <QFileInfo>

#include "platform/save_file.h"
#include "platform/text.h"
#include "results_file.h"

namespace {

// A field with the separator, a quote or a line break goes between quotes, its quotes
// doubled, so that a theme such as «Frutas; verduras» stays one cell.
QString Field(const QString& text) {
  if (!text.contains(';') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
    return text;
  QString quoted = text;
  quoted.replace('"', "\"\"");
  return '"' + quoted + '"';
}

QString Line(const QStringList& fields) {
  return fields.join(';') + "\r\n";
}

QString CellText(const ResultsRow& row, int column) {
  switch (column) {
    case kFileColumn:
      return row.fileName;
    case kNameColumn:
      return ToQt(row.record.name);
    case kThemeColumn:
      return ToQt(row.record.theme);
    case kDateColumn:
      return CsvDate(row.record);
  }
  return QString::number(CountAt(row.record, column));
}

}  // namespace

QByteArray ResultsCsv(const std::vector<ResultsRow>& rows) {
  QStringList titles;
  for (int column = 0; column < kResultsColumnCount; ++column)
    titles << Field(ColumnTitle(column));
  QString text = Line(titles);
  for (const ResultsRow& row : rows) {
    QStringList fields;
    for (int column = 0; column < kResultsColumnCount; ++column)
      fields << Field(CellText(row, column));
    text += Line(fields);
  }
  return "\xEF\xBB\xBF" + text.toUtf8();
}

bool SaveExport(const QByteArray& bytes, const QString& path, QString& message) {
  // Results are only ever added to, by the game: an export never takes a results file's place.
  std::string notResults;
  if (OpenResultsFile(path.toStdString(), notResults)) {
    message = QString("«%1» es un archivo de Resultados y no se sustituye por la tabla.")
                  .arg(QFileInfo(path).fileName());
    return false;
  }
  if (SaveWhole(path, bytes))
    return true;
  message = QString("No se ha podido guardar el archivo «%1».").arg(QFileInfo(path).fileName());
  return false;
}

bool SaveResultsCsv(const std::vector<ResultsRow>& rows, const QString& csvPath, QString& message) {
  return SaveExport(ResultsCsv(rows), csvPath, message);
}

bool ExportResultsCsv(const QStringList& resultsFiles, const QString& csvPath, QString& message) {
  std::vector<ResultsRow> rows;
  for (const QString& path : resultsFiles) {
    QString failure;
    if (!ReadResultsRows(path, rows, failure)) {
      message = QFileInfo(path).fileName() + ":\n" + failure;
      return false;
    }
  }
  return SaveResultsCsv(rows, csvPath, message);
}
