// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "score_table.h"

#include <algorithm>
#include <cstdint>

#include "charset.h"

namespace {

constexpr std::size_t kNameMax = kScoreNameSize - 1;
constexpr std::size_t kPointsOffset = kScoreNameSize;

}  // namespace

std::string SerializeScoreEntry(const ScoreEntry& entry) {
  std::string bytes(kScoreEntrySize, '\0');
  const std::string name = AnsiToOem(entry.name.substr(0, kNameMax));
  std::copy(name.begin(), name.end(), bytes.begin());
  const auto points = static_cast<std::uint32_t>(entry.points);
  for (std::size_t i = 0; i < 4; ++i)
    bytes[kPointsOffset + i] = static_cast<char>((points >> (8 * i)) & 0xFF);
  return bytes;
}

ScoreEntry ParseScoreEntry(std::string_view record) {
  std::string bytes(record.substr(0, kScoreEntrySize));
  bytes.resize(kScoreEntrySize, '\0');  // a short record reads as zeros
  ScoreEntry entry;
  const std::string_view slot = std::string_view(bytes).substr(0, kNameMax);
  entry.name = OemToAnsi(slot.substr(0, std::min(slot.find('\0'), slot.size())));
  std::uint32_t points = 0;
  for (std::size_t i = 0; i < 4; ++i)
    points |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[kPointsOffset + i]))
              << (8 * i);
  entry.points = static_cast<std::int32_t>(points);
  return entry;
}

int TopTenList::Place(const ScoreEntry& entry) {
  const auto lower = std::find_if(places.begin(), places.end(), [&](const ScorePlace& place) {
    return place.entry.points < entry.points;
  });
  if (lower == places.end())
    return 0;
  std::move_backward(lower, places.end() - 1, places.end());
  *lower = {entry, true};
  return static_cast<int>(lower - places.begin()) + 1;
}

int TopTenList::PlaceGame(const PlayerTable& players) {
  int placed = 0;
  if (players.playerCount > 1 && Place(players.scores[0]) > 0)
    ++placed;
  const int count = std::min(players.playerCount, kMaxPlayers);
  for (int player = 1; player <= count; ++player) {
    if (Place(players.scores[player]) > 0)
      ++placed;
  }
  return placed;
}

TopTenList ParsePointsFile(std::string_view bytes) {
  TopTenList list;
  const std::size_t whole = std::min<std::size_t>(bytes.size() / kScoreEntrySize, kTopPlaces);
  for (std::size_t i = 0; i < whole; ++i)
    list.places[i].entry = ParseScoreEntry(bytes.substr(i * kScoreEntrySize, kScoreEntrySize));
  return list;
}

std::string SerializePointsFile(const TopTenList& list) {
  std::string bytes;
  bytes.reserve(kPointsFileSize);
  for (const ScorePlace& place : list.places)
    bytes += SerializeScoreEntry(place.entry);
  return bytes;
}

TopTenList MergeNewPlaces(const TopTenList& saved, const TopTenList& shown) {
  TopTenList merged;
  for (int i = 0; i < kTopPlaces; ++i)
    merged.places[i].entry = saved.places[i].entry;
  for (const ScorePlace& place : shown.places) {
    if (place.isNew)
      merged.Place(place.entry);
  }
  return merged;
}

SharedSave SaveTopTen(SharedFiles& files, const std::string& path, TopTenList& list) {
  TopTenList merged;
  const SharedSave result =
      files.Update(path, [&](const std::optional<std::string>& now) -> std::optional<std::string> {
        merged = MergeNewPlaces(ParsePointsFile(now.value_or(std::string())), list);
        return SerializePointsFile(merged);
      });
  if (result == SharedSave::Saved)
    list = merged;
  return result;
}
