// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/fit_text.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace {

bool Fits(const QFont& font, const QString& text, int room) {
  return QFontMetrics(font).horizontalAdvance(text) <= room;
}

}  // namespace

int TextRoom(const QLabel& label) {
  const int indent = std::max(label.indent(), 0);
  return label.contentsRect().width() - 2 * label.margin() - indent;
}

void ShowFitted(QLabel& label, const QFont& font, const QString& text, FitRule rule) {
  const int room = TextRoom(label);
  QFont shown = font;
  if (!Fits(shown, text, room)) {
    // Sizes in pixels: the label's width is in pixels too.
    for (int size = QFontInfo(font).pixelSize() - 1; size >= rule.smallestPixelSize; --size) {
      shown.setPixelSize(size);
      if (Fits(shown, text, room))
        break;
    }
  }
  label.setFont(shown);
  const bool cut = rule.elide && !Fits(shown, text, room);
  label.setText(cut ? QFontMetrics(shown).elidedText(text, Qt::ElideRight, room) : text);
}
