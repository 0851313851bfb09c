// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws a cell of the word table with the words the dictionary does not know
// underlined with a red wavy line, as word processors do.
#pragma once

#include <QStyledItemDelegate>

class SpellChecker;

class SpellingDelegate : public QStyledItemDelegate {
 public:
  SpellingDelegate(const SpellChecker& spelling, QObject* parent)
      : QStyledItemDelegate(parent), spelling_(spelling) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const SpellChecker& spelling_;
};
