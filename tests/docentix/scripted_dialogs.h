// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Dialogs that answer as a test says and remember every message (Windows-1252).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/prompter_qt.h"

struct ScriptedDialogs : Dialogs {
  struct Message {
    std::string text, caption;
  };
  void Stop(const std::string& text, const std::string& caption) override {
    messages.push_back({text, caption});
  }
  void Info(const std::string& text, const std::string& caption) override {
    messages.push_back({text, caption});
  }
  bool Question(const std::string& text, const std::string& caption) override {
    messages.push_back({text, caption});
    return true;
  }
  void Plain(const std::string& text) override { messages.push_back({text, "Lurimba"}); }
  void Beep() override {}
  std::optional<std::string> AskOpenFile(const OpenFileRequest&) override { return Next(toOpen); }
  std::optional<std::string> AskSaveFile(const SaveFileRequest&) override { return Next(toSave); }
  std::optional<QFont> AskFont(const QFont&) override { return std::nullopt; }
  std::optional<QColor> AskColor(const QColor&) override { return std::nullopt; }
  bool QuestionDefaultNo(const std::string& text, const std::string& caption) override {
    return Question(text, caption);
  }
  bool AskPrinter(QPrinter&) override { return false; }

  static std::optional<std::string> Next(std::deque<std::string>& files) {
    if (files.empty())
      return std::nullopt;
    std::string file = files.front();
    files.pop_front();
    return file;
  }

  std::vector<Message> messages;
  std::deque<std::string> toOpen, toSave;  // cancel when empty
};
