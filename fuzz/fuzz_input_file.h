// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The readers that take a path get the fuzzer's bytes through one file of the
// process's own, rewritten for every input.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

// `extension` (".kvtml") for a reader that tells files apart by their names.
inline std::string WriteInputFile(const std::uint8_t* data, std::size_t size,
                                  const std::string& extension = "") {
  // In memory where the system offers a folder for it: a disk would be the bottleneck.
  static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  const std::string path = folder + "/lurimba-fuzz-" + std::to_string(getpid()) + extension;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return path;
  if (size > 0)
    std::fwrite(data, 1, size, file);
  std::fclose(file);
  return path;
}
