// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The configuration record: a record that reads is written back to the same values.
#include <cstdint>
#include <string>

#include "screen_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto config = ParseScreenConfig(bytes);
  if (!config)
    return 0;
  const ScreenConfigRecord record = SerializeScreenConfig(*config);
  const auto again = ParseScreenConfig(std::string(record.begin(), record.end()));
  if (!again || StoredListPath(*again) != StoredListPath(*config) ||
      StoredBackgroundFile(*again) != StoredBackgroundFile(*config))
    __builtin_trap();
  return 0;
}
