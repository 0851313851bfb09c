// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A keyboard as keyboard files keep it: the 33 key captions, the letter case,
// the colour and the font of the on-screen keyboard. On disk a record of 176 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

inline constexpr int kKeyCount = 33;
inline constexpr std::size_t kKeyboardRecordSize = 176;
inline constexpr const char* kKeyboardMagic = "KLTP TECLADO LURIMBA";

// Font style bits as the record keeps them.
enum FontStyleBit : std::uint8_t {
  kBold = 1,
  kItalic = 2,
  kUnderline = 4,
  kStrikeOut = 8,
};

struct KeyboardLayout {
  std::array<std::string, kKeyCount> keyCaptions;  // key-number order; "&&" shows "&"
  bool upperCase = false;
  std::uint32_t keyboardColour = 0;  // 0x00BBGGRR
  std::string fontName;              // at most 31 characters
  std::uint8_t fontStyle = 0;
  std::int32_t fontSize = 0;  // points; 0 is no size (the keyboard keeps its own)
};

// The font sizes a keyboard file can set, in points.
inline constexpr std::int32_t kMinFontSize = 6;
inline constexpr std::int32_t kMaxFontSize = 72;

using KeyboardRecord = std::array<std::uint8_t, kKeyboardRecordSize>;

KeyboardRecord SerializeKeyboard(const KeyboardLayout& layout);

// Refuses a record shorter than 176 bytes or without the exact magic. Every
// field is read within its bounds: a caption slot without a zero byte is cut
// at 2 characters, a font-name length above 31 counts as 31, a font size is
// brought into 6..72 points (0 or less reads as no size).
std::optional<KeyboardLayout> ParseKeyboard(const std::string& bytes);

// The design caption of each key, in key-number order: a..n, ñ, o..z, á é í ó ú ü.
const std::array<std::string, kKeyCount>& DesignKeyCaptions();
// Keys 1, 5, 9, 16 and 22 (a e i o u) keep their character.
bool IsFixedKey(int keyNumber);
