// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/soft_backing.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace {

// Black at 60 %: white or yellow text on it, over a white picture, still has a
// contrast of more than 5 to 1.
const QColor kPanel(0, 0, 0, 153);
constexpr int kPadding = 4;
constexpr qreal kCorner = 6;

QRect PanelRect(const QWidget* widget) {
  const auto* label = qobject_cast<const QLabel*>(widget);
  if (!label)
    return widget->rect();
  if (label->text().isEmpty())
    return {};
  const QRect text = label->style()->itemTextRect(label->fontMetrics(), label->contentsRect(),
                                                  int(label->alignment()), true, label->text());
  return text.adjusted(-kPadding, -1, kPadding, 1) & label->rect();
}

class SoftBacking : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      auto* widget = static_cast<QWidget*>(watched);
      const QRect panel = PanelRect(widget);
      if (!panel.isEmpty()) {
        QPainter painter(widget);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPanel);
        painter.drawRoundedRect(QRectF(panel), kCorner, kCorner);
      }
    }
    return false;  // the widget paints itself over the panel
  }
};

}  // namespace

void InstallSoftBacking(QWidget* widget) {
  widget->installEventFilter(new SoftBacking(widget));
}
