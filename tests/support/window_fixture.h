// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real windows on the offscreen platform, with scripted dialogs, a
// recording sound player and a fresh copy of the game folder.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/program.h"
#include "platform/prompter_qt.h"
#include "support/play.h"

struct ShownMessage {
  std::string kind;  // "stop", "info", "question", "plain"
  std::string text;
  std::string caption;
  bool noDefault = false;                 // a question whose default button is No
  std::vector<std::string> buttons = {};  // a question with buttons of its own
};

// The next scripted answer; a cancel when the script has run out.
template <typename T>
std::optional<T> NextAnswer(std::deque<std::optional<T>>& script) {
  if (script.empty())
    return std::nullopt;
  std::optional<T> answer = script.front();
  script.pop_front();
  return answer;
}

class ScriptedDialogs : public Dialogs {
 public:
  void Stop(const std::string& text, const std::string& caption) override {
    messages.push_back({"stop", text, caption});
  }
  void Info(const std::string& text, const std::string& caption) override {
    messages.push_back({"info", text, caption});
  }
  bool Question(const std::string& text, const std::string& caption) override {
    messages.push_back({"question", text, caption});
    return NextAnswer(answers).value_or(false);
  }
  void Plain(const std::string& text) override { messages.push_back({"plain", text, kCaption}); }
  void Beep() override { ++beeps; }
  std::optional<std::string> AskOpenFile(const OpenFileRequest& request) override {
    fileRequests.push_back(request);
    return NextAnswer(filesToOpen);
  }
  std::optional<std::string> AskSaveFile(const SaveFileRequest&) override {
    return NextAnswer(filesToSave);
  }
  std::optional<QFont> AskFont(const QFont&, const QString& title = {}) override {
    fontAndColourTitles.push_back(title);
    return NextAnswer(fonts);
  }
  std::optional<QColor> AskColor(const QColor&, const QString& title = {}) override {
    fontAndColourTitles.push_back(title);
    return NextAnswer(colours);
  }
  bool QuestionDefaultNo(const std::string& text, const std::string& caption) override {
    const bool answer = Question(text, caption);
    messages.back().noDefault = true;
    return answer;
  }
  int Choose(const std::string& text, const std::string& caption,
             const std::vector<std::string>& buttons) override {
    messages.push_back({"choice", text, caption, false, buttons});
    return NextAnswer(choices).value_or(static_cast<int>(buttons.size()) - 1);
  }
  // Confirms with the next file of printTo as the PDF output; cancels when there is none.
  bool AskPrinter(QPrinter& printer) override;

  std::vector<ShownMessage> messages;
  std::deque<std::optional<bool>> answers;             // for Question; No when empty
  std::deque<std::optional<int>> choices;              // for Choose; its last button when empty
  std::deque<std::optional<std::string>> filesToOpen;  // nullopt = cancel; cancel when empty
  std::deque<std::optional<std::string>> filesToSave;  // the same for the save dialog
  std::deque<std::optional<QFont>> fonts;              // cancel when empty
  std::deque<std::optional<QColor>> colours;           // cancel when empty
  QStringList fontAndColourTitles;                     // font and colour dialogs, in order
  std::vector<OpenFileRequest> fileRequests;           // open dialogs, in order
  std::deque<QString> printTo;                         // PDF files for the print dialog
  int beeps = 0;
};

class RecordingSound : public SoundPlayer {
 public:
  void Play(SoundId id, PlayMode mode) override { played.push_back({id, mode}); }
  void Stop() override { ++stops; }
  std::vector<std::pair<SoundId, PlayMode>> played;
  int stops = 0;
};

// What the game hands to its voice: the text in UTF-8, and " (tras un acierto)" or
// " (tras un fallo)" when it waits for the sound of a right or a wrong letter.
class RecordingSpeech : public Speaker {
 public:
  void Say(const std::string& text, std::optional<SoundId> after) override;
  std::vector<std::string> said;
};

// Counts the show events a widget receives; with `spontaneous`, only those the window system
// sends (the program's own shows are not).
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget* widget, bool spontaneous = false) : spontaneous_(spontaneous) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    count += event->type() == QEvent::Show && (!spontaneous_ || event->spontaneous());
    return false;
  }
  int count = 0;

 private:
  bool spontaneous_;
};

// Minimises `window` and restores it as a user does, with the events in between; returns the
// shows the window system sent.
int MinimiseAndRestore(QWidget& window);

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the first tick of the game timer: the players window, answered with
  // `names` and "Jugar", then the start-up sequence.
  void StartUp(const std::vector<QString>& names = {});
  TForm_juego& main() { return *program->Form_juego; }
  Game& game() { return main().game(); }
  std::string LettersToFind() { return ::LettersToFind(game()); }
  char WrongLetter(int which = 0) { return ::WrongLetter(game(), which); }
  // Runs `action` while a modal window opened by it is answered by `answer`.
  void WhileModal(const std::function<void()>& action, const std::function<void()>& answer);
  // A key of the on-screen keyboard holding the focus, as after start-up: keys
  // typed on the real keyboard pass through it on their way to the window.
  QWidget* FocusedChild();
  // Minimises and restores the open `window`: what `opened` tells of it stays as it was.
  void ExpectKeptWhenRestored(QWidget& window, const std::function<std::string()>& opened);
  // Writes a word list into the game folder.
  void WriteList(const QString& name, const std::vector<std::string>& lines);

  bool timersStartedOnShow = false;
  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  RecordingSound sound;
  RecordingSpeech speech;
  std::unique_ptr<Program> program;
};
