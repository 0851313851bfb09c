// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's application: Qt's own texts in Spanish, and a handler's
// exception shown in the framework's message while the program goes on.
#include "platform/application.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/prompter_qt.h"
#include "support/while_open.h"

namespace {

// "title: text [buttons]" of the open message box, " plain" without an icon; then
// presses the button of text `press`.
std::string ShownAndPress(QWidget* modal, const QString& press) {
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box == nullptr)
    return "not a message box";
  QStringList texts;
  QAbstractButton* pressed = nullptr;
  for (QAbstractButton* button : box->buttons()) {
    texts << button->text().remove('&');
    pressed = texts.last() == press ? button : pressed;
  }
  texts.sort();
  const QString shown = box->windowTitle() + ": " + box->text() + " [" + texts.join(", ") + "]" +
                        (box->icon() == QMessageBox::NoIcon ? " plain" : "");
  if (pressed != nullptr)
    QTest::mouseClick(pressed, Qt::LeftButton);
  return shown.toStdString();
}

}  // namespace

TEST(QuestionBox, AsksInSpanishAndAnswersWithTheButtonPressed) {
  QtDialogs dialogs;
  for (const QString press : {"Sí", "No"}) {
    bool answer = press == "No";
    std::string shown;
    WhileOpen([&] { answer = dialogs.Question("Seguro?", "Lurimba"); },
              [&](QWidget* modal) { shown = ShownAndPress(modal, press); });
    EXPECT_EQ(shown, "Lurimba: Seguro? [No, Sí]");
    EXPECT_EQ(answer, press == "Sí");
  }
}

TEST(EscapedException, IsShownInTheFrameworksOwnBoxInSpanishAndTheProgramGoesOn) {
  auto* application = dynamic_cast<Application*>(qApp);
  ASSERT_NE(application, nullptr) << "the program's own application class runs the tests";
  QtDialogs dialogs;
  application->ShowExceptionsWith(&dialogs);
  QWidget window;
  auto* button = new QPushButton("Jugar", &window);
  window.show();
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&] {
    if (++clicks == 1)
      throw std::runtime_error("Lista de palabras demasiado larga");
  });
  std::string shown;
  WhileOpen([&] { QTest::mouseClick(button, Qt::LeftButton); },
            [&](QWidget* modal) { shown = ShownAndPress(modal, "Aceptar"); });
  EXPECT_EQ(shown, "Lurimba: Lista de palabras demasiado larga [Aceptar] plain");
  // The button and the loop go on working.
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  QTimer::singleShot(0, [] { QCoreApplication::exit(7); });
  EXPECT_EQ(QCoreApplication::exec(), 7);
  application->ShowExceptionsWith(nullptr);
}
