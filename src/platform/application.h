// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's QApplication: Qt's own texts in Spanish, and an exception that
// escapes a handler shown in the framework's message while the program goes on.
#pragma once

#include <QApplication>
#include <QTranslator>

class Dialogs;

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  // Where escaped exceptions are shown; until set, in a box of the framework's own.
  void ShowExceptionsWith(Dialogs* dialogs) { dialogs_ = dialogs; }
  // Whether Qt's Spanish translations were found and installed.
  bool QtInSpanish() const { return qtInSpanish_; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void ShowException(const std::string& text);

  Dialogs* dialogs_ = nullptr;
  QTranslator qtSpanish_;
  bool qtInSpanish_ = false;
};
