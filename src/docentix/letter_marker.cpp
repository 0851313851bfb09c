// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/letter_marker.h"

#include <QHBoxLayout>

#include "word_list_draft.h"

namespace {

// A marked letter looks like a hidden one in the game: dark, with a dot under it.
const char* const kLetterStyle =
    "QToolButton { font-size: 20pt; min-width: 34px; min-height: 44px; border: 1px solid #8a9;"
    " border-radius: 4px; background: #f4faf6; color: #003b3b; }"
    "QToolButton:checked { background: #005959; color: white; border-color: #003b3b; }"
    "QToolButton:disabled { background: transparent; border: none; }";

}  // namespace

LetterMarker::LetterMarker(QWidget* parent) : QWidget(parent), row_(new QHBoxLayout(this)) {
  row_->setContentsMargins(0, 0, 0, 0);
  row_->setSpacing(3);
  row_->addStretch();
}

void LetterMarker::ShowWord(const QString& rawWord) {
  qDeleteAll(buttons_);
  buttons_.clear();
  const std::vector<MarkedLetter> letters = MarkedLetters(rawWord.toStdString());
  for (int i = 0; i < static_cast<int>(letters.size()); ++i) {
    auto* button = new QToolButton(this);
    const QString letter = QString::fromStdString(letters[i].letter);
    button->setText(letter == "&" ? "&&" : letter);
    button->setCheckable(true);
    button->setChecked(letters[i].marked);
    button->setStyleSheet(kLetterStyle);
    button->setEnabled(letter != " ");
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(letters[i].marked
                           ? QStringLiteral("Marcada: se oculta. Pulse para quitar la marca.")
                           : QStringLiteral("Pulse para marcarla."));
    connect(button, &QToolButton::clicked, this, [this, i] { Q_EMIT LetterClicked(i); });
    row_->insertWidget(i, button);
    buttons_.append(button);
  }
}
