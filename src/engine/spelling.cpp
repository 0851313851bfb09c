// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spelling.h"

#include <array>
#include <vector>

#include "charset.h"
#include "letter_case.h"

namespace {

// Names of the letters a..z.
constexpr std::array<const char*, 26> kLatinNames = {
    "a",    "be", "ce",  "de",  "e",         "efe",   "ge",       "hache", "i",
    "jota", "ka", "ele", "eme", "ene",       "o",     "pe",       "cu",    "erre",
    "ese",  "te", "u",   "uve", "uve doble", "equis", "i griega", "zeta"};

// Marks over the vowels of Windows-1252, by their lower-case code.
struct MarkedLetter {
  unsigned char code;
  char base;
  const char* mark;
};
constexpr MarkedLetter kMarked[] = {
    {0xE0, 'a', "con acento grave"},
    {0xE1, 'a', "con tilde"},
    {0xE2, 'a', "con acento circunflejo"},
    {0xE3, 'a', "con virgulilla"},
    {0xE4, 'a', "con diéresis"},
    {0xE5, 'a', "con anillo"},
    {0xE7, 'c', "con cedilla"},
    {0xE8, 'e', "con acento grave"},
    {0xE9, 'e', "con tilde"},
    {0xEA, 'e', "con acento circunflejo"},
    {0xEB, 'e', "con diéresis"},
    {0xEC, 'i', "con acento grave"},
    {0xED, 'i', "con tilde"},
    {0xEE, 'i', "con acento circunflejo"},
    {0xEF, 'i', "con diéresis"},
    {0xF2, 'o', "con acento grave"},
    {0xF3, 'o', "con tilde"},
    {0xF4, 'o', "con acento circunflejo"},
    {0xF5, 'o', "con virgulilla"},
    {0xF6, 'o', "con diéresis"},
    {0xF9, 'u', "con acento grave"},
    {0xFA, 'u', "con tilde"},
    {0xFB, 'u', "con acento circunflejo"},
    {0xFC, 'u', "con diéresis"},
    {0xFD, 'y', "con tilde"},
    {0xFF, 'y', "con diéresis"},
};

// Signs a word can hold besides letters.
struct NamedSign {
  char c;
  const char* name;
};
constexpr NamedSign kSigns[] = {
    {' ', "espacio"},  {'-', "guion"}, {'\'', "apóstrofo"}, {'$', "dólar"},
    {'\xA3', "libra"}, {'.', "punto"}, {',', "coma"},       {'&', "y comercial"},
};

std::string LowerCaseName(char lower) {
  const auto code = static_cast<unsigned char>(lower);
  if (lower >= 'a' && lower <= 'z')
    return kLatinNames[lower - 'a'];
  if (code == 0xF1)
    return Ansi("eñe");
  for (const MarkedLetter& marked : kMarked) {
    if (marked.code == code)
      return std::string(kLatinNames[marked.base - 'a']) + " " + Ansi(marked.mark);
  }
  return {};
}

bool IsShownForm(const std::string& text) {
  if (text.empty() || text.size() % 2 != 0)
    return false;
  for (std::size_t i = 1; i < text.size(); i += 2) {
    if (text[i] != ' ')
      return false;
  }
  return true;
}

std::string Join(const std::vector<std::string>& parts) {
  std::string joined;
  for (const std::string& part : parts) {
    if (!joined.empty())
      joined += ", ";
    joined += part;
  }
  return joined;
}

std::string FailuresLeft(int chancesLeft) {
  if (chancesLeft <= 0)
    return "no quedan fallos";
  if (chancesLeft == 1)
    return "queda 1 fallo";
  return "quedan " + std::to_string(chancesLeft) + " fallos";
}

// The word itself from its shown form, said as a word once it is complete.
std::string WholeWord(const std::string& shown) {
  if (!IsShownForm(shown))
    return shown;
  std::string word;
  for (std::size_t i = 0; i < shown.size(); i += 2)
    word += shown[i];
  return word;
}

}  // namespace

std::string LetterName(char c) {
  const char lower = ToLower(c);
  std::string name = LowerCaseName(lower);
  if (!name.empty())
    return lower == c ? name : name + Ansi(" mayúscula");
  for (const NamedSign& sign : kSigns) {
    if (sign.c == c)
      return Ansi(sign.name);
  }
  return std::string(1, c);
}

std::string SpellShownWord(const std::string& shown) {
  std::vector<std::string> parts;
  if (IsShownForm(shown)) {
    for (std::size_t i = 0; i < shown.size(); i += 2)
      parts.push_back(shown[i] == '.' ? "hueco" : LetterName(shown[i]));
  } else {
    for (char c : shown)
      parts.push_back(LetterName(c));
  }
  return Join(parts);
}

std::string PressAnnouncement(char c, PressResult result, int chancesLeft,
                              const std::string& shown) {
  const std::string letter = LetterName(c);
  switch (result) {
    case PressResult::Ignored:
      return {};
    case PressResult::Correct:
      return letter + ", correcta: " + SpellShownWord(shown);
    case PressResult::SolvedClean:
    case PressResult::SolvedWithFailures:
      return letter + ", correcta. Palabra acertada: " + WholeWord(shown);
    case PressResult::Wrong:
      return letter + ", incorrecta, " + FailuresLeft(chancesLeft);
    case PressResult::Lost:
      return letter + ", incorrecta. Palabra fallada";
  }
  return {};
}
