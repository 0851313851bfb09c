// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text reader: every line read of any file, at any buffer size.
#include <cstdint>
#include <string>

#include "fuzz_input_file.h"
#include "text_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1)
    return 0;
  // The first byte picks the buffer size the way the readers use it (2 .. 257).
  const int capacity = 2 + data[0];
  TextReader reader(WriteInputFile(data + 1, size - 1));
  if (!reader.IsOpen())
    __builtin_trap();  // a regular file always opens
  std::string text;
  for (std::size_t reads = 0; reads <= size; ++reads) {
    if (reader.Read(text, capacity) != TextReader::Status::Line)
      return 0;
    if (text.size() > static_cast<std::size_t>(capacity - 1))
      __builtin_trap();
    DropLineEnd(text);
  }
  __builtin_trap();  // more reads than bytes: the reader went round in circles
}
