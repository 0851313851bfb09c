// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting a new game with the names typed in the players window.
#include "player_entry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct NameCase {
  const char* name;
  std::array<std::string, 10> typed;
  std::string group;
  std::vector<std::string> players;
  std::string groupName;
};

class StartGroupTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(StartGroupTest, StoresNamesWithoutGaps) {
  const NameCase& c = GetParam();
  PlayerTable players;
  players.currentPlayer = 2;
  players.records[3] = {"OLD", "Tema", 1, 1, 1, {1, 2}, 40, {3}, 9};
  players.scores[0].points = 77;
  players.scores[4].points = -12;
  StartGroup(players, c.typed, c.group, {2026, 6, 12});
  EXPECT_EQ(players.playerCount, static_cast<int>(c.players.size()));
  EXPECT_EQ(players.currentPlayer, 1);
  EXPECT_EQ(players.scores[0].name, c.groupName);
  for (int i = 0; i < kMaxPlayers; ++i) {
    const std::string name = i < static_cast<int>(c.players.size()) ? c.players[i] : "";
    EXPECT_EQ(players.records[i], (PlayerRecord{name, "", 2026, 6, 12})) << i;
    EXPECT_EQ(players.scores[i + 1].name, name) << i;
    EXPECT_EQ(players.scores[i].points, 0) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, StartGroupTest,
    ::testing::Values(NameCase{"NothingTyped", {}, "", {"Sin nombre"}, "Grupo sin nombre"},
                      // Control characters and spaces go at both ends; what is above 32 is kept.
                      NameCase{"OnlyBlanksAndControls",
                               {"   ", "\t", " \x01\t \r\n\x1F"},
                               "  ",
                               {"Sin nombre"},
                               "Grupo sin nombre"},
                      NameCase{"Fields2And5",
                               {"", "ANA", "", "",
                                " \xD1"
                                "ANDU \x7F "},
                               "LOS LINCES",
                               {"ANA",
                                "\xD1"
                                "ANDU \x7F"},
                               "LOS LINCES"},
                      NameCase{"NamesRepeatAndKeepTheirCase",
                               {"Ana", "ANA", " ana "},
                               "",
                               {"Ana", "ANA", "ana"},
                               "Grupo sin nombre"},
                      NameCase{"TenPlayersAndAOneCharacterGroup",
                               {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
                               "5",
                               {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"},
                               "5"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
