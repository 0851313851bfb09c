// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/application.h"

#include <QLibraryInfo>
#include <QMessageBox>
#include <exception>

#include "platform/prompter_qt.h"
#include "platform/text.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  // Standard buttons and the file, colour and font dialogs speak the children's
  // language whatever the desktop's is, dates and the names of kinds of file included.
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  qtInSpanish_ = qtSpanish_.load(QLocale(QLocale::Spanish, QLocale::Spain), "qtbase", "_",
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (qtInSpanish_)
    installTranslator(&qtSpanish_);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  // A handler's failure ends that handler only: the player is told and the
  // program's event loop goes on.
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(FromQt(QString::fromUtf8(error.what())));
  } catch (...) {
    ShowException("Se produjo un error desconocido.");
  }
  return false;
}

void Application::ShowException(const std::string& text) {
  if (dialogs_) {
    dialogs_->Plain(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, kCaption, ToQt(text), QMessageBox::Ok);
  box.exec();
}
