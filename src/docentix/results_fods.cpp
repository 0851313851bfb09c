// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/results_fods.h"

#include <QDate>
#include <QStringList>

#include "docentix/progress_lines.h"
#include "docentix/results_csv.h"
#include "platform/text.h"

namespace {

// The styles the cells name: bold headings, on several lines where they are long, dates as a
// Spanish reader writes them, whole percentages, and columns wide enough for names and themes.
constexpr const char* kHead =
    R"(<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<number:date-style style:name="N1"><number:day number:style="long"/><number:text>/</number:text><number:month number:style="long"/><number:text>/</number:text><number:year number:style="long"/></number:date-style>
<number:percentage-style style:name="N2"><number:number number:decimal-places="0" number:min-integer-digits="1"/><number:text>%</number:text></number:percentage-style>
<style:style style:name="ce1" style:family="table-cell"><style:table-cell-properties fo:wrap-option="wrap" style:vertical-align="bottom"/><style:text-properties fo:font-weight="bold"/></style:style>
<style:style style:name="ce2" style:family="table-cell" style:data-style-name="N1"/>
<style:style style:name="ce3" style:family="table-cell" style:data-style-name="N2"/>
<style:style style:name="co1" style:family="table-column"><style:table-column-properties style:column-width="5.4cm"/></style:style>
<style:style style:name="co2" style:family="table-column"><style:table-column-properties style:column-width="2.6cm"/></style:style>
</office:automatic-styles>
<office:body>
<office:spreadsheet>
)";
constexpr const char* kTail = "</office:spreadsheet>\n</office:body>\n</office:document>\n";

// Text for XML: the five marked characters escaped, control characters (which XML cannot
// hold) left out.
QString Escaped(const QString& text) {
  QString out;
  for (QChar c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else if (c.unicode() >= 0x20 || c == '\t')
      out += c;
  }
  return out;
}

class Sheet {
 public:
  // `wide` columns first (text), then the narrow ones (numbers and dates).
  Sheet(QString& xml, const QString& name, int wide, const QStringList& headings) : xml_(xml) {
    xml_ += QString("<table:table table:name=\"%1\">\n").arg(Escaped(name));
    xml_ += QString(
                "<table:table-column table:style-name=\"co1\" "
                "table:number-columns-repeated=\"%1\"/>\n")
                .arg(wide);
    xml_ += QString(
                "<table:table-column table:style-name=\"co2\" "
                "table:number-columns-repeated=\"%1\"/>\n")
                .arg(headings.size() - wide);
    Row();
    for (const QString& heading : headings)
      Cell("string", {}, heading, "ce1");
  }
  ~Sheet() { xml_ += "</table:table-row>\n</table:table>\n"; }

  void Row() {
    if (rows_++ > 0)
      xml_ += "</table:table-row>\n";
    xml_ += "<table:table-row>";
  }
  void Text(const QString& text) { Cell("string", {}, text); }
  void Number(long long value) {
    Cell("float", QString("office:value=\"%1\"").arg(value), QString::number(value));
  }
  void Percent(std::optional<int> percent) {
    if (!percent)
      xml_ += "<table:table-cell/>";
    else
      Cell("percentage", QString("office:value=\"%1\"").arg(*percent / 100.0),
           QString("%1%").arg(*percent), "ce3");
  }
  // A date no calendar has stays text, as stored.
  void Date(int year, int month, int day) {
    if (!QDate::isValid(year, month, day) || year < 1 || year > 9999)
      return Text(ShownDate(year, month, day));
    Cell("date", QString("office:date-value=\"%1\"").arg(CsvDate(year, month, day)),
         ShownDate(year, month, day), "ce2");
  }

 private:
  void Cell(const char* type, const QString& value, const QString& shown,
            const char* style = nullptr) {
    xml_ += QString("<table:table-cell office:value-type=\"%1\"").arg(type);
    if (style)
      xml_ += QString(" table:style-name=\"%1\"").arg(style);
    if (!value.isEmpty())
      xml_ += ' ' + value;
    xml_ += "><text:p>" + Escaped(shown) + "</text:p></table:table-cell>";
  }

  QString& xml_;
  int rows_ = 0;
};

}  // namespace

QByteArray ResultsFods(const std::vector<ResultsRow>& rows) {
  QString xml = kHead;
  {
    QStringList headings;
    for (int column = 0; column < kResultsColumnCount; ++column)
      headings << ColumnTitle(column);
    Sheet sheet(xml, "Resultados", kDateColumn, headings);
    for (const ResultsRow& row : rows) {
      sheet.Row();
      sheet.Text(row.fileName);
      sheet.Text(ToQt(row.record.name));
      sheet.Text(ToQt(row.record.theme));
      sheet.Date(row.record.year, row.record.month, row.record.day);
      for (int column = kFirstCountColumn; column < kResultsColumnCount; ++column)
        sheet.Number(CountAt(row.record, column));
    }
  }
  const std::vector<PupilProgress> pupils = PupilsOf(rows);
  {
    QStringList headings{"Nombre"};
    for (int column = 0; column < kProgressColumnCount; ++column)
      headings << ProgressHeading(column);
    Sheet sheet(xml, "Progreso", 2, headings);
    for (const PupilProgress& pupil : pupils) {
      for (const ProgressLine& line : ProgressLines(pupil)) {
        sheet.Row();
        sheet.Text(ToQt(pupil.name));
        sheet.Text(line.mode);
        sheet.Number(line.words.solved);
        sheet.Number(line.words.failed);
        sheet.Percent(line.percent);
      }
    }
  }
  {
    Sheet sheet(xml, "Sesiones", 1, {"Nombre", "Fecha", "Partidas", "Acertadas", "Falladas"});
    for (const PupilProgress& pupil : pupils) {
      for (const ProgressSession& session : pupil.sessions) {
        sheet.Row();
        sheet.Text(ToQt(pupil.name));
        sheet.Date(session.year, session.month, session.day);
        sheet.Number(session.games);
        sheet.Number(session.words.solved);
        sheet.Number(session.words.failed);
      }
    }
  }
  xml += kTail;
  return xml.toUtf8();
}

bool SaveResultsFods(const std::vector<ResultsRow>& rows, const QString& path, QString& message) {
  return SaveExport(ResultsFods(rows), path, message);
}
