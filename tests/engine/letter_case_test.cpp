// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Case of Windows-1252 letters, over all 256 codes.
#include "letter_case.h"

#include <gtest/gtest.h>

#include <set>

#include "charset.h"

namespace {

// Every pair of the code page: capital, small. ß and µ have no single capital.
std::set<std::pair<int, int>> CasePairs() {
  std::set<std::pair<int, int>> pairs;
  for (int c = 'A'; c <= 'Z'; ++c)
    pairs.insert({c, c + 32});
  for (int c = 0xC0; c <= 0xDE; ++c) {  // accented capitals, but × (0xD7)
    if (c != 0xD7)
      pairs.insert({c, c + 32});
  }
  pairs.insert({0x8A, 0x9A});  // Š š
  pairs.insert({0x8C, 0x9C});  // Œ œ
  pairs.insert({0x8E, 0x9E});  // Ž ž
  pairs.insert({0x9F, 0xFF});  // Ÿ ÿ
  return pairs;
}

char C(int code) {
  return static_cast<char>(code);
}

}  // namespace

TEST(LetterCase, EveryCodeMapsToItsPartnerOrItself) {
  const auto pairs = CasePairs();
  for (int code = 0; code < 256; ++code) {
    int upper = code;
    int lower = code;
    for (const auto& [capital, small] : pairs) {
      if (code == small)
        upper = capital;
      if (code == capital)
        lower = small;
    }
    EXPECT_EQ(ToUpper(C(code)), C(upper)) << "code " << code;
    EXPECT_EQ(ToLower(C(code)), C(lower)) << "code " << code;
    EXPECT_EQ(HasCasePartner(C(code)), upper != code || lower != code) << "code " << code;
  }
}

TEST(LetterCase, WholeCaptionsConvert) {
  EXPECT_EQ(ToUpper(Ansi("ña&&7ç")), Ansi("ÑA&&7Ç"));
  EXPECT_EQ(ToLower(Ansi("ÁÉÍÓÚÜ")), Ansi("áéíóúü"));
}
