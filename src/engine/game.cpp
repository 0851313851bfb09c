// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game.h"

#include <array>
#include <cstdio>

#include "charset.h"
#include "hide_rules.h"

namespace {

const char* const kNoListText =
    "\n\nNo hay archivo en memoria para jugar. Debes abrir un archivo de palabras.\n\n";
const char* const kNoMarksText =
    "\n\nEl archivo en memoria tiene palabras \"SIN marcas\".\n\nPor tanto, esta opción de "
    "juego no es posible.\n";
const char* const kNoVowelsText =
    "\nHay una o más palabras en el archivo, sin letras vocales. Imposible jugar con ellas en "
    "esta opción de juego.\nEl programa va a cambiar de opción de juego para continuar. "
    "\nDespués, puede elegir otra opción de juego.";
const char* const kNoConsonantsText =
    "\nHay una o más palabras en el archivo, sin letras consonantes. Imposible jugar con ellas "
    "en esta opción de juego.\nEl programa va a cambiar de opción de juego para continuar. "
    "\nDespués, puede elegir otra opción de juego.";
const char* const kNoPlayableWordText =
    "\n\nNinguna palabra del archivo en memoria se puede jugar con esta opción de juego.\n\nPor "
    "tanto, el programa va a cambiar de opción de juego.\n";

bool ValidMode(int mode) {
  return mode >= kHideVowels && mode <= kHideMarked;
}

}  // namespace

std::string ElapsedText(int seconds) {
  int minutes = seconds / 60;
  if (minutes > 999)
    minutes = 999;
  char text[32];
  std::snprintf(text, sizeof text, "%3d : %02d", minutes, seconds % 60);
  return text;
}

Game::Game(GameView& view, SoundPlayer& sound, Prompter& prompter)
    : view_(view), sound_(sound), prompter_(prompter) {
  players_.records[0].name = kNoName;
  players_.scores[1].name = kNoName;
  ResetPuzzles(puzzle_);
}

void Game::SetRandomSource(std::function<int()> source) {
  draw_.SetRandomSource(std::move(source));
}

bool Game::Tick() {
  if (!state_.wordInPlay)
    return false;
  ++state_.elapsedSeconds;
  view_.SetTimeText(ElapsedText(state_.elapsedSeconds));
  return true;
}

void Game::StartWord() {
  StartWordInMode(ValidMode(settings_.hideMode) ? settings_.hideMode : 4);
}

void Game::StartWordInMode(int mode) {
  if (!ValidMode(mode))
    mode = kHideFewLetters;
  state_.helpContext = kModeHelpContext[mode];
  settings_.hideMode = mode;
  view_.ShowSettings(settings_);
  state_.wordAllowedFailures =
      mode == kHideVowels && settings_.vowelsOnly ? 2 : settings_.allowedFailures;
  if (words_.wordCount < 1)
    return;  // no list: nothing can be drawn

  // Every slot that cannot be played is remembered, so that a list with no
  // playable word stops the draw instead of drawing for ever.
  std::array<bool, kMaxWords + 1> unplayable{};
  int unplayableCount = 0;
  while (!BuildDrawnWord(mode)) {
    if (!unplayable[state_.currentWord]) {
      unplayable[state_.currentWord] = true;
      ++unplayableCount;
    }
    if (unplayableCount >= words_.wordCount) {
      NoPlayableWord(mode);
      return;
    }
  }
  ResetWordDisplay();
  AfterModeRule(mode);
}

// Draws a word, shows its hint and theme and hides its letters. False when the
// word cannot be played in this mode.
bool Game::BuildDrawnWord(int mode) {
  ClearBuild(state_);
  const int k = draw_.DrawWord(words_.wordCount);
  state_.currentWord = k;
  const WordEntry& entry = words_.slots[k];
  view_.SetHintText("Pista: " + entry.hint);
  view_.SetThemeText("Tema: " + words_.theme);
  const int length = BuildWord(state_, mode, entry);
  if (length < 2 || length > static_cast<int>(kWordLength))
    return false;
  // Modes 1 and 2 report a word with nothing hidden; elsewhere a word with
  // nothing the player can give is drawn again.
  const bool reportsEmpty = mode == kHideVowels || mode == kHideConsonants;
  return reportsEmpty || FindableCount(state_) > 0;
}

