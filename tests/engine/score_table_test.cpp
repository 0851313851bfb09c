// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ten best scores: the 24-byte entry, the points file and placing a game's scores.
#include "score_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "charset.h"

namespace {

// The list as text: "NAME points" a place, "*" after a new one, "-" for an empty place.
std::string Shown(const TopTenList& list) {
  std::string text;
  for (const ScorePlace& place : list.places) {
    const ScoreEntry& e = place.entry;
    text += e.name.empty() && e.points == 0 ? "-" : e.name + " " + std::to_string(e.points);
    text += place.isNew ? "* " : " ";
  }
  return text;
}

// A list as read from a file, from text as Shown gives it (without empty places).
TopTenList Saved(const std::string& text) {
  TopTenList list;
  std::istringstream in(text);
  for (ScorePlace& place : list.places)
    in >> place.entry.name >> place.entry.points;
  return list;
}

PlayerTable GameOf(const ScoreEntry& group, const std::vector<ScoreEntry>& players) {
  PlayerTable table;
  table.playerCount = static_cast<int>(players.size());
  table.scores[0] = group;
  for (std::size_t i = 0; i < players.size(); ++i)
    table.scores[i + 1] = players[i];
  return table;
}

const std::string kFull = "A 100 B 90 C 80 D 80 E 70 F 60 G 50 H 50 I 50 J 50 ";

struct PlacingCase {
  const char* name;
  std::string saved;
  PlayerTable game;
  int placed;
  std::string shown;
};

class PlacingAGame : public ::testing::TestWithParam<PlacingCase> {};

TEST_P(PlacingAGame, GivesTheListShown) {
  TopTenList list = Saved(GetParam().saved);
  EXPECT_EQ(list.PlaceGame(GetParam().game), GetParam().placed);
  EXPECT_EQ(Shown(list), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    ScoreTable, PlacingAGame,
    ::testing::Values(
        PlacingCase{"OnePlayerIntoAnEmptyList", "", GameOf({"G", 25}, {{"ANA", 25}}), 1,
                    "ANA 25* - - - - - - - - - "},
        PlacingCase{"ZeroPointsNeverEnterAListEndingInZero", "", GameOf({"G", 0}, {{"ANA", 0}}), 0,
                    "- - - - - - - - - - "},
        PlacingCase{"NegativeScoresNeverEnterAnEmptyList", "",
                    GameOf({"G", -6}, {{"ANA", -3}, {"LUIS", -3}}), 0, "- - - - - - - - - - "},
        PlacingCase{"TheGroupGoesFirstThenThePlayersInTurn", "",
                    GameOf({"LINCES", 40}, {{"ANA", 10}, {"LUIS", 30}}), 3,
                    "LINCES 40* LUIS 30* ANA 10* - - - - - - - "},
        PlacingCase{"AnEqualScoreGoesBelow", "ANA 30 LUIS 20", GameOf({"G", 20}, {{"PEPA", 20}}), 1,
                    "ANA 30 LUIS 20 PEPA 20* - - - - - - - "},
        PlacingCase{"TheSecondOfTwoEqualScoresGoesBelowTheFirst", "",
                    GameOf({"G", 30}, {{"ANA", 15}, {"ANA", 15}}), 3,
                    "G 30* ANA 15* ANA 15* - - - - - - - "},
        PlacingCase{"FiftyDoesNotPassTheLastFifty", kFull, GameOf({"G", 0}, {{"ANA", 50}}), 0,
                    kFull},
        PlacingCase{"FiftyOnePushesTheLastPlaceOut", kFull, GameOf({"G", 0}, {{"ANA", 51}}), 1,
                    "A 100 B 90 C 80 D 80 E 70 F 60 ANA 51* G 50 H 50 I 50 "},
        PlacingCase{"ANewEntryPushedOutLosesItsPlaceAndMark",
                    "A 100 B 90 C 80 D 70 E 60 F 50 G 40 H 30 I 20",
                    GameOf({"G", 0}, {{"ANA", 15}, {"LUIS", 95}}), 2,
                    "A 100 LUIS 95* B 90 C 80 D 70 E 60 F 50 G 40 H 30 I 20 "},
        PlacingCase{"AOnePlayerGameLeavesTheGroupOut", "", GameOf({"LINCES", 90}, {{"ANA", 5}}), 1,
                    "ANA 5* - - - - - - - - - "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScoreEntryRecord, GoldenBytes) {
  // Ñ is 0xA5 in code page 850; points are little-endian and signed.
  EXPECT_EQ(SerializeScoreEntry({Ansi("PEÑA"), 0x12345678}),
            "PE\xA5" + std::string("A\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x78\x56\x34\x12", 21));
  EXPECT_EQ(SerializeScoreEntry({"", -3}), std::string(20, '\0') + "\xFD\xFF\xFF\xFF");
  // A name is kept to nineteen characters and its zero.
  EXPECT_EQ(SerializeScoreEntry({"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1}),
            "ABCDEFGHIJKLMNOPQRS" + std::string("\0\1\0\0\0", 5));
}

TEST(ScoreEntryRecord, ReadsBackWithinItsField) {
  for (const ScoreEntry& entry :
       {ScoreEntry{Ansi("ÁLVARO MUÑOZ ÜBEDA"), -3}, ScoreEntry{"Grupo", 2147483647},
        ScoreEntry{"", -2147483647 - 1}}) {
    const ScoreEntry read = ParseScoreEntry(SerializeScoreEntry(entry));
    EXPECT_EQ(read.name + " " + std::to_string(read.points),
              entry.name + " " + std::to_string(entry.points));
  }
  // A name written elsewhere without a zero byte; bytes after the zero carry no meaning.
  EXPECT_EQ(ParseScoreEntry(std::string(20, 'X') + std::string("\x07\0\0\0", 4)).name,
            std::string(19, 'X'));
  EXPECT_EQ(ParseScoreEntry(std::string("ANA\0BASURA", 10) + std::string(14, '\0')).name, "ANA");
}

TEST(PointsFile, RoundTripIsByteForByte) {
  TopTenList list = Saved(kFull);
  list.places[3].entry.name = Ansi("PEÑA");
  list.places[9].entry.points = -3;
  list.places[0].isNew = true;  // marks are not stored
  const std::string bytes = SerializePointsFile(list);
  ASSERT_EQ(bytes.size(), 240u);
  EXPECT_EQ(bytes.substr(72, 5), std::string("PE\xA5"
                                             "A\0",
                                             5));
  const TopTenList read = ParsePointsFile(bytes);
  list.places[0].isNew = false;
  EXPECT_EQ(Shown(read), Shown(list));
  EXPECT_EQ(SerializePointsFile(read), bytes);
}

TEST(PointsFile, GivesOnlyItsWholeEntries) {
  // Every entry of the file is "N<place>" with 100 + place points; a partial one is not read.
  std::string bytes, shown;
  for (int i = 1; i <= 12; ++i)
    bytes += SerializeScoreEntry({"N" + std::to_string(i), 100 + i});
  for (const auto& [size, whole] : std::vector<std::pair<std::size_t, int>>{
           {0, 0}, {23, 0}, {50, 2}, {239, 9}, {240, 10}, {288, 10}}) {
    std::string expected;
    for (int i = 1; i <= kTopPlaces; ++i)
      expected += i <= whole ? "N" + std::to_string(i) + " " + std::to_string(100 + i) + " " : "- ";
    EXPECT_EQ(Shown(ParsePointsFile(bytes.substr(0, size))), expected) << size << " bytes";
  }
}

}  // namespace
