// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ten best scores: the points file "puntos.plm" and the list the points
// window shows, where the scores of the group in play are placed among them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "players.h"
#include "shared_file.h"

// A score on disk: the name in 20 bytes (code page 850, zero-terminated, at
// most 19 characters) and the points as a signed 32-bit little-endian number.
inline constexpr std::size_t kScoreEntrySize = 24;
inline constexpr std::size_t kScoreNameSize = 20;
inline constexpr int kTopPlaces = 10;
inline constexpr std::size_t kPointsFileSize = kScoreEntrySize * kTopPlaces;
inline constexpr const char* kPointsFileName = "puntos.plm";

std::string SerializeScoreEntry(const ScoreEntry& entry);
// Missing bytes of a short record read as zeros. A name without a zero byte is read up to its 19th
// character.
ScoreEntry ParseScoreEntry(std::string_view bytes);

struct ScorePlace {
  ScoreEntry entry;
  bool isNew = false;  // placed by the current showing of the list
};

// Ten places, best first; an empty place has no name and 0 points.
struct TopTenList {
  std::array<ScorePlace, kTopPlaces> places;

  // Puts the entry above the first place with strictly fewer points; the last
  // place drops out. An equal score goes below. Returns the place (1..10), or
  // 0 when every place has as many points or more and nothing changed.
  int Place(const ScoreEntry& entry);

  // The scores of a game: the group first (only when more than one player
  // plays), then each player in turn. Returns how many entered the list.
  int PlaceGame(const PlayerTable& players);
};

// The whole content of a points file: up to ten entries, best first. A short
// file fills only the first places; bytes past the last whole entry are ignored.
TopTenList ParsePointsFile(std::string_view bytes);
// 240 bytes: the ten places without their marks.
std::string SerializePointsFile(const TopTenList& list);

// The list the file holds now with the entries `shown` placed (those marked new)
// placed again among them, best first, by the same rules: what another computer
// saved since the list was read is kept.
TopTenList MergeNewPlaces(const TopTenList& saved, const TopTenList& shown);

// Saves the list into the points file at `path` (UTF-8), merged with what the file
// holds at the moment of saving (see MergeNewPlaces). On Saved, `list` is the list
// saved, its new entries still marked. A file that is there but cannot be read is
// never saved over: CannotRead.
SharedSave SaveTopTen(SharedFiles& files, const std::string& path, TopTenList& list);
