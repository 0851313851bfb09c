// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window "without title-bar buttons" has a dialog frame with its caption only:
// it asks for no close, minimise or maximise box. Some window managers draw a
// close box all the same, so a close request on such a window (that box, Alt+F4)
// presses the window's own way out as a click does: its cancel button where Esc
// presses it, its only or default button otherwise. While the window has no way
// out of its own (the button hidden), the request is refused.
#pragma once

#include <QWidget>

inline constexpr Qt::WindowFlags kNoTitleBarButtons =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Setting a window's flags again replaces these: call it after the window's
// set-up from its .ui, and set no flags after it.
inline void RemoveTitleBarButtons(QWidget& window) {
  window.setWindowFlags(kNoTitleBarButtons);
}
