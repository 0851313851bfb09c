// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard record of keyboard files: 176 bytes, field by field.
#include "keyboard_layout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

KeyboardLayout DesignLayout() {
  KeyboardLayout layout;
  layout.keyCaptions = DesignKeyCaptions();
  layout.keyboardColour = 16762250;  // RGB(138, 197, 255)
  layout.fontName = "Times New Roman";
  layout.fontStyle = kBold | kItalic;
  layout.fontSize = 18;
  return layout;
}

std::string AsBytes(const KeyboardLayout& layout) {
  const KeyboardRecord record = SerializeKeyboard(layout);
  return std::string(reinterpret_cast<const char*>(record.data()), record.size());
}

}  // namespace

TEST(KeyboardRecord, GoldenBytesOfTheDesignKeyboard) {
  KeyboardLayout layout = DesignLayout();
  layout.keyCaptions[14] = "&&";  // the ñ key showing an ampersand
  layout.upperCase = true;
  std::string expected(176, '\0');
  const std::string keys = "abcdefghijklmn&opqrstuvwxyz\xE1\xE9\xED\xF3\xFA\xFC";
  for (int k = 0; k < 33; ++k)
    expected.replace(3 * k, k == 14 ? 2 : 1, k == 14 ? "&&" : keys.substr(k, 1));
  expected[100] = 1;
  expected.replace(104, 3, "\x8A\xC5\xFF");  // red, green, blue
  expected.replace(108, 16, "\x0FTimes New Roman");
  expected[140] = 3;
  expected[144] = 18;
  expected.replace(148, 20, "KLTP TECLADO LURIMBA");
  EXPECT_EQ(AsBytes(layout), expected);
  // Every field reads back; bytes after the record do not matter.
  const auto read = ParseKeyboard(expected + "extra bytes after the record");
  ASSERT_TRUE(read);
  EXPECT_EQ(AsBytes(*read), expected);
}

TEST(KeyboardRecord, RefusesShortRecordsAndWrongMagic) {
  const std::string good = AsBytes(DesignLayout());
  EXPECT_FALSE(ParseKeyboard(good.substr(0, 175)));
  for (std::size_t at = 148; at <= 168; ++at) {  // 168: "KLTP TECLADO LURIMBAX"
    std::string changed = good;
    changed[at] = static_cast<char>(changed[at] ^ 0x20);
    EXPECT_FALSE(ParseKeyboard(changed)) << "magic changed at " << at;
  }
}

TEST(KeyboardRecord, FieldsAreReadWithinTheirBounds) {
  std::string bytes = AsBytes(DesignLayout());
  std::memset(&bytes[0], 'x', 3);       // a slot without its zero byte
  bytes[108] = static_cast<char>(200);  // a name length past the field
  std::memset(&bytes[109], 'N', 31);
  bytes[100] = 7;                        // any non-zero value is upper case
  bytes[140] = static_cast<char>(0xFF);  // only the four style bits count
  const auto layout = ParseKeyboard(bytes);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->keyCaptions[0], "xx");
  EXPECT_EQ(layout->fontName, std::string(31, 'N'));
  EXPECT_TRUE(layout->upperCase);
  EXPECT_EQ(layout->fontStyle, 0x0F);
  bytes[108] = 0;
  EXPECT_EQ(ParseKeyboard(bytes)->fontName, "");
}

// Sizes from a file are brought into 6..72 points; none at all stays none.
TEST(KeyboardRecord, FontSizeIsBroughtIntoRange) {
  for (const auto& [stored, read] : std::vector<std::pair<int, int>>{
           {2147483647, 72}, {73, 72}, {72, 72}, {6, 6}, {5, 6}, {0, 0}, {-3, 0}}) {
    KeyboardLayout layout = DesignLayout();
    layout.fontSize = stored;
    EXPECT_EQ(ParseKeyboard(AsBytes(layout))->fontSize, read) << stored;
  }
}

TEST(KeyboardRecord, FixedKeysAreTheFiveBasicVowels) {
  for (int key = 1; key <= kKeyCount; ++key) {
    const std::string& caption = DesignKeyCaptions()[key - 1];
    EXPECT_EQ(IsFixedKey(key), caption.find_first_of("aeiou") == 0 && caption.size() == 1) << key;
  }
}
