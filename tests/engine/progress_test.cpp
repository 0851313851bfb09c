// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each pupil's progress: pupils, totals by hiding mode, sessions by date, percentages.
#include "progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A game of `name` on day/month/year: solved and failed words in modes 1 and 4 only;
// its totals are the sums unless given (a counter that started again at 1).
PlayerRecord Game(const char* name, int year, int month, int day, int solved1, int failed1,
                  int solved4, int failed4, int solvedTotal = -1, int failedTotal = -1) {
  PlayerRecord record;
  record.name = name;
  record.year = year;
  record.month = month;
  record.day = day;
  record.solved[0] = solved1;
  record.failed[0] = failed1;
  record.solved[3] = solved4;
  record.failed[3] = failed4;
  record.solvedTotal = solvedTotal < 0 ? solved1 + solved4 : solvedTotal;
  record.failedTotal = failedTotal < 0 ? failed1 + failed4 : failedTotal;
  return record;
}

std::string Percent(const WordCounts& words) {
  const auto percent = PercentSolved(words);
  return percent ? std::to_string(*percent) + "%" : "-";
}

// "Ana: 1=3/1 75% 4=... 6=0/0 -; total 5/2 71%; 2001-3-5 x2 4/1, ..." for every pupil.
std::string Describe(const std::vector<PlayerRecord>& records) {
  std::ostringstream out;
  for (const PupilProgress& pupil : PupilsProgress(records)) {
    out << pupil.name << ":";
    for (int mode : {0, 3, 5})
      out << " " << mode + 1 << "=" << pupil.modes[mode].solved << "/" << pupil.modes[mode].failed
          << " " << Percent(pupil.modes[mode]);
    out << "; total " << pupil.overall.solved << "/" << pupil.overall.failed << " "
        << Percent(pupil.overall) << ";";
    for (const ProgressSession& s : pupil.sessions)
      out << " " << s.year << "-" << s.month << "-" << s.day << " x" << s.games << " "
          << s.words.solved << "/" << s.words.failed;
    out << "\n";
  }
  return out.str();
}

struct ProgressCase {
  const char* name;
  std::vector<PlayerRecord> records;
  const char* expected;
};

class Progress : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(Progress, GroupsAPupilsRecordsIntoTotalsAndSessions) {
  EXPECT_EQ(Describe(GetParam().records), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, Progress,
    ::testing::Values(
        // Two games on one date are one session; sessions go by date, not by file order.
        ProgressCase{"SessionsByDate",
                     {Game("Ana", 2001, 3, 12, 2, 0, 1, 1), Game("Ana", 2001, 3, 5, 1, 1, 0, 0),
                      Game("Ana", 2000, 11, 30, 0, 3, 0, 0), Game("Ana", 2001, 3, 5, 0, 0, 2, 0)},
                     "Ana: 1=3/4 43% 4=3/1 75% 6=0/0 -; total 6/5 55%; 2000-11-30 x1 0/3 "
                     "2001-3-5 x2 3/1 2001-3-12 x1 3/1\n"},
        // The same pupil in two files, written in other capitals and with spaces around;
        // the name is as first written. Totals are the records' own.
        ProgressCase{
            "SamePupilInTwoFiles",
            {Game("I\xF1igo", 2001, 3, 5, 1, 0, 0, 0), Game("Luis", 2001, 3, 5, 0, 1, 0, 0),
             Game(" I\xD1IGO ", 2001, 3, 6, 0, 0, 1, 0, 7, 0)},
            "I\xF1igo: 1=1/0 100% 4=1/0 100% 6=0/0 -; total 8/0 100%; 2001-3-5 x1 1/0 "
            "2001-3-6 x1 7/0\n"
            "Luis: 1=0/1 0% 4=0/0 - 6=0/0 -; total 0/1 0%; 2001-3-5 x1 0/1\n"},
        // A date no calendar has is a session of its own, in the order of its numbers;
        // a pupil who played nothing has no percentage.
        ProgressCase{"NoCalendarDateAndNoWords",
                     {Game("Eva", 2001, 0, 7, 1, 7, 0, 0), Game("Eva", 2001, 1, 7, 0, 0, 0, 0),
                      Game("Sol", 2001, 1, 7, 0, 0, 0, 0)},
                     "Eva: 1=1/7 13% 4=0/0 - 6=0/0 -; total 1/7 13%; 2001-0-7 x1 1/7 2001-1-7 x1 "
                     "0/0\n"
                     "Sol: 1=0/0 - 4=0/0 - 6=0/0 -; total 0/0 -; 2001-1-7 x1 0/0\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
