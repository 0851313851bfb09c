// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ten best scores: any file gives ten places, and writing them back reads the same.
#include <cstdint>
#include <string>
#include <string_view>

#include "score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TopTenList list =
      ParsePointsFile(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string bytes = SerializePointsFile(list);
  const TopTenList again = ParsePointsFile(bytes);
  for (int i = 0; i < kTopPlaces; ++i) {
    if (again.places[i].entry.points != list.places[i].entry.points)
      __builtin_trap();
  }
  return 0;
}
