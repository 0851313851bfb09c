// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game shows on the main window. The window implements it; the engine
// calls it in the order the game's rules give.
#pragma once

#include <string>

#include "settings.h"

class GameView {
 public:
  virtual ~GameView() = default;

  // Word, hint and theme.
  virtual void SetWordText(const std::string& text) = 0;
  // The word after a letter was found, drawn at once: a sound follows.
  virtual void ShowRevealedWord(const std::string& text) = 0;
  virtual void SetHintText(const std::string& text) = 0;
  virtual void SetThemeText(const std::string& text) = 0;
  virtual void SetThemeTooltip(const std::string& path) = 0;  // UTF-8
  virtual void AddTheme(const std::string& theme) = 0;
  // The solved word moves to the second label; the word and the hint are hidden.
  virtual void ShowSolvedWord() = 0;
  // A new word is in play, shown as `text`: a screen reader says it.
  virtual void AnnounceNewWord(const std::string& /*text*/) {}

  // Scene: floor pieces 1..6 and the exit frames.
  virtual void HideSceneFrames() = 0;  // exit frames and broken floor
  virtual void HideBrokenFloor() = 0;
  virtual void ShowBrokenFloor(int piece) = 0;

  // Counters.
  virtual void SetTimeText(const std::string& text) = 0;
  virtual void SetChances(int chances) = 0;
  virtual void SetFailedLetter(int label, char c) = 0;  // label 1..5
  virtual void ClearFailedLetters() = 0;
  virtual void SetWordCounters(int solved, int failed) = 0;
  virtual void SetPlayerName(const std::string& name) = 0;
  virtual void SetPointsText(const std::string& text) = 0;

  // Menus and keys: the marks follow the options; the vowel options are
  // offered only in the vowels mode.
  virtual void ShowSettings(const Settings& settings) = 0;
  virtual void SetVowelOptionsEnabled(bool enabled) = 0;
  virtual void ShowVowelOverlay(bool show) = 0;
  virtual void SetBusyCursor(bool busy) = 0;

  // The program's end.
  virtual void QuitProgram() = 0;
  virtual bool ProgramEnding() const = 0;
};
