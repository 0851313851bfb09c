// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// When the game is scaled, a screen reader or a magnifier must still be told
// where each control really is on the screen. Debian's Qt hands the AT-SPI bus
// the controls' places in Qt's own unscaled pixels, so a magnifier following the
// focus would look beside the control; this puts every place in screen pixels.
#pragma once

class QRect;
class QWidget;

// The place of `widget` on the screen in the screen's own pixels.
QRect ScreenPixelRect(const QWidget* widget);

// Makes every control report its place in screen pixels. Call once, after the
// application object exists and after every other accessibility factory; does
// nothing when the windows are not scaled.
void InstallScreenPixelExtents();
