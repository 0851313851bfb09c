// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Word-list files written into a temporary folder for one test.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

inline const std::string kMagicLine = "K. L. TAMU P. LURIMBA\r\n";

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lurimba-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw std::runtime_error("no temporary folder");
    path_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string Folder() const { return path_.string(); }
  // Writes the bytes as they are and returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    return WriteAt((path_ / name).string(), bytes);
  }
  static std::string WriteAt(const std::string& path, const std::string& bytes) {
    const std::filesystem::path file = path;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

// The bytes of a word-list file (code page 850): magic, theme, then word and hint
// lines, every line ended by CR LF.
inline std::string ListBytes(const std::string& theme,
                             const std::vector<std::pair<std::string, std::string>>& pairs) {
  std::string bytes = kMagicLine + theme + "\r\n";
  for (const auto& [word, hint] : pairs)
    bytes += word + "\r\n" + hint + "\r\n";
  return bytes;
}

// Words named w1/a, w2/a, ... (all marked) with hints "pista 1", "pista 2", ...
inline std::string NumberedList(int count, const std::string& theme = "Tema") {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int k = 1; k <= count; ++k) {
    pairs.emplace_back("pal/abra" + std::to_string(k), "pista " + std::to_string(k));
  }
  return ListBytes(theme, pairs);
}
