// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Message boxes and the file dialogs, as the engine asks for them.
// All text is Windows-1252; paths are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kCaption = "Lurimba";

struct OpenFileRequest {
  std::string title;
  std::string pattern;               // folder and file pattern the dialog starts with
  std::vector<std::string> filters;  // "Archivo de palabras (*.lma)" ...
  std::string acceptLabel = {};      // the accept button's text; empty for the dialog's own
};
// The save dialog takes the same things; its pattern may also name the file it proposes. A
// name typed without the extension of the chosen filter gets it (the first filter's while
// the chosen one lists every file).
using SaveFileRequest = OpenFileRequest;

class Prompter {
 public:
  virtual ~Prompter() = default;
  // Stop icon, OK button.
  virtual void Stop(const std::string& text, const std::string& caption) = 0;
  // Information icon, OK button.
  virtual void Info(const std::string& text, const std::string& caption) = 0;
  // Question icon, Yes and No; true for Yes.
  virtual bool Question(const std::string& text, const std::string& caption) = 0;
  // The plain framework message: no icon, OK, the caption "Lurimba".
  virtual void Plain(const std::string& text) = 0;
  virtual void Beep() = 0;
  // The full path of an existing file, or nothing when the user cancels.
  virtual std::optional<std::string> AskOpenFile(const OpenFileRequest& request) = 0;
  // The full path (UTF-8) the user chose to write, in an existing folder, or nothing when
  // the user cancels. The file itself may or may not exist.
  virtual std::optional<std::string> AskSaveFile(const SaveFileRequest& request) = 0;
};
