// Message boxes and standard dialogs of the program, owned by the window in use.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>
#include <optional>

#include "prompter.h"

// The engine's prompter plus the dialogs only windows ask for.
class Dialogs : public Prompter {
 public:
  virtual std::optional<QFont> AskFont(const QFont& initial) = 0;
  virtual std::optional<QColor> AskColor(const QColor& initial) = 0;
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
  std::optional<QFont> AskFont(const QFont& initial) override;
  std::optional<QColor> AskColor(const QColor& initial) override;

 private:
  QWidget* owner_ = nullptr;
};
