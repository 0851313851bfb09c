// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws a cell of the word table with the words the dictionary does not know
// underlined with a red wavy line, as word processors do.
#pragma once

#include <QStyledItemDelegate>
#include <optional>

#include "docentix/spell_checker.h"

class QAbstractItemView;

class SpellingDelegate : public QStyledItemDelegate {
 public:
  SpellingDelegate(const SpellChecker& spelling, QObject* parent)
      : QStyledItemDelegate(parent), spelling_(spelling) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

  // The underlined word of the cell at `at` (a point of the view's viewport): the one under
  // that point, else the cell's first; none when the cell has no underlined word.
  std::optional<SpellChecker::Range> UnknownWordAt(const QAbstractItemView& view,
                                                   const QPoint& at) const;

 private:
  struct Underline {
    SpellChecker::Range range;
    int from;  // x where its word starts and ends
    int to;
  };
  // The underlines of a cell, and the rectangle of its text.
  QList<Underline> Underlines(const QStyleOptionViewItem& option, const QModelIndex& index,
                              QRect* textRect) const;

  const SpellChecker& spelling_;
};
