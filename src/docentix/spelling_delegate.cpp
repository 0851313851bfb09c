// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/spelling_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include "docentix/spell_checker.h"

void SpellingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QString text = index.data(Qt::DisplayRole).toString();
  const QList<SpellChecker::Range> unknown = spelling_.UnknownWords(text);
  if (unknown.isEmpty())
    return;
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
  const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, cell.widget);
  // The text starts after the style's margin and sits centred in the cell.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
  const QFontMetrics metrics(cell.font);
  const int baseline =
      textRect.top() + (textRect.height() - metrics.height()) / 2 + metrics.ascent() + 2;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(QColor(220, 0, 0), 1.2));
  painter->setClipRect(textRect);
  for (const SpellChecker::Range& range : unknown) {
    const int from = textRect.left() + margin + metrics.horizontalAdvance(text.left(range.start));
    const int to = from + metrics.horizontalAdvance(text.mid(range.start, range.length));
    QPainterPath wave(QPointF(from, baseline));
    for (int x = from, step = 0; x < to; x += 2, ++step)
      wave.lineTo(x + 2, baseline + (step % 2 ? 0 : 2));
    painter->drawPath(wave);
  }
  painter->restore();
}
