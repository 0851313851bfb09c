// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Character classes and code pages of the program's text.
//
// Text in memory is Windows-1252, one byte per character. Word lists and the
// names stored in results and points files are DOS code page 850 on disk.
#pragma once

#include <string>
#include <string_view>

// A, E, I, O, U in both cases, plain or with grave, acute, circumflex or diaeresis.
bool IsVowel(char c);
// The Spanish consonants in both cases, Ñ and ñ included; Ç and ç are not consonants.
bool IsConsonant(char c);
// What the physical keyboard may give to the game: letters, accented vowels,
// Ç, ç, Ñ, ñ and the three characters $ ' £.
bool IsWordLetter(char c);

// Windows-1252 <-> Unicode. UnicodeToAnsi gives -1 for a character the code page cannot hold.
char32_t AnsiToUnicode(char c);
int UnicodeToAnsi(char32_t u);

// Code page 850 <-> Windows-1252, byte by byte. A character the target code page
// has no place for becomes its nearest look-alike ('+' for box corners, '?' else).
std::string OemToAnsi(std::string_view oem);
std::string AnsiToOem(std::string_view ansi);

// Windows-1252 <-> UTF-8 (file names on disk are UTF-8). Utf8ToAnsi gives '?' for
// characters Windows-1252 cannot hold and reports it through `lossless`.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8, bool* lossless = nullptr);

// Turns a UTF-8 literal of the program's source into Windows-1252.
std::string Ansi(const char* utf8);
