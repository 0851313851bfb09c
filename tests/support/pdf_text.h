// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a PDF the tests printed says, read back with poppler's tools: its pages, its text and
// where each word of it stands.
#pragma once

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

inline QString ToolOutput(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPages(const QString& pdf) {
  return QRegularExpression(R"(Pages:\s+(\d+))")
      .match(ToolOutput("pdfinfo", {pdf}))
      .captured(1)
      .toInt();
}

// The text of the PDF (or of one page) with runs of spaces collapsed, as the columns of a
// proportional font come out, and every line started with "\n" and no space, so that "\n1 ("
// is row 1 and not 11.
inline QString PdfText(const QString& pdf, int page = 0) {
  QStringList args = {"-layout", "-enc", "UTF-8"};
  if (page > 0)
    args << "-f" << QString::number(page) << "-l" << QString::number(page);
  QString text = ToolOutput("pdftotext", args << pdf << "-");
  text.replace(QRegularExpression("[ \\t]+"), " ");
  text.replace(QRegularExpression("\n "), "\n");
  return "\n" + text;
}

struct PdfWord {
  int page;
  QString text;
  QRectF box;  // in points, from the page's top left corner
};

// Every word of the PDF, page by page, in the order pdftotext reads them.
inline std::vector<PdfWord> PdfWords(const QString& pdf) {
  const QString html = ToolOutput("pdftotext", {"-bbox", "-enc", "UTF-8", pdf, "-"});
  static const QRegularExpression token(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<PdfWord> words;
  int page = 0;
  for (auto it = token.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    if (match.captured(0).startsWith("<page")) {
      ++page;
      continue;
    }
    const QPointF topLeft(match.captured(1).toDouble(), match.captured(2).toDouble());
    const QPointF bottomRight(match.captured(3).toDouble(), match.captured(4).toDouble());
    QString text = match.captured(5);
    text.replace("&amp;", "&").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
    words.push_back({page, text, QRectF(topLeft, bottomRight)});
  }
  return words;
}
