// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The configuration file ("config.pan", "config.def"): the look of the screen,
// the word list to open at start-up and the four game options, in one record
// of 604 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "settings.h"

inline constexpr std::size_t kScreenConfigSize = 604;
inline constexpr const char* kScreenConfigMagic = "KLTP CONFIG LURIMBA";
inline constexpr std::size_t kConfigPathMax = 255;  // bytes, the terminator not counted
inline constexpr std::size_t kConfigFontNameMax = 31;

// The record as it stands in the file. Text and paths are Windows-1252.
struct ScreenConfig {
  std::string listPath;
  std::uint32_t windowColor = 0;  // 0x00BBGGRR, or a system colour constant
  std::int32_t backgroundMode = 1;
  std::string backgroundFile;
  std::string wordFontName;  // empty: the word font keeps its name
  std::uint8_t wordFontStyle = 0;
  std::int32_t wordFontSize = 0;  // points
  std::int32_t allowedFailures = 5;
  std::int32_t vowelsOnly = 0;
  std::int32_t countRepeatedLetters = 0;
  std::int32_t revealAllOccurrences = 1;
  bool operator==(const ScreenConfig&) const = default;
};

using ScreenConfigRecord = std::array<std::uint8_t, kScreenConfigSize>;

// Every byte that means nothing (after a string's terminator, the reserved
// bytes) is zero. Strings longer than their field are cut to it.
ScreenConfigRecord SerializeScreenConfig(const ScreenConfig& config);
// Refuses a record shorter than 604 bytes or without the exact magic. Every
// string is read within its field: without a terminator, up to the field's
// last byte; a font-name length above 31 counts as 31.
std::optional<ScreenConfig> ParseScreenConfig(const std::string& bytes);

// The record "Guardar configuración actual" writes: the settings and the word
// list path (UTF-8). Nothing when a path needs more than 255 bytes, or holds
// a character, that the record's code page cannot store.
std::optional<ScreenConfig> ConfigFromSettings(const Settings& settings,
                                               const std::string& listPath);

// What the record asks for, read as the menus show it.
BackgroundMode StoredBackgroundMode(const ScreenConfig& config);
// The two paths of the record as UTF-8.
std::string StoredListPath(const ScreenConfig& config);
std::string StoredBackgroundFile(const ScreenConfig& config);
// The word font after the record: its name unless the record has none, its
// style, its size unless the record's is 0 or less. The colour is not stored.
WordFont StoredWordFont(const ScreenConfig& config, const WordFont& current);
// The four game options: failures other than 2 count as 5, "only vowels" and
// "count repeated letters" only when 1; without "reveal all occurrences" a
// letter pressed again is always judged again.
void ApplyStoredOptions(const ScreenConfig& config, Settings& settings);
