// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Message boxes and standard dialogs of the program, owned by the window in use.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "prompter.h"

class QPrinter;

// The engine's prompter plus the dialogs only windows ask for.
class Dialogs : public Prompter {
 public:
  // An empty title leaves the dialog's own.
  virtual std::optional<QFont> AskFont(const QFont& initial, const QString& title = {}) = 0;
  virtual std::optional<QColor> AskColor(const QColor& initial, const QString& title = {}) = 0;
  // Question icon, Yes and No, with No as the default button; true for Yes.
  virtual bool QuestionDefaultNo(const std::string& text, const std::string& caption) = 0;
  // The print dialog for `printer`; true when the user confirmed it.
  virtual bool AskPrinter(QPrinter& printer) = 0;
  // A question with buttons of its own, their texts in order (Windows-1252), the first one the
  // default; the last one cancels, as Esc and the close box do. The index of the button
  // pressed; unless overridden, the last one.
  virtual int Choose(const std::string& /*text*/, const std::string& /*caption*/,
                     const std::vector<std::string>& buttons) {
    return static_cast<int>(buttons.size()) - 1;
  }
  // One or several existing files chosen at once; none when the user cancels. Unless
  // overridden, the one file AskOpenFile gives. Defined here, so that Dialogs has no function
  // of its own in one file: the printing module, which is handed one, then carries its own copy
  // of what the sanitizers' type checks look up.
  virtual std::vector<std::string> AskOpenFiles(const OpenFileRequest& request) {
    std::optional<std::string> file = AskOpenFile(request);
    return file ? std::vector<std::string>{*file} : std::vector<std::string>{};
  }
};

class QtDialogs : public Dialogs {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void Stop(const std::string& text, const std::string& caption) override;
  void Info(const std::string& text, const std::string& caption) override;
  bool Question(const std::string& text, const std::string& caption) override;
  void Plain(const std::string& text) override;
  void Beep() override;
  std::optional<std::string> AskOpenFile(const OpenFileRequest& request) override;
  std::optional<std::string> AskSaveFile(const SaveFileRequest& request) override;
  std::optional<QFont> AskFont(const QFont& initial, const QString& title = {}) override;
  std::optional<QColor> AskColor(const QColor& initial, const QString& title = {}) override;
  bool QuestionDefaultNo(const std::string& text, const std::string& caption) override;
  int Choose(const std::string& text, const std::string& caption,
             const std::vector<std::string>& buttons) override;
  bool AskPrinter(QPrinter& printer) override;
  std::vector<std::string> AskOpenFiles(const OpenFileRequest& request) override;

 private:
  QWidget* owner_ = nullptr;
};