void Game::NoPlayableWord(int mode) {
  if (mode != kHideFewLetters) {
    prompter_.Stop(Ansi(kNoPlayableWordText), kCaption);
    if (view_.ProgramEnding())
      return;
    StartWordInMode(kHideFewLetters);
    return;
  }
  QuitForNoValidList();
}

void Game::AfterModeRule(int mode) {
  const bool nothingHidden = state_.hiddenCount == 0;
  if ((mode == kHideVowels || mode == kHideConsonants) && nothingHidden) {
    prompter_.Plain(Ansi(mode == kHideVowels ? kNoVowelsText : kNoConsonantsText));
    if (view_.ProgramEnding())
      return;
    ChooseMode(kHideFewLetters);
    return;
  }
  view_.SetVowelOptionsEnabled(mode == kHideVowels);
}

void Game::ResetWordDisplay() {
  view_.HideSceneFrames();
  view_.SetWordText(state_.displayText);
  const PlayerRecord& record = players_.Current();
  view_.SetWordCounters(record.solvedTotal, record.failedTotal);
  state_.elapsedSeconds = 0;
  state_.foundCount = 0;
  state_.failureSteps = 0;
  state_.chancesLeft = state_.wordAllowedFailures;
  view_.SetChances(state_.chancesLeft);
  view_.ClearFailedLetters();
  view_.ShowVowelOverlay(settings_.colouredVowels);
  view_.SetPlayerName(record.name);
  state_.pressedLetters.clear();
  state_.failedLetters.clear();
  for (int i = 0; i < state_.hiddenCount; ++i) {
    if (FoundFromStart(state_.hiddenLetters[i])) {
      ++state_.foundCount;
      state_.hiddenLetters[i] = '.';
    }
  }
  state_.wordInPlay = true;
  ShowPoints();
  view_.AnnounceNewWord(state_.displayText);
}

void Game::ChooseMode(int mode) {
  if (!words_.loaded) {
    prompter_.Stop(Ansi(kNoListText), kCaption);
  } else if (mode == kHideMarked && !words_.allMarked) {
    prompter_.Stop(Ansi(kNoMarksText), kCaption);
  } else {
    StartWordInMode(mode);
    return;
  }
  view_.ShowSettings(settings_);  // a refused command leaves the marks as they were
}

void Game::SetVowelsOnly(bool on) {
  settings_.vowelsOnly = on;
  settings_.colouredVowels = on;
  view_.ShowSettings(settings_);
  view_.ShowVowelOverlay(on);
}

void Game::ToggleIgnorePressedLetters() {
  if (settings_.revealAllOccurrences)
    settings_.countRepeatedLetters = !settings_.countRepeatedLetters;
  view_.ShowSettings(settings_);
}

void Game::ToggleRevealAll() {
  settings_.revealAllOccurrences = !settings_.revealAllOccurrences;
  // Revealing one occurrence per press needs the same letter pressed again.
  if (!settings_.revealAllOccurrences)
    settings_.countRepeatedLetters = true;
  view_.ShowSettings(settings_);
}

void Game::SetAllowedFailures(int failures) {
  settings_.allowedFailures = failures;
  StartWord();
  view_.ShowSettings(settings_);
}

void Game::SetColouredVowels(bool on) {
  settings_.colouredVowels = on;
  view_.ShowSettings(settings_);
  view_.ShowVowelOverlay(on);
}

void Game::SetViewOption(bool ViewOptions::*option, bool on) {
  settings_.view.*option = on;
  view_.ShowSettings(settings_);
}

void Game::SetKeyboardUpperCase(bool upper) {
  settings_.keyboardUpperCase = upper;
  view_.ShowSettings(settings_);
}

void Game::SetWordFont(const WordFont& font) {
  settings_.wordFont = font;
  view_.ShowSettings(settings_);
}

void Game::SetBackground(BackgroundMode mode, const std::string& file) {
  settings_.backgroundMode = mode;
  settings_.backgroundFile = file;
}

void Game::ApplySettings(const Settings& settings) {
  settings_ = settings;
  view_.ShowSettings(settings_);
}

void Game::StartGroup(const std::array<std::string, kMaxPlayers>& names, const std::string& group,
                      const LocalDate& today) {
  ::StartGroup(players_, names, group, today);
}
