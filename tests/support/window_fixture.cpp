// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/window_fixture.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QPrinter>
#include <QTimer>

#include "charset.h"
#include "platform/caps_lock.h"
#include "ui_form_juego.h"
#include "ui_form_jugadores.h"

bool ScriptedDialogs::AskPrinter(QPrinter& printer) {
  if (printTo.empty())
    return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(printTo.front());
  printTo.pop_front();
  return true;
}

namespace {

void CopyFolder(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = to + "/" + QDir(from).relativeFilePath(source);
    QDir().mkpath(QFileInfo(target).path());
    QFile::copy(source, target);
  }
}

}  // namespace

void RecordingSpeech::Say(const std::string& text, std::optional<SoundId> after) {
  const char* wait = !after                            ? ""
                     : *after == SoundId::LetraFallada ? " (tras un fallo)"
                                                       : " (tras un acierto)";
  said.push_back(AnsiToUtf8(text) + wait);
}

void WindowTest::SetUp() {
  ASSERT_TRUE(folder.isValid());
  CopyFolder(DATA_DIR, folder.path());
  // The user's own options stay untouched: this user's configuration folder is the test's.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
  program = std::make_unique<Program>(GameFolder(folder.path()), dialogs, sound, speech);
  dialogs.messages.clear();
}

void WindowTest::TearDown() {
  // A test that ended the program left every event loop; let the next one run loops again.
  if (program->Form_juego->ProgramEnding()) {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
  }
  program.reset();
  // The program's own Caps Lock outlives its windows: the next test starts with it off.
  CapsLockEmulation::SetUpperCase(false);
}

void WindowTest::StartUp(const std::vector<QString>& names) {
  main().show();
  // Showing the window starts both timers; the tests tick them by hand instead.
  timersStartedOnShow = main().Timer_juego.isActive() && main().Timer_icono.isActive();
  main().Timer_juego.stop();
  main().Timer_icono.stop();
  WhileModal([&] { main().Timer_juegoTimer(); },
             [&] {
               TForm_jugadores& players = *program->Form_jugadores;
               for (std::size_t i = 0; i < names.size(); ++i)
                 players.NameField(i + 1)->setText(names[i]);
               players.ui()->Button_jugar->click();
             });
}

void WindowTest::WhileModal(const std::function<void()>& action,
                            const std::function<void()>& answer) {
  // The timer lives only as long as the action: an answer never comes late.
  QTimer answerTimer;
  answerTimer.setSingleShot(true);
  bool answered = false;
  QObject::connect(&answerTimer, &QTimer::timeout, [&] {
    answered = true;
    answer();
  });
  answerTimer.start(0);
  action();
  EXPECT_TRUE(answered) << "no modal window opened";
}

int MinimiseAndRestore(QWidget& window) {
  ShowCounter shows(&window, true);
  window.showMinimized();
  QApplication::processEvents();
  EXPECT_TRUE(window.isMinimized());
  window.showNormal();
  QApplication::processEvents();
  return shows.count;
}

void WindowTest::ExpectKeptWhenRestored(QWidget& window,
                                        const std::function<std::string()>& opened) {
  const std::string before = opened();
  EXPECT_GE(MinimiseAndRestore(window), 1) << "the window system did not show it again";
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(opened(), before);
}

QWidget* WindowTest::FocusedChild() {
  QWidget* key = main().ui()->Button_a;
  key->setFocus();
  return key;
}

void WindowTest::WriteList(const QString& name, const std::vector<std::string>& lines) {
  QFile file(folder.path() + "/" + name);
  QDir().mkpath(QFileInfo(file).path());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (const std::string& line : lines) {
    const std::string oem = AnsiToOem(line) + "\r\n";
    file.write(oem.data(), static_cast<qint64>(oem.size()));
  }
}
