// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting a new game with the names typed in the players window.
#include "player_entry.h"

#include <gtest/gtest.h>

#include <cctype>
#include <vector>

namespace {

struct NameCase {
  const char* description;
  std::array<std::string, 10> names;
  std::string group;
  std::vector<std::string> players;
  std::string groupName;
};

const LocalDate kToday{2026, 6, 12};

}  // namespace

class StartGroupTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(StartGroupTest, StoresNamesWithoutGaps) {
  const NameCase& c = GetParam();
  PlayerTable players;
  players.currentPlayer = 1;
  players.records[3].name = "OLD";
  players.records[3].solvedTotal = 40;
  players.records[0].failed[2] = 9;
  players.scores[0].points = 77;
  players.scores[4].points = -12;
  StartGroup(players, c.names, c.group, kToday);

  ASSERT_EQ(players.playerCount, static_cast<int>(c.players.size()));
  EXPECT_EQ(players.currentPlayer, 1);
  for (int i = 0; i < kMaxPlayers; ++i) {
    const std::string expected = i < static_cast<int>(c.players.size()) ? c.players[i] : "";
    EXPECT_EQ(players.records[i].name, expected) << i;
    EXPECT_EQ(players.scores[i + 1].name, expected) << i;
    EXPECT_EQ(players.scores[i + 1].points, 0);
    const PlayerRecord& record = players.records[i];
    EXPECT_EQ(record.theme, "");
    EXPECT_EQ(record.year, 2026);
    EXPECT_EQ(record.day, 6);
    EXPECT_EQ(record.month, 12);
    EXPECT_EQ(record.solvedTotal + record.failedTotal, 0);
    for (int mode = 0; mode < kModeCount; ++mode) {
      EXPECT_EQ(record.solved[mode] + record.failed[mode], 0);
    }
  }
  EXPECT_EQ(players.scores[0].name, c.groupName);
  EXPECT_EQ(players.scores[0].points, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Names, StartGroupTest,
    ::testing::Values(NameCase{"nothing typed", {}, "", {"Sin nombre"}, "Grupo sin nombre"},
                      NameCase{"only blanks and a tab",
                               {"   ", "\t", " \t "},
                               "  ",
                               {"Sin nombre"},
                               "Grupo sin nombre"},
                      NameCase{"fields 2 and 5",
                               {"", "ANA", "", "", "LUIS"},
                               "LOS LINCES",
                               {"ANA", "LUIS"},
                               "LOS LINCES"},
                      NameCase{"one name in field 7",
                               {"", "", "", "", "", "", " PEPA "},
                               "CLASE 2B",
                               {"PEPA"},
                               "CLASE 2B"},
                      NameCase{"names repeat and keep their case",
                               {"Ana", "ANA", "ana"},
                               "",
                               {"Ana", "ANA", "ana"},
                               "Grupo sin nombre"},
                      NameCase{"a full 19-character name",
                               {"ABCDEFGHIJKLMNOPQRS"},
                               "",
                               {"ABCDEFGHIJKLMNOPQRS"},
                               "Grupo sin nombre"},
                      NameCase{"ten players",
                               {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
                               "TODOS",
                               {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
                               "TODOS"}),
    [](const ::testing::TestParamInfo<NameCase>& info) {
      std::string name = info.param.description;
      for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)))
          ch = '_';
      }
      return name;
    });

TEST(TrimName, RemovesEveryControlCharacterAndSpaceAtBothEnds) {
  EXPECT_EQ(TrimName("\x01\t  JUAN PEREZ \r\n\x1F"), "JUAN PEREZ");
  EXPECT_EQ(TrimName("\xD1"
                     "ANDU "),
            "\xD1"
            "ANDU");  // Ñ is above 32: kept
  EXPECT_EQ(TrimName(" \x7F "), "\x7F");
}
