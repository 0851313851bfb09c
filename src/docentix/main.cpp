// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Docentix: the teacher's companion to Lurimba, for word lists and results files.
// With arguments it works on the command line and needs no display.
#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "docentix/command_line.h"
#include "docentix/docentix_window.h"
#include "docentix/spell_checker.h"
#include "platform/application.h"
#include "platform/game_folder.h"
#include "platform/prompter_qt.h"

namespace {

bool WantsCommandLine(int argc, char* argv[]) {
  return argc > 1 && argv[1][0] == '-';
}

int RunWithoutWindows(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunCommandLine(QCoreApplication::arguments().mid(1), out, err);
}

}  // namespace

int main(int argc, char* argv[]) {
  // Decided before any application object exists: a script has no display.
  if (WantsCommandLine(argc, argv))
    return RunWithoutWindows(argc, argv);
  Application app(argc, argv);
  QApplication::setApplicationName("Docentix");
  const GameFolder folder = ChooseGameFolder(QApplication::applicationDirPath());
  QtDialogs dialogs;
  ReportNotCopied(folder, dialogs, "Docentix");
  SpellChecker spelling(SpellChecker::UserWordsPath());
  DocentixWindow window(folder, dialogs, spelling);
  dialogs.SetOwner(&window);
  app.ShowExceptionsWith(&dialogs);
  window.show();
  return QApplication::exec();
}
