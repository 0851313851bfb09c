// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each pupil's progress as the companion shows, prints and exports it: the pupils of the
// rows in Spanish alphabetical order, and one line per hiding mode and one for them all.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "docentix/results_rows.h"
#include "progress.h"

// The pupils of `rows`, by name in Spanish alphabetical order.
std::vector<PupilProgress> PupilsOf(const std::vector<ResultsRow>& rows);

struct ProgressLine {
  QString mode;  // "Ocultar sólo vocales" ... "Todos los modos"
  WordCounts words;
  std::optional<int> percent;
};
// The six hiding modes in their number order, then all of them.
std::array<ProgressLine, kModeCount + 1> ProgressLines(const PupilProgress& pupil);

// The headings of the progress table: mode, solved, failed, percentage.
inline constexpr int kProgressColumnCount = 4;
QString ProgressHeading(int column);
// A line's cell as the table shows it ("75 %", "—" when no word was played).
QString ProgressCell(const ProgressLine& line, int column);

// "05/03/2001" (see ShownDate).
QString SessionDate(const ProgressSession& session);
// "3 sesiones, del 05/03/2001 al 12/04/2001", "1 sesión, el 05/03/2001".
QString SessionsSummary(const PupilProgress& pupil);
