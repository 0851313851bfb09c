// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/progress_print.h"

#include <QPainter>
#include <QPrinter>

#include "docentix/progress_chart.h"
#include "docentix/progress_lines.h"
#include "platform/text.h"

namespace {

// "Progreso de <name>" and the dates of the sessions, the table, and the chart below.
void ProgressPage(QPainter& painter, const QRect& page, const PupilProgress& pupil) {
  QFont title("Arial");
  title.setPointSize(12);
  title.setUnderline(true);
  QFont text("Arial");
  text.setPointSize(10);
  painter.setPen(Qt::black);
  painter.setFont(title);
  int y = page.top() + painter.fontMetrics().ascent();
  painter.drawText(page.left(), y, "Progreso de " + ToQt(pupil.name));
  y += painter.fontMetrics().descent();
  painter.setFont(text);
  const QFontMetrics metrics = painter.fontMetrics();
  const int row = metrics.height() * 13 / 10;
  y += row;
  painter.drawText(page.left(), y, SessionsSummary(pupil));
  y += 2 * row;

  // Mode names from the left; the numbers end at the right of their columns.
  const int ends[kProgressColumnCount] = {0, page.width() * 50 / 100, page.width() * 65 / 100,
                                          page.width() * 80 / 100};
  const auto lines = ProgressLines(pupil);
  for (int line = -1; line <= kModeCount; ++line) {
    QFont font = text;
    font.setBold(line < 0 || line == kModeCount);
    painter.setFont(font);
    for (int column = 0; column < kProgressColumnCount; ++column) {
      const QString cell = line < 0 ? ProgressHeading(column) : ProgressCell(lines[line], column);
      const int x =
          column == 0 ? page.left()
                      : page.left() + ends[column] - painter.fontMetrics().horizontalAdvance(cell);
      painter.drawText(x, y, cell);
    }
    if (line < 0 || line == kModeCount - 1)
      painter.drawLine(page.left(), y + metrics.descent(), page.left() + ends[3],
                       y + metrics.descent());
    y += row;
  }
  painter.setFont(text);
  PaintProgressChart(painter, QRect(page.left(), y + row, page.width(), page.bottom() - y - row),
                     pupil);
}

}  // namespace

bool PrintProgressPages(QPrinter& printer, QPainter& painter,
                        const std::vector<PupilProgress>& pupils) {
  const QRect page(0, 0, printer.width(), printer.height());
  for (const PupilProgress& pupil : pupils) {
    if (!printer.newPage())
      return false;
    ProgressPage(painter, page, pupil);
  }
  return true;
}
