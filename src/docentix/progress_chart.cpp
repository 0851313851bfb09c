// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/progress_chart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "docentix/progress_lines.h"

namespace {

// A step of 1, 2 or 5 times a power of ten that splits 0..top into at most five steps.
long long AxisStep(long long top) {
  long long step = 1;
  for (;;) {
    for (long long factor : {1, 2, 5})
      if (step * factor * 5 >= top)
        return step * factor;
    step *= 10;
  }
}

void LegendEntry(QPainter& painter, QPoint& at, const QColor& colour, const QString& text) {
  const QFontMetrics metrics = painter.fontMetrics();
  const int box = metrics.ascent();
  painter.fillRect(QRect(at.x(), at.y() + (metrics.height() - box) / 2, box, box), colour);
  painter.setPen(Qt::black);
  painter.drawRect(QRect(at.x(), at.y() + (metrics.height() - box) / 2, box, box));
  at.rx() += box + metrics.averageCharWidth();
  painter.drawText(at.x(), at.y() + metrics.ascent(), text);
  at.rx() += metrics.horizontalAdvance(text) + 3 * metrics.averageCharWidth();
}

}  // namespace

void PaintProgressChart(QPainter& painter, const QRect& area, const PupilProgress& pupil) {
  painter.save();
  const QFontMetrics metrics = painter.fontMetrics();
  const int line = metrics.height();
  const int gap = metrics.averageCharWidth();
  const QString solvedText = "Acertadas", failedText = "Falladas";

  // The title on the left, the legend on the right of the first line.
  painter.setPen(Qt::black);
  painter.drawText(area.left(), area.top() + metrics.ascent(), "Palabras por sesión");
  QPoint legend(area.right() - (metrics.horizontalAdvance(solvedText + failedText) +
                                2 * metrics.ascent() + 6 * gap),
                area.top());
  LegendEntry(painter, legend, kChartSolvedColour, solvedText);
  LegendEntry(painter, legend, kChartFailedColour, failedText);

  long long most = 1;
  for (const ProgressSession& session : pupil.sessions)
    most = std::max({most, session.words.solved, session.words.failed});
  const long long step = AxisStep(most);
  const long long top = (most + step - 1) / step * step;

  const int axisWidth = metrics.horizontalAdvance(QString::number(top)) + gap;
  const QRect plot(area.left() + axisWidth + gap, area.top() + 2 * line,
                   area.width() - axisWidth - 2 * gap, area.height() - 4 * line);
  if (plot.width() < 10 || plot.height() < 10) {
    painter.restore();
    return;
  }
  const auto yOf = [&](long long value) {
    return plot.bottom() - int(double(value) / double(top) * plot.height());
  };

  // The scale: a light line at every step, its number on the left.
  for (long long value = 0; value <= top; value += step) {
    const int y = yOf(value);
    painter.setPen(value == 0 ? QColor(Qt::black) : QColor(210, 210, 210));
    painter.drawLine(plot.left(), y, plot.right(), y);
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left(), y - line / 2, axisWidth, line),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
  }
  painter.drawLine(plot.bottomLeft(), plot.topLeft());

  // One slot per session; its two bars fill most of it. Dates that would overlap are
  // written for every second, third ... session only.
  const int count = int(pupil.sessions.size());
  const double slot = double(plot.width()) / std::max(count, 1);
  const int dateWidth = metrics.horizontalAdvance("00/00/0000") + 2 * gap;
  const int every = std::max(1, int(std::ceil(dateWidth / slot)));
  const int bar = std::max(1, int(slot * 0.36));
  const bool numbers = metrics.horizontalAdvance(QString::number(most)) <= bar + gap;
  for (int index = 0; index < count; ++index) {
    const ProgressSession& session = pupil.sessions[index];
    const int middle = plot.left() + int(slot * (index + 0.5));
    const std::pair<long long, QColor> bars[] = {{session.words.solved, kChartSolvedColour},
                                                 {session.words.failed, kChartFailedColour}};
    for (int side = 0; side < 2; ++side) {
      const QRect shape(side == 0 ? middle - bar : middle, yOf(bars[side].first), bar,
                        plot.bottom() - yOf(bars[side].first));
      painter.fillRect(shape, bars[side].second);
      if (numbers && bars[side].first > 0)
        painter.drawText(QRect(shape.left() - gap, shape.top() - line, bar + 2 * gap, line),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(bars[side].first));
    }
    if (index % every == 0)
      painter.drawText(QRect(middle - dateWidth / 2, plot.bottom() + 2, dateWidth, line),
                       Qt::AlignCenter, SessionDate(session));
  }
  painter.drawText(QRect(plot.left(), plot.bottom() + line + 2, plot.width(), line),
                   Qt::AlignCenter, "Fecha de la sesión");
  painter.restore();
}

void ProgressChart::SetPupil(std::optional<PupilProgress> pupil) {
  pupil_ = std::move(pupil);
  update();
}

void ProgressChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (pupil_)
    PaintProgressChart(painter, rect().adjusted(8, 8, -8, -8), *pupil_);
}
