// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Recording stand-ins for the main window, the sounds and the message boxes, and
// a game wired to them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game.h"
#include "game_view.h"
#include "prompter.h"
#include "sound_player.h"

// Every call the game made on the three fakes, in order, as text ("ShowBrokenFloor 3").
struct CallLog {
  std::vector<std::string> entries;

  // Appends the name and each argument, separated by spaces (flags as 0 and 1).
  template <class... Args>
  void Add(const std::string& name, const Args&... args) {
    std::ostringstream entry;
    entry << name;
    ((entry << ' ' << args), ...);
    entries.push_back(entry.str());
  }
  // The index of the first entry at or after `from` that starts with `prefix`, or -1.
  int Find(const std::string& prefix, int from = 0) const;
  int Count(const std::string& prefix) const;
};

// Keeps what the main window would show; each call also goes to the log.
class FakeView : public GameView {
 public:
  explicit FakeView(CallLog& log) : log_(log) {}

  std::string wordText, hintText, themeText, themeTooltip, playerName, pointsText;
  std::vector<std::string> themes;
  int chances = -1, solvedCounter = -1, failedCounter = -1;
  Settings shown;                      // the options the menus last showed
  std::array<char, 6> failedLabels{};  // labels 1..5; 0 when empty
  std::array<bool, 7> floor{};         // broken pieces 1..6
  bool vowelOptionsEnabled = false, ending = false;

  void SetWordText(const std::string& t) override { log_.Add("SetWordText", wordText = t); }
  void ShowRevealedWord(const std::string& t) override {
    log_.Add("ShowRevealedWord", wordText = t);
  }
  void SetHintText(const std::string& t) override { log_.Add("SetHintText", hintText = t); }
  void SetThemeText(const std::string& t) override { log_.Add("SetThemeText", themeText = t); }
  void SetThemeTooltip(const std::string& p) override {
    log_.Add("SetThemeTooltip", themeTooltip = p);
  }
  void AddTheme(const std::string& theme) override {
    themes.push_back(theme);
    log_.Add("AddTheme", theme);
  }
  void ShowSolvedWord() override { log_.Add("ShowSolvedWord"); }
  void HideSceneFrames() override { log_.Add("HideSceneFrames"), floor.fill(false); }
  void HideBrokenFloor() override { log_.Add("HideBrokenFloor"), floor.fill(false); }
  void ShowBrokenFloor(int piece) override {
    log_.Add("ShowBrokenFloor", piece);
    EXPECT_TRUE(piece >= 1 && piece <= 6) << "no floor piece " << piece;
    floor.at(piece) = true;
  }
  void SetTimeText(const std::string& t) override { log_.Add("SetTimeText", t); }
  void SetChances(int value) override { log_.Add("SetChances", chances = value); }
  void SetFailedLetter(int label, char c) override {
    log_.Add("SetFailedLetter", label, c);
    EXPECT_TRUE(label >= 1 && label <= 5) << "no wrong-letter label " << label;
    failedLabels.at(label) = c;
  }
  void ClearFailedLetters() override { log_.Add("ClearFailedLetters"), failedLabels.fill(0); }
  void SetWordCounters(int solved, int failed) override {
    log_.Add("SetWordCounters", solvedCounter = solved, failedCounter = failed);
  }
  void SetPlayerName(const std::string& n) override { log_.Add("SetPlayerName", playerName = n); }
  void SetPointsText(const std::string& t) override { log_.Add("SetPointsText", pointsText = t); }
  // Only the mode goes to the log: the other marks are checked through `shown`.
  void ShowSettings(const Settings& settings) override {
    log_.Add("ShowSettings", settings.hideMode);
    shown = settings;
  }
  void SetVowelOptionsEnabled(bool on) override {
    log_.Add("SetVowelOptionsEnabled", vowelOptionsEnabled = on);
  }
  void ShowVowelOverlay(bool show) override { log_.Add("ShowVowelOverlay", show); }
  void SetBusyCursor(bool on) override { log_.Add("SetBusyCursor", on); }
  void QuitProgram() override { log_.Add("QuitProgram"), ending = true; }
  bool ProgramEnding() const override { return ending; }

 private:
  CallLog& log_;
};

