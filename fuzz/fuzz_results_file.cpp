// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A results file read record by record: every record the reader gives writes back whole.
#include <cstdint>
#include <cstdio>

#include "fuzz_input_file.h"
#include "results_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = WriteInputFile(data, size);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file)
    return 0;
  ResultsReader reader(file, path);
  PlayerRecord record;
  for (int count = 0; count < 1000 && reader.Next(record); ++count) {
    if (DecodeRecord(EncodeRecord(record)).solvedTotal != record.solvedTotal)
      __builtin_trap();
  }
  return 0;
}
