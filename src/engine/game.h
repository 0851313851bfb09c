// The game in progress: the word list, the state of the word in play and the
// players, with the rules that move them. Windows call in; the game answers
// through the view, the sound player and the prompter.
#pragma once

#include <functional>
#include <string>

#include "charset.h"
#include "game_state.h"
#include "game_view.h"
#include "players.h"
#include "prompter.h"
#include "sound_player.h"
#include "word_draw.h"
#include "word_list.h"

enum class PressResult { Ignored, Correct, Wrong, Solved, SolvedWithFailures, Lost };

class Game {
 public:
  Game(GameView& view, SoundPlayer& sound, Prompter& prompter);

  WordList words;
  GameState state;
  PlayerTable players;
  WordDraw draw;
  std::string currentTheme;  // the theme recorded with results

  // Starting a word (abandons the one in play without counting it).
  void StartWord();
  void StartWordInMode(int mode);

  // Menu commands of the hiding modes and the game options.
  void ChooseMode(int mode);
  void SetVowelsOnly(bool on);
  void ToggleIgnorePressedLetters();
  void ToggleRevealAll();
  void SetAllowedFailures(int failures);

  // Judging one letter.
  PressResult PressLetter(char c);

  // The end of a word, turns and points.
  void ShowPoints();
  void PreviousPlayer();
  void NextPlayer();

  // Word lists. Paths are Windows-1252.
  bool LoadWordFileReporting(const std::string& path);
  bool ChooseWordFile(const std::string& pattern);
  void ReadWordFileCommand(const std::string& startDirectory);
  // Reads a configuration file; true when it was read, with the list path it names.
  using ConfigReader = std::function<bool(const std::string& file, std::string& listPath)>;
  // The word list of the start-up; false when the program has to end.
  bool LoadStartupWordList(const ConfigReader& readConfig);

 private:
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

  GameView& view_;
  SoundPlayer& sound_;
  Prompter& prompter_;
};

// The clock of the word in play: "%3d : %02d", minutes shown as 999 at most.
std::string ElapsedText(int seconds);
