// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The configuration record: a record that reads is written back to the same values,
// except that a path filling its whole field (no terminator) is written back one byte
// shorter, as the writer always keeps room for the terminator.
#include <cstdint>
#include <string>

#include "screen_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto config = ParseScreenConfig(bytes);
  if (!config)
    return 0;
  ScreenConfig expected = *config;
  expected.listPath = expected.listPath.substr(0, kConfigPathMax);
  expected.backgroundFile = expected.backgroundFile.substr(0, kConfigPathMax);
  const ScreenConfigRecord record = SerializeScreenConfig(*config);
  const auto again = ParseScreenConfig(std::string(record.begin(), record.end()));
  if (!again || !(*again == expected))
    __builtin_trap();
  return 0;
}
