// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "charset.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <set>
#include <string>
#include <tuple>

namespace {

// Windows-1252 bytes of characters written as Unicode (all below U+0100).
std::set<unsigned char> Bytes(std::u32string_view chars) {
  std::set<unsigned char> bytes;
  for (char32_t c : chars)
    bytes.insert(static_cast<unsigned char>(c));
  return bytes;
}

const std::u32string kAccentedVowels = U"ÀÁÂÄÈÉÊËÌÍÎÏÒÓÔÖÙÚÛÜàáâäèéêëìíîïòóôöùúûü";

std::set<unsigned char> Vowels() {
  return Bytes(U"AEIOUaeiou" + kAccentedVowels);
}

std::set<unsigned char> Consonants() {
  return Bytes(U"BCDFGHJKLMNPQRSTVWXYZbcdfghjklmnpqrstvwxyzÑñ");
}

std::set<unsigned char> WordLetters() {
  return Bytes(U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÇçÑñ$'£" + kAccentedVowels);
}

// A byte converted by the C library from one code page to the other, or -1 when
// the other has no such character.
int Convert(const char* from, const char* to, int byte) {
  iconv_t cd = iconv_open(to, from);
  char in = static_cast<char>(byte), out[8];
  char *inAt = &in, *outAt = out;
  std::size_t inLeft = 1, outLeft = sizeof out;
  const bool done = iconv(cd, &inAt, &inLeft, &outAt, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return done && outAt == out + 1 ? static_cast<unsigned char>(out[0]) : -1;
}

std::string One(int byte) {
  return std::string(1, static_cast<char>(byte));
}

TEST(CharsetTest, ClassesOverEveryByte) {
  const auto vowels = Vowels(), consonants = Consonants(), letters = WordLetters();
  ASSERT_EQ(vowels.size(), 50u);
  ASSERT_EQ(consonants.size(), 44u);
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b);
    EXPECT_EQ(IsVowel(c), vowels.count(b) == 1);
    EXPECT_EQ(IsConsonant(c), consonants.count(b) == 1);
    EXPECT_EQ(IsWordLetter(c), letters.count(b) == 1);
  }
}

TEST(CharsetTest, EveryCharacterOfBothCodePagesConverts) {
  int shared = 0;
  for (int b = 0; b < 0x100; ++b) {
    // A character the other code page has no place for becomes a plain look-alike.
    for (const auto& [from, to, convert] :
         {std::tuple{"CP850", "CP1252", &OemToAnsi}, std::tuple{"CP1252", "CP850", &AnsiToOem}}) {
      const int expected = Convert(from, to, b);
      const std::string converted = convert(One(b));
      if (expected < 0)
        EXPECT_LT(static_cast<unsigned char>(converted[0]), 0x80) << from << " byte " << b;
      else
        EXPECT_EQ(converted, One(expected)) << from << " byte " << b;
      shared += b >= 0x80 && expected >= 0;
    }
  }
  EXPECT_EQ(shared, 2 * 97);  // 0xA0..0xFF and ƒ exist in both
}

TEST(CharsetTest, Utf8) {
  EXPECT_EQ(AnsiToUtf8("\xF1"
                       "and\xFA \x80"),
            "ñandú €");
  bool lossless = false;
  EXPECT_EQ(Utf8ToAnsi("¡Pingüino!", &lossless), "\xA1Ping\xFCino!");
  EXPECT_TRUE(lossless);
  EXPECT_EQ(Utf8ToAnsi("a中b", &lossless), "a?b");
  EXPECT_FALSE(lossless);
  EXPECT_EQ(UnicodeToAnsi(0x20AC), 0x80);
  EXPECT_EQ(UnicodeToAnsi(0x4E2D), -1);
  // A file name keeps every byte through UTF-8 and back, the five unassigned ones included.
  for (int b = 1; b < 256; ++b) {
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(One(b)), &lossless), One(b)) << "byte " << b;
    EXPECT_TRUE(lossless) << "byte " << b;
  }
}

}  // namespace
