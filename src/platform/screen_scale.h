// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game is drawn for an 800x600 screen. On a larger screen every window is
// scaled up as a whole, through Qt's own scale factor, so that text is drawn
// at the screen's resolution rather than magnified afterwards.
#pragma once

#include <QSize>

// The factor that makes an 800x600 design fill `available` (the screen less
// its panels) while keeping its proportions: never below 1, in steps of 0.05
// so that the game never overflows the screen by a fraction of a pixel.
double ScaleFactorFor(QSize available);

// Chooses the factor from the primary screen and sets it for the application
// object created next. Must run before that object exists; a factor the user
// set in QT_SCALE_FACTOR is kept. Returns the factor in force.
double ChooseScaleFactor(int& argc, char** argv);

// Once the application object exists (it has read the factor and holds its own
// connection): keeps the factor chosen here from passing to the programs the
// game launches (help, browser) and closes the connection used to choose it.
void ReleaseScaleProbe();
