// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "charset.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

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

// Code page 850, bytes 0x80..0xFF, as Unicode.
constexpr std::array<char32_t, 128> kCp850 = {
    0xC7,   0xFC,   0xE9,   0xE2,   0xE4,   0xE0,   0xE5,   0xE7,   0xEA,   0xEB,   0xE8,   0xEF,
    0xEE,   0xEC,   0xC4,   0xC5,   0xC9,   0xE6,   0xC6,   0xF4,   0xF6,   0xF2,   0xFB,   0xF9,
    0xFF,   0xD6,   0xDC,   0xF8,   0xA3,   0xD8,   0xD7,   0x192,  0xE1,   0xED,   0xF3,   0xFA,
    0xF1,   0xD1,   0xAA,   0xBA,   0xBF,   0xAE,   0xAC,   0xBD,   0xBC,   0xA1,   0xAB,   0xBB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0xC1,   0xC2,   0xC0,   0xA9,   0x2563, 0x2551, 0x2557,
    0x255D, 0xA2,   0xA5,   0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0xE3,   0xC3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0xA4,   0xF0,   0xD0,   0xCA,   0xCB,
    0xC8,   0x131,  0xCD,   0xCE,   0xCF,   0x2518, 0x250C, 0x2588, 0x2584, 0xA6,   0xCC,   0x2580,
    0xD3,   0xDF,   0xD4,   0xD2,   0xF5,   0xD5,   0xB5,   0xFE,   0xDE,   0xDA,   0xDB,   0xD9,
    0xFD,   0xDD,   0xAF,   0xB4,   0xAD,   0xB1,   0x2017, 0xBE,   0xB6,   0xA7,   0xF7,   0xB8,
    0xB0,   0xA8,   0xB7,   0xB9,   0xB3,   0xB2,   0x25A0, 0xA0};

// The Windows-1252 byte of a Unicode character, or -1 (only what code page 850 can hold matters).
int Ansi1252(char32_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
    return static_cast<int>(u);
  return u == 0x192 ? 0x83 : -1;  // ƒ
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

TEST(CharsetTest, EveryCharacterOfBothCodePagesRoundTrips) {
  for (int b = 0; b < 0x80; ++b)
    EXPECT_EQ(OemToAnsi(One(b)) + AnsiToOem(One(b)), One(b) + One(b));
  int shared = 0;
  std::set<int> ansiReached;
  for (int b = 0x80; b < 0x100; ++b) {
    const int ansi = Ansi1252(kCp850[b - 0x80]);
    const std::string converted = OemToAnsi(One(b));
    if (ansi < 0) {  // no place in Windows-1252: a plain look-alike
      EXPECT_LT(static_cast<unsigned char>(converted[0]), 0x80) << "850 byte " << b;
      continue;
    }
    ++shared;
    ansiReached.insert(ansi);
    EXPECT_EQ(converted, One(ansi)) << "850 byte " << b;
    EXPECT_EQ(AnsiToOem(One(ansi)), One(b)) << "850 byte " << b;
  }
  // Every character of 0xA0..0xFF and ƒ exists in both.
  EXPECT_EQ(shared, 97);
  EXPECT_EQ(ansiReached.size(), 97u);
  for (int b = 0x80; b < 0xA0; ++b) {
    if (b == 0x83)
      continue;
    EXPECT_LT(static_cast<unsigned char>(AnsiToOem(One(b))[0]), 0x80) << "1252 byte " << b;
  }
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
