// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's help. The names the program asks for, "lurimba.hlp" (a topic by its
// help context, 500 to 519) and "lurimba.chm" (the main page), both open the help book
// built into the program, in the help window.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "platform/help_window.h"

class Help {
 public:
  Help();
  ~Help();
  Help(const Help&) = delete;
  Help& operator=(const Help&) = delete;

  // F1 in a window that names its topic (platform/help_context.h) opens that topic,
  // whatever control of the window has the focus; the window stays open.
  // F1 (the context in play) and "Ayuda..." of the background menu (519).
  void ShowHelp(int context);
  // "Ayuda" of the menu and of the results window: the contents page.
  void ShowHelpContents();
  // Opens a help file by the name the program uses: "lurimba.hlp" at `context`
  // (its contents page for context 0), "lurimba.chm" at its contents page.
  // Returns false, opening nothing, for any other name.
  bool OpenHelpFile(const QString& name, int context = 0);
  // Ending the program closes the help window.
  void CloseHelp();

  // The window, made the first time help is asked for.
  HelpWindow& Window();

 private:
  // While a modal window owns the help window, that window could delete it.
  QPointer<HelpWindow> window_;
  std::unique_ptr<QObject> helpKey_;  // catches F1 for the whole program
};
