// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The letters of the selected word as buttons: a click marks the letter for
// "Ocultar letras marcadas", or takes its mark away. The buttons fill as many rows as the
// marker's width needs, so that a long word never widens the window.
#pragma once

#include <QList>
#include <QToolButton>
#include <QWidget>

class LetterMarker : public QWidget {
  Q_OBJECT
 public:
  explicit LetterMarker(QWidget* parent = nullptr);

  // The word as written, marks included (empty: no word selected).
  void ShowWord(const QString& rawWord);
  QList<QToolButton*> Buttons() const { return buttons_; }

 Q_SIGNALS:
  // The letter at `index` (marks not counted) was clicked.
  void LetterClicked(int index);

 private:
  QList<QToolButton*> buttons_;
};
