// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/spelling_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>

QList<SpellingDelegate::Underline> SpellingDelegate::Underlines(const QStyleOptionViewItem& option,
                                                                const QModelIndex& index,
                                                                QRect* textRect) const {
  const QString text = index.data(Qt::DisplayRole).toString();
  QList<Underline> underlines;
  const QList<SpellChecker::Range> unknown = spelling_.UnknownWords(text);
  if (unknown.isEmpty())
    return underlines;
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QStyle* style = cell.widget ? cell.widget->style() : QApplication::style();
  *textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, cell.widget);
  // The text starts after the style's margin.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
  const QFontMetrics metrics(cell.font);
  for (const SpellChecker::Range& range : unknown) {
    const int from = textRect->left() + margin + metrics.horizontalAdvance(text.left(range.start));
    underlines.append(
        {range, from, from + metrics.horizontalAdvance(text.mid(range.start, range.length))});
  }
  return underlines;
}

void SpellingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  QRect textRect;
  const QList<Underline> underlines = Underlines(option, index, &textRect);
  if (underlines.isEmpty())
    return;
  // Under the text, which sits centred in the cell.
  const QFontMetrics metrics(option.font);
  const int baseline =
      textRect.top() + (textRect.height() - metrics.height()) / 2 + metrics.ascent() + 2;
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(QPen(QColor(220, 0, 0), 1.2));
  painter->setClipRect(textRect);
  for (const Underline& underline : underlines) {
    QPainterPath wave(QPointF(underline.from, baseline));
    for (int x = underline.from, step = 0; x < underline.to; x += 2, ++step)
      wave.lineTo(x + 2, baseline + (step % 2 ? 0 : 2));
    painter->drawPath(wave);
  }
  painter->restore();
}

std::optional<SpellChecker::Range> SpellingDelegate::UnknownWordAt(const QAbstractItemView& view,
                                                                   const QPoint& at) const {
  const QModelIndex index = view.indexAt(at);
  if (!index.isValid())
    return std::nullopt;
  QStyleOptionViewItem option;
  option.initFrom(&view);
  option.rect = view.visualRect(index);
  option.widget = &view;
  QRect textRect;
  const QList<Underline> underlines = Underlines(option, index, &textRect);
  if (underlines.isEmpty())
    return std::nullopt;
  for (const Underline& underline : underlines) {
    if (at.x() >= underline.from && at.x() < underline.to)
      return underline.range;
  }
  return underlines.first().range;
}
