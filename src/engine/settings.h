// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every option of the program in one value, with its defaults. The menus show
// it; the configuration file reads and writes it.
#pragma once

#include <cstdint>
#include <string>

// The look of the word font; a style is a set of the bits below.
inline constexpr int kFontBold = 1;
inline constexpr int kFontItalic = 2;
inline constexpr int kFontUnderline = 4;
inline constexpr int kFontStrikeOut = 8;

struct WordFont {
  std::string name = "Times New Roman";  // Windows-1252
  int style = kFontItalic;
  int pointSize = 30;
  std::uint32_t colour = 0x00FFFFFF;  // 0x00BBGGRR

  bool operator==(const WordFont&) const = default;
};

// Which parts of the main window show ("Ver" menu).
struct ViewOptions {
  bool theme = true;
  bool hint = true;
  bool time = true;
  bool points = true;
  bool groupPoints = true;
  bool wordCounters = true;
  bool failedLetters = true;
  bool chances = true;
  bool currentPlayer = true;
  bool keyboard = true;

  bool operator==(const ViewOptions&) const = default;
};

enum class BackgroundMode : int { Colour = 1, Picture = 2, Texture = 3 };

struct Settings {
  // The four game options.
  int allowedFailures = 5;  // 2 or 5 wrong letters per word
  bool vowelsOnly = false;  // in mode 1, only vowels are judged
  bool countRepeatedLetters = false;
  bool revealAllOccurrences = true;

  int hideMode = 4;  // HideMode; the start-up mode
  ViewOptions view;
  bool colouredVowels = false;  // "Ver las vocales coloreadas"
  bool keyboardUpperCase = false;

  // The look of the screen.
  std::uint32_t windowColour = 0x00595900;  // 0x00BBGGRR: RGB(0, 89, 89)
  BackgroundMode backgroundMode = BackgroundMode::Colour;
  std::string backgroundFile;  // UTF-8 path of the picture or texture
  WordFont wordFont;

  bool operator==(const Settings&) const = default;
};
