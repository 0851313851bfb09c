// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The chart of a pupil's sessions: for every session, in date order, a bar of the words
// solved beside a bar of the words failed, the dates under them, a legend above. Drawn
// with QPainter, the same on the screen and on a printed page.
#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

#include "progress.h"

class QPainter;

// Dark blue and light orange: they differ in lightness too, so that they stay apart on
// a grey printout and for a reader who tells red from green poorly.
inline const QColor kChartSolvedColour(30, 70, 160);
inline const QColor kChartFailedColour(245, 160, 110);

// Draws the chart of `pupil` inside `area`, in the painter's font.
void PaintProgressChart(QPainter& painter, const QRect& area, const PupilProgress& pupil);

class ProgressChart : public QWidget {
 public:
  using QWidget::QWidget;
  // The pupil drawn; nothing draws an empty chart.
  void SetPupil(std::optional<PupilProgress> pupil);
  const std::optional<PupilProgress>& Pupil() const { return pupil_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<PupilProgress> pupil_;
};
