// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help topic of a window: F1 anywhere in a window that names one opens that topic,
// and the window stays open and in use. The program's F1 handler reads it.
#pragma once

#include <QVariant>
#include <QWidget>

inline constexpr char kHelpContextProperty[] = "lurimbaHelpContext";

inline void SetWindowHelpContext(QWidget& window, int context) {
  window.setProperty(kHelpContextProperty, context);
}

// The topic of the window that holds `widget`; 0 when that window names none.
inline int WindowHelpContext(const QWidget* widget) {
  return widget ? widget->window()->property(kHelpContextProperty).toInt() : 0;
}
