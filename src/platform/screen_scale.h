// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game is drawn for an 800x600 screen. On a larger screen every window is
// scaled up as a whole, through Qt's own scale factor, so that text is drawn
// at the screen's resolution rather than magnified afterwards.
#pragma once

#include <QSize>

// The factor that makes a window of `window` pixels at its design size (the whole
// window, menu bar included) fill `available` (the screen less its panels) while
// keeping its proportions: never below 1, in steps of 0.05 so that the window never
// overflows the screen by a fraction of a pixel.
double ScaleFactorFor(QSize available, QSize window = {800, 600});

// Chooses the factor from the primary screen and sets it for the application
// object created next. Must run before that object exists; a factor the user
// set in QT_SCALE_FACTOR is kept. Returns the factor in force.
// `window` is the design size of the program's main window.
double ChooseScaleFactor(int& argc, char** argv, QSize window);

// Once the application object exists (it has read the factor and holds its own
// connection): keeps the factor chosen here from passing to the programs the
// game launches (help, browser) and closes the connection used to choose it.
void ReleaseScaleProbe();
