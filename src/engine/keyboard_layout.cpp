// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboard_layout.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kSlotSize = 3;
constexpr std::size_t kUpperCaseOffset = 100;
constexpr std::size_t kColourOffset = 104;
constexpr std::size_t kFontNameOffset = 108;
constexpr std::size_t kFontNameMax = 31;
constexpr std::size_t kFontStyleOffset = 140;
constexpr std::size_t kFontSizeOffset = 144;
constexpr std::size_t kMagicOffset = 148;
constexpr std::size_t kMagicSize = 28;

void PutInt32(KeyboardRecord& record, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetInt32(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + i])) << (8 * i);
  }
  return value;
}

// Text up to the first zero byte, but never more than `limit` bytes.
std::string GetText(const std::string& bytes, std::size_t offset, std::size_t limit) {
  std::string text;
  for (std::size_t i = 0; i < limit && bytes[offset + i] != '\0'; ++i)
    text += bytes[offset + i];
  return text;
}

}  // namespace

KeyboardRecord SerializeKeyboard(const KeyboardLayout& layout) {
  KeyboardRecord record{};
  for (int k = 0; k < kKeyCount; ++k) {
    const std::string& caption = layout.keyCaptions[k];
    for (std::size_t i = 0; i < caption.size() && i < kSlotSize - 1; ++i) {
      record[k * kSlotSize + i] = static_cast<std::uint8_t>(caption[i]);
    }
  }
  PutInt32(record, kUpperCaseOffset, layout.upperCase ? 1 : 0);
  PutInt32(record, kColourOffset, layout.keyboardColour);
  const std::size_t nameLength = std::min(layout.fontName.size(), kFontNameMax);
  record[kFontNameOffset] = static_cast<std::uint8_t>(nameLength);
  std::memcpy(&record[kFontNameOffset + 1], layout.fontName.data(), nameLength);
  record[kFontStyleOffset] = layout.fontStyle & 0x0F;
  PutInt32(record, kFontSizeOffset, static_cast<std::uint32_t>(layout.fontSize));
  std::memcpy(&record[kMagicOffset], kKeyboardMagic, std::strlen(kKeyboardMagic));
  return record;
}

std::optional<KeyboardLayout> ParseKeyboard(const std::string& bytes) {
  if (bytes.size() < kKeyboardRecordSize)
    return std::nullopt;
  if (GetText(bytes, kMagicOffset, kMagicSize) != kKeyboardMagic)
    return std::nullopt;
  KeyboardLayout layout;
  for (int k = 0; k < kKeyCount; ++k) {
    layout.keyCaptions[k] = GetText(bytes, k * kSlotSize, kSlotSize - 1);
  }
  layout.upperCase = GetInt32(bytes, kUpperCaseOffset) != 0;
  layout.keyboardColour = GetInt32(bytes, kColourOffset);
  const std::size_t nameLength =
      std::min<std::size_t>(static_cast<std::uint8_t>(bytes[kFontNameOffset]), kFontNameMax);
  layout.fontName = bytes.substr(kFontNameOffset + 1, nameLength);
  layout.fontStyle = static_cast<std::uint8_t>(bytes[kFontStyleOffset]) & 0x0F;
  // A size far out of range would make every caption vanish or fill the screen.
  const auto fontSize = static_cast<std::int32_t>(GetInt32(bytes, kFontSizeOffset));
  layout.fontSize = fontSize <= 0 ? 0 : std::clamp(fontSize, kMinFontSize, kMaxFontSize);
  return layout;
}

const std::array<std::string, kKeyCount>& DesignKeyCaptions() {
  static const std::array<std::string, kKeyCount> captions = {
      "a", "b", "c", "d",    "e", "f",    "g",    "h",    "i",    "j",    "k",
      "l", "m", "n", "\xF1", "o", "p",    "q",    "r",    "s",    "t",    "u",
      "v", "w", "x", "y",    "z", "\xE1", "\xE9", "\xED", "\xF3", "\xFA", "\xFC"};
  return captions;
}

bool IsFixedKey(int keyNumber) {
  return keyNumber == 1 || keyNumber == 5 || keyNumber == 9 || keyNumber == 16 || keyNumber == 22;
}
