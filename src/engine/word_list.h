// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word list in play: a theme and up to fifty words, each with a hint.
#pragma once

#include <array>
#include <string>

inline constexpr int kMaxWords = 50;
inline constexpr int kMinListWords = 10;
inline constexpr std::size_t kThemeLength = 65;
inline constexpr std::size_t kRawWordLength = 60;
inline constexpr std::size_t kWordLength = 30;
inline constexpr std::size_t kHintLength = 65;
inline constexpr std::size_t kPathLength = 255;
inline constexpr char kHideMark = '/';
inline constexpr const char* kWordListMagic = "K. L. TAMU P. LURIMBA";

struct WordEntry {
  std::string rawWord;  // the line as read, hide marks included
  std::string word;     // rawWord without marks, cut to 30 characters
  std::string hint;
};

enum class WordField { Raw, Stripped };

struct WordList {
  std::string theme;
  std::array<WordEntry, kMaxWords + 1> slots;  // slots 1..50; slot 0 is never used
  int wordCount = 0;
  bool loaded = false;
  bool allMarked = false;
  std::string listPath;

  void Clear();
  // wordCount = the number of consecutive non-empty slots from slot 1.
  void CountWords(WordField field);
  void StripMarks();
  // True when every word of slots 1..wordCount has at least 2 characters.
  bool CheckWordLengths() const;
};

enum class LoadResult {
  Ok,
  CannotOpen,      // the file could not be opened
  WrongType,       // line 1 is not the magic; the list is untouched
  FirstLineError,  // a read error on line 1; the list is untouched
  ReadError,       // a read error after the magic; the list is cleared, not loaded
};

// Reads a word-list file (code page 850) into `list`. After the magic is
// accepted the old list is gone, whatever happens next.
LoadResult LoadWordFile(const std::string& path, WordList& list);
