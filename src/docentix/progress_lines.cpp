// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/progress_lines.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

#include "platform/text.h"

std::vector<PupilProgress> PupilsOf(const std::vector<ResultsRow>& rows) {
  std::vector<PlayerRecord> records;
  records.reserve(rows.size());
  for (const ResultsRow& row : rows)
    records.push_back(row.record);
  std::vector<PupilProgress> pupils = PupilsProgress(records);
  QCollator collator{QLocale(QLocale::Spanish, QLocale::Spain)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(pupils.begin(), pupils.end(), [&](const auto& a, const auto& b) {
    return collator.compare(ToQt(a.name).trimmed(), ToQt(b.name).trimmed()) < 0;
  });
  return pupils;
}

std::array<ProgressLine, kModeCount + 1> ProgressLines(const PupilProgress& pupil) {
  std::array<ProgressLine, kModeCount + 1> lines;
  for (int index = 0; index <= kModeCount; ++index) {
    const WordCounts& words = index < kModeCount ? pupil.modes[index] : pupil.overall;
    lines[index] = {ModeOption(kFirstCountColumn + index), words, PercentSolved(words)};
  }
  return lines;
}

QString ProgressHeading(int column) {
  static const char* const kHeadings[kProgressColumnCount] = {"Modo de ocultar", "Acertadas",
                                                              "Falladas", "% acertadas"};
  return QString::fromUtf8(kHeadings[column]);
}

QString ProgressCell(const ProgressLine& line, int column) {
  switch (column) {
    case 0:
      return line.mode;
    case 1:
      return QString::number(line.words.solved);
    case 2:
      return QString::number(line.words.failed);
  }
  return line.percent ? QString("%1 %").arg(*line.percent) : QString::fromUtf8("—");
}

QString SessionDate(const ProgressSession& session) {
  return ShownDate(session.year, session.month, session.day);
}

QString SessionsSummary(const PupilProgress& pupil) {
  const auto& sessions = pupil.sessions;
  if (sessions.size() == 1)
    return QString::fromUtf8("1 sesión, el %1").arg(SessionDate(sessions.front()));
  return QString("%1 sesiones, del %2 al %3")
      .arg(sessions.size())
      .arg(SessionDate(sessions.front()), SessionDate(sessions.back()));
}
