// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game is laid out for 800x548; on a wider or taller window (a 16:9 screen
// scaled up) its controls stay together in the middle, while the background
// picture still covers the whole surface.
#pragma once

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QWidget>

class CentredSurface : public QObject {
 public:
  // Keeps every control of `surface` but those of `stretched` centred as a
  // block of `design` size. The controls' places now are their design places.
  CentredSurface(QWidget* surface, QSize design, const QList<QWidget*>& stretched);

  // Where the design's top-left corner is on the surface now.
  QPoint Offset() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();

  QWidget* surface_;
  QSize design_;
  QHash<QWidget*, QPoint> designPlaces_;
};
