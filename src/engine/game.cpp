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
  players.records[0].name = kNoName;
  players.scores[1].name = kNoName;
}

void Game::StartWord() {
  StartWordInMode(ValidMode(state.hideMode) ? state.hideMode : 4);
}

void Game::StartWordInMode(int mode) {
  if (!ValidMode(mode))
    mode = kHideFewLetters;
  state.helpContext = kModeHelpContext[mode];
  state.hideMode = mode;
  view_.SetModeChecked(mode);
  state.wordAllowedFailures = mode == kHideVowels && state.vowelsOnly ? 2 : state.allowedFailures;
  if (words.wordCount < 1)
    return;  // no list: nothing can be drawn

  // Every slot that cannot be played is remembered, so that a list with no
  // playable word stops the draw instead of drawing for ever.
  std::array<bool, kMaxWords + 1> unplayable{};
  int unplayableCount = 0;
  while (!BuildDrawnWord(mode)) {
    if (!unplayable[state.currentWord]) {
      unplayable[state.currentWord] = true;
      ++unplayableCount;
    }
    if (unplayableCount >= words.wordCount) {
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
  ClearBuild(state);
  const int k = draw.DrawWord(words.wordCount);
  state.currentWord = k;
  const WordEntry& entry = words.slots[k];
  view_.SetHintText("Pista: " + entry.hint);
  view_.SetThemeText("Tema: " + words.theme);
  const int length = BuildWord(state, mode, entry);
  if (length < 2 || length > static_cast<int>(kWordLength))
    return false;
  // Modes 1 and 2 report a word with nothing hidden; elsewhere a word with
  // nothing the player can give is drawn again.
  const bool reportsEmpty = mode == kHideVowels || mode == kHideConsonants;
  return reportsEmpty || FindableCount(state) > 0;
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
  const bool nothingHidden = state.hiddenCount == 0;
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
  view_.SetWordText(state.displayText);
  const PlayerRecord& record = players.Current();
  view_.SetWordCounters(record.solvedTotal, record.failedTotal);
  state.elapsedSeconds = 0;
  state.foundCount = 0;
  state.failureSteps = 0;
  state.chancesLeft = state.wordAllowedFailures;
  view_.SetChances(state.chancesLeft);
  view_.ClearFailedLetters();
  view_.ShowVowelOverlay(view_.VowelMarksChecked());
  view_.SetPlayerName(record.name);
  state.pressedLetters.clear();
  state.failedLetters.clear();
  for (int i = 0; i < state.hiddenCount; ++i) {
    if (FoundFromStart(state.hiddenLetters[i])) {
      ++state.foundCount;
      state.hiddenLetters[i] = '.';
    }
  }
  state.wordInPlay = true;
  ShowPoints();
}

void Game::ChooseMode(int mode) {
  if (!words.loaded) {
    prompter_.Stop(Ansi(kNoListText), kCaption);
    return;
  }
  if (mode == kHideMarked && !words.allMarked) {
    prompter_.Stop(Ansi(kNoMarksText), kCaption);
    return;
  }
  StartWordInMode(mode);
}

void Game::SetVowelsOnly(bool on) {
  state.vowelsOnly = on;
  view_.SetVowelMarksChecked(on);
  view_.ShowVowelOverlay(on);
}

void Game::ToggleIgnorePressedLetters() {
  if (state.revealAllOccurrences)
    state.countRepeatedLetters = !state.countRepeatedLetters;
}

void Game::ToggleRevealAll() {
  state.revealAllOccurrences = !state.revealAllOccurrences;
  // Revealing one occurrence per press needs the same letter pressed again.
  if (!state.revealAllOccurrences)
    state.countRepeatedLetters = true;
}

void Game::SetAllowedFailures(int failures) {
  state.allowedFailures = failures;
  StartWord();
}
