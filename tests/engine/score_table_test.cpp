// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ten best scores: the 24-byte entry, the points file and placing a game's scores.
#include "score_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "charset.h"

namespace {

struct Shown {
  std::string name;
  int points;
  bool isNew;
  bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& place) {
  return out << "{" << place.name << ", " << place.points << (place.isNew ? ", new}" : "}");
}

std::vector<Shown> Places(const TopTenList& list) {
  std::vector<Shown> shown;
  for (const ScorePlace& place : list.places)
    shown.push_back({place.entry.name, place.entry.points, place.isNew});
  return shown;
}

// A list as read from a file: the given scores on top, empty places below.
TopTenList Saved(const std::vector<std::pair<std::string, int>>& scores) {
  TopTenList list;
  for (std::size_t i = 0; i < scores.size(); ++i)
    list.places[i].entry = {scores[i].first, scores[i].second};
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

std::vector<Shown> Empties(int count) {
  return std::vector<Shown>(static_cast<std::size_t>(count), Shown{"", 0, false});
}

std::vector<Shown> Join(std::vector<Shown> top, const std::vector<Shown>& rest) {
  top.insert(top.end(), rest.begin(), rest.end());
  return top;
}

}  // namespace

struct PlacingCase {
  const char* name;
  TopTenList saved;
  PlayerTable game;
  int placed;
  std::vector<Shown> expected;
};

class PlacingAGame : public ::testing::TestWithParam<PlacingCase> {};

TEST_P(PlacingAGame, GivesTheListShown) {
  TopTenList list = GetParam().saved;
  EXPECT_EQ(list.PlaceGame(GetParam().game), GetParam().placed);
  EXPECT_EQ(Places(list), GetParam().expected);
}

const TopTenList kFullFrom100 = Saved({{"A", 100},
                                       {"B", 90},
                                       {"C", 80},
                                       {"D", 80},
                                       {"E", 70},
                                       {"F", 60},
                                       {"G", 50},
                                       {"H", 50},
                                       {"I", 50},
                                       {"J", 50}});

INSTANTIATE_TEST_SUITE_P(
    ScoreTable, PlacingAGame,
    ::testing::Values(
        PlacingCase{"OnePlayerIntoAnEmptyList",
                    {},
                    GameOf({"GRUPO", 25}, {{"ANA", 25}}),
                    1,
                    Join({{"ANA", 25, true}}, Empties(9))},
        PlacingCase{"ZeroPointsNeverEnterAListEndingInZero",
                    {},
                    GameOf({"G", 0}, {{"ANA", 0}}),
                    0,
                    Empties(10)},
        PlacingCase{"NegativeScoresNeverEnterAnEmptyList",
                    {},
                    GameOf({"G", -6}, {{"ANA", -3}, {"LUIS", -3}}),
                    0,
                    Empties(10)},
        PlacingCase{
            "TheGroupGoesFirstThenThePlayersInTurn",
            {},
            GameOf({"LINCES", 40}, {{"ANA", 10}, {"LUIS", 30}}),
            3,
            Join({{"LINCES", 40, true}, {"LUIS", 30, true}, {"ANA", 10, true}}, Empties(7))},
        PlacingCase{
            "AnEqualScoreGoesBelow", Saved({{"ANA", 30}, {"LUIS", 20}}),
            GameOf({"G", 20}, {{"PEPA", 20}}), 1,
            Join({{"ANA", 30, false}, {"LUIS", 20, false}, {"PEPA", 20, true}}, Empties(7))},
        PlacingCase{"TheSecondOfTwoEqualScoresGoesBelowTheFirst",
                    {},
                    GameOf({"G", 30}, {{"ANA", 15}, {"ANA", 15}}),
                    3,
                    Join({{"G", 30, true}, {"ANA", 15, true}, {"ANA", 15, true}}, Empties(7))},
        PlacingCase{"FiftyDoesNotPassTheLastFifty", kFullFrom100, GameOf({"G", 0}, {{"ANA", 50}}),
                    0, Places(kFullFrom100)},
        PlacingCase{"FiftyOnePushesTheLastPlaceOut",
                    kFullFrom100,
                    GameOf({"G", 0}, {{"ANA", 51}}),
                    1,
                    {{"A", 100, false},
                     {"B", 90, false},
                     {"C", 80, false},
                     {"D", 80, false},
                     {"E", 70, false},
                     {"F", 60, false},
                     {"ANA", 51, true},
                     {"G", 50, false},
                     {"H", 50, false},
                     {"I", 50, false}}},
        PlacingCase{"ANewEntryPushedOutLosesItsPlaceAndMark",
                    Saved({{"A", 100},
                           {"B", 90},
                           {"C", 80},
                           {"D", 70},
                           {"E", 60},
                           {"F", 50},
                           {"G", 40},
                           {"H", 30},
                           {"I", 20}}),
                    GameOf({"G", 0}, {{"ANA", 15}, {"LUIS", 95}}),
                    2,
                    {{"A", 100, false},
                     {"LUIS", 95, true},
                     {"B", 90, false},
                     {"C", 80, false},
                     {"D", 70, false},
                     {"E", 60, false},
                     {"F", 50, false},
                     {"G", 40, false},
                     {"H", 30, false},
                     {"I", 20, false}}},
        PlacingCase{"AOnePlayerGameLeavesTheGroupOut",
                    {},
                    GameOf({"LINCES", 90}, {{"ANA", 5}}),
                    1,
                    Join({{"ANA", 5, true}}, Empties(9))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScoreEntryRecord, GoldenBytes) {
  const std::string bytes = SerializeScoreEntry({Ansi("PEÑA"), 25});
  std::string expected(24, '\0');
  expected.replace(0, 4,
                   "PE\xA5"
                   "A");  // Ñ is 0xA5 in code page 850
  expected[20] = 25;
  EXPECT_EQ(bytes, expected);

  const std::string negative = SerializeScoreEntry({"", -3});
  EXPECT_EQ(negative.substr(20), std::string("\xFD\xFF\xFF\xFF", 4));
  EXPECT_EQ(negative.substr(0, 20), std::string(20, '\0'));

  const std::string large = SerializeScoreEntry({"", 0x12345678});
  EXPECT_EQ(large.substr(20), std::string("\x78\x56\x34\x12", 4));
}

TEST(ScoreEntryRecord, RoundTripKeepsAccentsAndSigns) {
  for (const ScoreEntry& entry :
       {ScoreEntry{Ansi("PEÑA"), 25}, ScoreEntry{Ansi("ÁLVARO MUÑOZ ÜBEDA"), -3},
        ScoreEntry{Ansi("Grupo sin nombre"), 2147483647}, ScoreEntry{"", -2147483647 - 1}}) {
    const ScoreEntry read = ParseScoreEntry(SerializeScoreEntry(entry));
    EXPECT_EQ(read.name, entry.name);
    EXPECT_EQ(read.points, entry.points);
  }
}

TEST(ScoreEntryRecord, ANameIsKeptToNineteenCharacters) {
  const std::string bytes = SerializeScoreEntry({"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1});
  EXPECT_EQ(bytes.substr(0, 20), std::string("ABCDEFGHIJKLMNOPQRS") + '\0');
  EXPECT_EQ(bytes[20], 1);

  // A record written elsewhere, its name without a zero byte.
  std::string unterminated(24, 'X');
  unterminated.replace(20, 4, std::string("\x07\0\0\0", 4));
  const ScoreEntry read = ParseScoreEntry(unterminated);
  EXPECT_EQ(read.name, std::string(19, 'X'));
  EXPECT_EQ(read.points, 7);

  // Bytes after the zero carry no meaning.
  std::string trailing(24, '\0');
  trailing.replace(0, 10, std::string("ANA\0BASURA", 10));
  EXPECT_EQ(ParseScoreEntry(trailing).name, "ANA");
}

TEST(PointsFile, RoundTripIsByteForByte) {
  TopTenList list = kFullFrom100;
  list.places[3].entry.name = Ansi("PEÑA");
  list.places[9].entry.points = -3;
  list.places[0].isNew = true;  // marks are not stored
  const std::string bytes = SerializePointsFile(list);
  ASSERT_EQ(bytes.size(), 240u);
  EXPECT_EQ(bytes.substr(72, 4),
            "PE\xA5"
            "A");
  const TopTenList read = ParsePointsFile(bytes);
  list.places[0].isNew = false;
  EXPECT_EQ(Places(read), Places(list));
  EXPECT_EQ(SerializePointsFile(read), bytes);
}

struct FileSizeCase {
  const char* name;
  std::size_t size;
  int entriesRead;
};

class PointsFileOfSize : public ::testing::TestWithParam<FileSizeCase> {};

TEST_P(PointsFileOfSize, GivesOnlyItsWholeEntries) {
  // Every entry of the file is "N<place>" with 100 + place points; the tail is junk.
  std::string bytes;
  for (int i = 1; i <= 12; ++i)
    bytes += SerializeScoreEntry({"N" + std::to_string(i), 100 + i});
  bytes.resize(GetParam().size, '\x7F');
  const TopTenList list = ParsePointsFile(bytes);
  for (int i = 1; i <= kTopPlaces; ++i) {
    const ScoreEntry& entry = list.places[i - 1].entry;
    if (i <= GetParam().entriesRead) {
      EXPECT_EQ(entry.name, "N" + std::to_string(i));
      EXPECT_EQ(entry.points, 100 + i);
    } else {
      EXPECT_EQ(entry.name, "") << "place " << i;
      EXPECT_EQ(entry.points, 0) << "place " << i;
    }
    EXPECT_FALSE(list.places[i - 1].isNew);
  }
}

INSTANTIATE_TEST_SUITE_P(ScoreTable, PointsFileOfSize,
                         ::testing::Values(FileSizeCase{"Empty", 0, 0},
                                           FileSizeCase{"ShorterThanOneEntry", 23, 0},
                                           FileSizeCase{"TwoEntriesAndABit", 50, 2},
                                           FileSizeCase{"OneByteShortOfTen", 239, 9},
                                           FileSizeCase{"Whole", 240, 10},
                                           FileSizeCase{"LongerThanTen", 288, 10}),
                         [](const auto& info) { return std::string(info.param.name); });
