// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A soft dark panel drawn behind a text that stands on the window's background,
// so that the hint, the clock and the counters' captions stay readable over any
// picture or texture a teacher chooses, light or dark.
#pragma once

class QWidget;

// Draws the panel behind `widget` whenever it paints: behind a label's text
// only, behind the whole of any other widget. The widget keeps its own look.
void InstallSoftBacking(QWidget* widget);