class FakeSound : public SoundPlayer {
 public:
  explicit FakeSound(CallLog& log) : log_(log) {}
  std::vector<std::pair<SoundId, PlayMode>> played;
  void Play(SoundId id, PlayMode mode) override {
    played.emplace_back(id, mode);
    log_.Add("Play", kNames[static_cast<int>(id)], kModes[static_cast<int>(mode)]);
  }
  void Stop() override { log_.Add("StopSound"); }

 private:
  static constexpr const char* kNames[] = {"LetraCorrecta", "LetraFallada", "SonidoTecla",
                                           "Acierto"};
  static constexpr const char* kModes[] = {"Sync", "Async", "Loop"};
  CallLog& log_;
};

struct Message {
  std::string kind;  // Stop, Info, Question, Plain
  std::string text;
  std::string caption;
  bool operator==(const Message&) const = default;
};

inline void PrintTo(const Message& m, std::ostream* out) {
  *out << m.kind << " \"" << m.text << "\" (" << m.caption << ")";
}

// What the game says before it ends for want of a list it can play.
inline const Message kNoValidList{
    "Plain",
    "\nAl no disponer de archivo de palabras correcto, \n\neste programa va a finalizar.\n", ""};

// Answers the file dialogs from a queue, and throws when the queue is empty
// (a dialog shown once too often) or when a question is asked.
class FakePrompter : public Prompter {
 public:
  explicit FakePrompter(CallLog& log) : log_(log) {}
  std::vector<Message> messages;
  std::deque<std::optional<std::string>> files;  // nullopt = the user cancels
  std::vector<OpenFileRequest> requests;
  std::function<void()> onAsk;  // runs each time a file dialog opens

  void Stop(const std::string& text, const std::string& caption) override {
    Record("Stop", text, caption);
  }
  void Info(const std::string& text, const std::string& caption) override {
    Record("Info", text, caption);
  }
  bool Question(const std::string& text, const std::string& caption) override;
  void Plain(const std::string& text) override { Record("Plain", text, ""); }
  void Beep() override { log_.Add("Beep"); }
  std::optional<std::string> AskOpenFile(const OpenFileRequest& request) override {
    return Ask("AskOpenFile", request);
  }
  std::optional<std::string> AskSaveFile(const SaveFileRequest& request) override {
    return Ask("AskSaveFile", request);
  }

 private:
  void Record(const std::string& kind, const std::string& text, const std::string& caption) {
    messages.push_back({kind, text, caption});
    log_.Add(kind, caption);
  }
  std::optional<std::string> Ask(const std::string& name, const OpenFileRequest& request);
  CallLog& log_;
};

// What no command of the game sets up: a list given word by word, a state
// half-way through a word, counters near their limits.
struct GameTestAccess {
  static WordList& Words(Game& game) { return game.words_; }
  static GameState& State(Game& game) { return game.state_; }
  static PlayerTable& Players(Game& game) { return game.players_; }
  static Settings& Options(Game& game) { return game.settings_; }
  static WordDraw& Draw(Game& game) { return game.draw_; }
  static std::string& Theme(Game& game) { return game.currentTheme_; }
};

// A game on the fakes, with a word draw the test controls: the queued numbers
// first, then 0, 1, 2, ... so every slot comes up in turn.
struct Harness {
  CallLog log;
  FakeView view{log};
  FakeSound sound{log};
  FakePrompter prompter{log};
  Game game{view, sound, prompter};
  std::deque<int> randoms;
  int counter = 0;

  Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;
  WordList& words() { return GameTestAccess::Words(game); }
  GameState& state() { return GameTestAccess::State(game); }
  PlayerTable& players() { return GameTestAccess::Players(game); }
  Settings& settings() { return GameTestAccess::Options(game); }

  // A loaded list of these words (as written, marks included), hint k = "pista k".
  void UseWords(const std::vector<std::string>& rawWords, const std::string& theme = "Animales");
  // Every slot of a ten-word list holds `rawWord`; starts a word in `mode`.
  void StartOnly(const std::string& rawWord, int mode);
  std::vector<PressResult> Press(const std::string& letters,
                                 InputSource source = InputSource::PhysicalKeyboard);
  // Presses the hidden letters still to find until the word ends.
  PressResult SolveWord();
  // Presses wrong letters (none of them in `avoid`) until the word is lost.
  PressResult FailWord(const std::string& avoid);
};

inline std::vector<std::string> Repeat(const std::string& word) {
  return std::vector<std::string>(10, word);
}
