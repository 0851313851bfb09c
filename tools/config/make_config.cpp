// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the default configuration shipped with the game, "config.def": the
// design look of the main window, the word list "ejemplo", five wrong letters
// allowed and every letter counted. Argument: the game folder.
#include <cstdio>
#include <filesystem>

#include "screen_config.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
    return 2;
  }
  // The default settings are the design of the windows.
  const Settings design;
  const auto config = ConfigFromSettings(design, "ejemplo");
  if (!config)
    return 1;
  const ScreenConfigRecord record = SerializeScreenConfig(*config);
  const std::filesystem::path path = std::filesystem::path(argv[1]) / "config.def";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  bool ok = file != nullptr;
  if (file) {
    ok = std::fwrite(record.data(), 1, record.size(), file) == record.size();
    ok = std::fclose(file) == 0 && ok;
  }
  if (!ok)
    std::fprintf(stderr, "could not write %s\n", path.c_str());
  return ok ? 0 : 1;
}
