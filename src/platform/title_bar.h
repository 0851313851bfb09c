// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window "without title-bar buttons" has a dialog frame with its caption only.
// It refuses the window manager's close requests, so it must not offer a close
// box, nor minimise or maximise ones.
#pragma once

#include <QWidget>

inline constexpr Qt::WindowFlags kNoTitleBarButtons =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Setting a window's flags again replaces these: call it after the window's
// set-up from its .ui, and set no flags after it.
inline void RemoveTitleBarButtons(QWidget& window) {
  window.setWindowFlags(kNoTitleBarButtons);
}
