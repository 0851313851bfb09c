// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed progress of pupils: a page each, with their table and their chart.
#pragma once

#include <vector>

#include "progress.h"

class QPainter;
class QPrinter;

// Prints a page for every pupil, each on a new page of the job `painter` is painting;
// false when the printer refused a new page.
bool PrintProgressPages(QPrinter& printer, QPainter& painter,
                        const std::vector<PupilProgress>& pupils);
