// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in progress: the word list, the options, the word in play and the
// players, with the rules that move them. Windows call its commands and read
// its state; the game answers through the view, the sound player and the
// prompter. It is the only writer of its state.
#pragma once

#include <functional>
#include <string>

#include "charset.h"
#include "game_state.h"
#include "game_view.h"
#include "player_entry.h"
#include "players.h"
#include "prompter.h"
#include "puzzle.h"
#include "settings.h"
#include "sound_player.h"
#include "word_draw.h"
#include "word_list.h"

// What a press did. A finished word waits for the window's dialog: the game
// goes on with ContinueAfterOutcome once the player has answered it.
enum class PressResult {
  Ignored,
  Correct,
  Wrong,
  SolvedClean,         // the exit animation plays, then the solved dialog opens
  SolvedWithFailures,  // the solved dialog opens at once
  Lost,                // the failed dialog opens
};

class Game {
 public:
  Game(GameView& view, SoundPlayer& sound, Prompter& prompter);

  const WordList& words() const { return words_; }
  const GameState& state() const { return state_; }
  const PlayerTable& players() const { return players_; }
  const Settings& settings() const { return settings_; }
  const std::string& currentTheme() const { return currentTheme_; }  // recorded with results
  const PuzzleState& puzzle() const { return puzzle_; }

  // The folder that relative file names are read from (UTF-8).
  void SetGameFolder(const std::string& folder) { gameFolder_ = folder; }
  // Tests replace the word draw's random numbers.
  void SetRandomSource(std::function<int()> source);

  // The word clock: one more second of the word in play. False when no word is in play.
  bool Tick();

  // Starting a word (abandons the one in play without counting it).
  void StartWord();
  void StartWordInMode(int mode);

  // Menu commands of the hiding modes and the game options.
  void ChooseMode(int mode);
  void SetVowelsOnly(bool on);
  void ToggleIgnorePressedLetters();
  void ToggleRevealAll();
  void SetAllowedFailures(int failures);
  // Options that only change what the windows show.
  void SetColouredVowels(bool on);
  void SetViewOption(bool ViewOptions::*option, bool on);
  void SetKeyboardUpperCase(bool upper);
  void SetWordFont(const WordFont& font);
  // The look of the screen, as the background commands and the configuration set it.
  void SetWindowColour(std::uint32_t colour) { settings_.windowColour = colour; }
  void SetBackground(BackgroundMode mode, const std::string& file);
  // Every option at once, as a configuration file gives them.
  void ApplySettings(const Settings& settings);
  // The word list the next start opens (the configuration names it).
  void SetListPath(const std::string& path) { words_.listPath = path; }
  void SetHelpContext(int context) { state_.helpContext = context; }

  // Judging one letter given by a key, a coloured vowel or the real keyboard.
  PressResult PressLetter(char c, InputSource source);
  // The exit animation of a clean solve has played to its end.
  void ExitAnimationDone();
  // "Seguir" of the solved or failed dialog: the next word.
  void ContinueAfterOutcome();

  // The picture puzzle: one step after a clean solve; "Jugar" starts the pictures again.
  void AdvancePuzzle(PuzzleView& view);
  void RestartPuzzles() { ::RestartPuzzles(puzzle_); }

  // Players, turns and points.
  void StartGroup(const std::array<std::string, kMaxPlayers>& names, const std::string& group,
                  const LocalDate& today);
  void ShowPoints();
  // The records as the results window left them (zeroed, exchanged, dated), and
  // the theme it stored them with.
  void SetPlayerRecords(const std::array<PlayerRecord, kMaxPlayers>& records) {
    players_.records = records;
  }
  void SetCurrentTheme(const std::string& theme) { currentTheme_ = theme; }
  void PreviousPlayer();
  void NextPlayer();

  // Word lists. Paths are UTF-8; relative ones are in the game folder.
  bool LoadWordFileReporting(const std::string& path);
  bool ChooseWordFile(const std::string& pattern);
  void ReadWordFileCommand();
  // Reads a configuration file; true when it was read, with the list path it names.
  using ConfigReader = std::function<bool(const std::string& file, std::string& listPath)>;
  // The word list of the start-up; false when the program has to end.
  bool LoadStartupWordList(const ConfigReader& readConfig);

 private:
  friend struct GameTestAccess;  // tests set up lists and states no command makes

  bool BuildDrawnWord(int mode);
  void ResetWordDisplay();
  void NoPlayableWord(int mode);
  void AfterModeRule(int mode);
  void WordSolved();
  void WordSolvedWithFailures();
  void WordFailed();
  void RecordWrongLetter(char c);
  void ShowCurrentPlayer();
  bool AcceptStartupCount();
  void QuitForNoValidList();
  std::string InGameFolder(const std::string& path) const;

  GameView& view_;
  SoundPlayer& sound_;
  Prompter& prompter_;
  WordList words_;
  GameState state_;
  PlayerTable players_;
  Settings settings_;
  PuzzleState puzzle_;
  WordDraw draw_;
  std::string currentTheme_;
  std::string gameFolder_;
};

// The clock of the word in play: "%3d : %02d", minutes shown as 999 at most.
std::string ElapsedText(int seconds);
