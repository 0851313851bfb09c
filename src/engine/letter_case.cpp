// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "letter_case.h"

#include <array>

namespace {

struct CaseTables {
  std::array<unsigned char, 256> upper;
  std::array<unsigned char, 256> lower;
};

constexpr void Pair(CaseTables& tables, int capital, int small) {
  tables.upper[small] = static_cast<unsigned char>(capital);
  tables.lower[capital] = static_cast<unsigned char>(small);
}

constexpr CaseTables MakeTables() {
  CaseTables tables{};
  for (int c = 0; c < 256; ++c) {
    tables.upper[c] = static_cast<unsigned char>(c);
    tables.lower[c] = static_cast<unsigned char>(c);
  }
  for (int c = 'A'; c <= 'Z'; ++c)
    Pair(tables, c, c + 0x20);
  // À..Þ and à..þ, but × and ÷ are signs, not letters.
  for (int c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7)
      Pair(tables, c, c + 0x20);
  }
  Pair(tables, 0x8A, 0x9A);  // Š š
  Pair(tables, 0x8C, 0x9C);  // Œ œ
  Pair(tables, 0x8E, 0x9E);  // Ž ž
  Pair(tables, 0x9F, 0xFF);  // Ÿ ÿ
  return tables;
}

constexpr CaseTables kTables = MakeTables();

unsigned char Byte(char c) {
  return static_cast<unsigned char>(c);
}

}  // namespace

char ToUpper(char c) {
  return static_cast<char>(kTables.upper[Byte(c)]);
}

char ToLower(char c) {
  return static_cast<char>(kTables.lower[Byte(c)]);
}

std::string ToUpper(std::string text) {
  for (char& c : text)
    c = ToUpper(c);
  return text;
}

std::string ToLower(std::string text) {
  for (char& c : text)
    c = ToLower(c);
  return text;
}

bool HasCasePartner(char c) {
  return ToUpper(c) != c || ToLower(c) != c;
}
