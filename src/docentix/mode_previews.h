// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The selected word as the game shows it in each of its six hiding modes.
#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

#include "word_list_draft.h"

class ModePreviews : public QWidget {
 public:
  explicit ModePreviews(QWidget* parent = nullptr);

  void ShowEntry(const DraftEntry& entry);
  // The shown word of mode 1..6.
  QString Preview(int mode) const { return previews_.at(mode - 1)->text(); }

 private:
  QList<QLabel*> previews_;
};
