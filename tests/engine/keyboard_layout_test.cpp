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
  layout.upperCase = false;
  layout.keyboardColour = 16762250;  // RGB(138, 197, 255)
  layout.fontName = "Times New Roman";
  layout.fontStyle = kBold | kItalic;
  layout.fontSize = 18;
  return layout;
}

std::string AsBytes(const KeyboardRecord& record) {
  return std::string(reinterpret_cast<const char*>(record.data()), record.size());
}

}  // namespace

TEST(KeyboardRecord, GoldenBytesOfTheDesignKeyboard) {
  KeyboardLayout layout = DesignLayout();
  layout.keyCaptions[14] = "&&";  // the ñ key showing an ampersand
  layout.upperCase = true;
  const std::string bytes = AsBytes(SerializeKeyboard(layout));
  ASSERT_EQ(bytes.size(), 176u);
  std::string expected(176, '\0');
  const char* captions[] = {"a",    "b",    "c",    "d",    "e",    "f",   "g", "h", "i",
                            "j",    "k",    "l",    "m",    "n",    "&&",  "o", "p", "q",
                            "r",    "s",    "t",    "u",    "v",    "w",   "x", "y", "z",
                            "\xE1", "\xE9", "\xED", "\xF3", "\xFA", "\xFC"};
  for (int k = 0; k < 33; ++k)
    std::memcpy(&expected[3 * k], captions[k], std::strlen(captions[k]));
  expected[100] = 1;
  expected[104] = static_cast<char>(0x8A);  // red
  expected[105] = static_cast<char>(0xC5);  // green
  expected[106] = static_cast<char>(0xFF);  // blue
  expected[108] = 15;
  std::memcpy(&expected[109], "Times New Roman", 15);
  expected[140] = 3;
  expected[144] = 18;
  std::memcpy(&expected[148], "KLTP TECLADO LURIMBA", 20);
  EXPECT_EQ(bytes, expected);
}

TEST(KeyboardRecord, RoundTripKeepsEveryField) {
  KeyboardLayout layout = DesignLayout();
  layout.keyCaptions[1] = "7";
  layout.keyCaptions[2] = "";
  layout.keyCaptions[14] = "\xE7";
  layout.upperCase = true;
  layout.fontStyle = kUnderline | kStrikeOut;
  layout.fontSize = 72;
  const auto read = ParseKeyboard(AsBytes(SerializeKeyboard(layout)));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->keyCaptions, layout.keyCaptions);
  EXPECT_EQ(read->upperCase, layout.upperCase);
  EXPECT_EQ(read->keyboardColour, layout.keyboardColour);
  EXPECT_EQ(read->fontName, layout.fontName);
  EXPECT_EQ(read->fontStyle, layout.fontStyle);
  EXPECT_EQ(read->fontSize, layout.fontSize);
}

TEST(KeyboardRecord, RefusesShortRecordsAndWrongMagic) {
  const std::string good = AsBytes(SerializeKeyboard(DesignLayout()));
  EXPECT_TRUE(ParseKeyboard(good));
  EXPECT_FALSE(ParseKeyboard(good.substr(0, 100)));
  EXPECT_FALSE(ParseKeyboard(good.substr(0, 175)));
  EXPECT_TRUE(ParseKeyboard(good + "extra bytes after the record"));
  for (std::size_t at = 148; at < 168; ++at) {
    std::string changed = good;
    changed[at] = static_cast<char>(changed[at] ^ 0x20);
    EXPECT_FALSE(ParseKeyboard(changed)) << "magic changed at " << at;
  }
  std::string firstWords = good;
  std::memset(&firstWords[148 + 12], 0, 8);  // only "KLTP TECLADO"
  EXPECT_FALSE(ParseKeyboard(firstWords));
  std::string longer = good;
  longer[168] = 'X';  // "KLTP TECLADO LURIMBAX"
  EXPECT_FALSE(ParseKeyboard(longer));
}

TEST(KeyboardRecord, FieldsAreReadWithinTheirBounds) {
  std::string bytes = AsBytes(SerializeKeyboard(DesignLayout()));
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

struct FontSizeCase {
  std::int32_t stored;
  std::int32_t read;
  const char* name;
};

class KeyboardFontSize : public ::testing::TestWithParam<FontSizeCase> {};

// Sizes from a file are brought into 6..72 points; none at all stays none.
TEST_P(KeyboardFontSize, IsBroughtIntoRange) {
  KeyboardLayout layout = DesignLayout();
  layout.fontSize = GetParam().stored;
  const auto read = ParseKeyboard(AsBytes(SerializeKeyboard(layout)));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->fontSize, GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyboardFontSize,
    ::testing::Values(FontSizeCase{2147483647, 72, "Largest"}, FontSizeCase{73, 72, "JustAbove"},
                      FontSizeCase{72, 72, "Top"}, FontSizeCase{6, 6, "Bottom"},
                      FontSizeCase{5, 6, "JustBelow"}, FontSizeCase{1, 6, "One"},
                      FontSizeCase{0, 0, "None"}, FontSizeCase{-3, 0, "Negative"},
                      FontSizeCase{-2147483647 - 1, 0, "Smallest"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyboardRecord, FixedKeysAreTheFiveBasicVowels) {
  for (int key = 1; key <= kKeyCount; ++key) {
    const std::string& caption = DesignKeyCaptions()[key - 1];
    const bool basicVowel =
        caption == "a" || caption == "e" || caption == "i" || caption == "o" || caption == "u";
    EXPECT_EQ(IsFixedKey(key), basicVowel) << key;
  }
}
