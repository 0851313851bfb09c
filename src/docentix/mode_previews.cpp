// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/mode_previews.h"

#include <QGridLayout>

#include "game_state.h"
#include "platform/text.h"

namespace {

// The modes as the game's menu names them, in the menu's order.
struct ModeName {
  int mode;
  const char* caption;
};
const ModeName kModes[] = {{kHideFewLetters, "Ocultar al azar, pocas letras"},
                           {kHideManyLetters, "Ocultar al azar, muchas letras"},
                           {kHideVowels, "Ocultar sólo vocales"},
                           {kHideConsonants, "Ocultar sólo consonantes"},
                           {kHideAllButEnds, "Ocultar todas, menos la primera y última"},
                           {kHideMarked, "Ocultar letras marcadas"}};

}  // namespace

// A long word's preview goes on over more lines, breaking between letters: the six are as long
// and in a type where every character is as wide, so their letters stay in the same columns.
// The captions go on over two lines where the panel is narrow.
ModePreviews::ModePreviews(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  for (int mode = 1; mode <= kModeCount; ++mode)
    previews_.append(nullptr);
  int row = 0;
  for (const ModeName& name : kModes) {
    auto* caption = new QLabel(QString::fromUtf8(name.caption), this);
    auto* preview = new QLabel(this);
    // The game's word colour on a light panel, in a type where "." and letters align.
    preview->setStyleSheet(
        "QLabel { font-family: 'Liberation Mono'; font-size: 16pt; font-weight: bold;"
        " color: #005959; background: #eef6f3; border-radius: 4px; padding: 2px 8px; }");
    preview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    caption->setWordWrap(true);
    preview->setWordWrap(true);
    grid->addWidget(caption, row, 0);
    grid->addWidget(preview, row, 1);
    previews_[name.mode - 1] = preview;
    ++row;
  }
  grid->setColumnStretch(1, 1);
}

void ModePreviews::ShowEntry(const DraftEntry& entry) {
  for (int mode = 1; mode <= kModeCount; ++mode) {
    const QString shown = entry.word.empty() ? QString() : ToQt(PreviewWord(entry, mode));
    previews_[mode - 1]->setText(shown.trimmed());
  }
}
