// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/centred_surface.h"

#include <QEvent>
#include <algorithm>

CentredSurface::CentredSurface(QWidget* surface, QSize design, const QList<QWidget*>& stretched)
    : QObject(surface), surface_(surface), design_(design) {
  for (QWidget* control : surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!stretched.contains(control))
      designPlaces_.insert(control, control->pos());
  }
  surface->installEventFilter(this);
  Place();
}

QPoint CentredSurface::Offset() const {
  return {std::max(0, (surface_->width() - design_.width()) / 2),
          std::max(0, (surface_->height() - design_.height()) / 2)};
}

bool CentredSurface::eventFilter(QObject* watched, QEvent* event) {
  if (watched == surface_ && event->type() == QEvent::Resize)
    Place();
  return QObject::eventFilter(watched, event);
}

void CentredSurface::Place() {
  const QPoint offset = Offset();
  for (auto place = designPlaces_.cbegin(); place != designPlaces_.cend(); ++place)
    place.key()->move(place.value() + offset);
}
