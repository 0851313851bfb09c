// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text too wide for its label is drawn smaller so that a child sees all of it;
// text that fits keeps the label's own font.
#pragma once

#include <QFont>
#include <QString>

class QLabel;

struct FitRule {
  int smallestPixelSize;  // the smallest size still read comfortably from a classroom desk
  bool elide;             // still too wide at that size: cut at the end with "…"
};

// Shows `text` in `label` with `font`, or with the largest smaller size at
// which it fits the label's width (not below the rule's smallest size).
void ShowFitted(QLabel& label, const QFont& font, const QString& text, FitRule rule);

// The width the label gives its text.
int TextRoom(const QLabel& label);
