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
#include "support/window_fixture.h"

TEST(QuestionBox, AsksInSpanishAndAnswersWithTheButtonPressed) {
  QtDialogs dialogs;
  for (const bool yes : {true, false}) {
    QStringList buttons;
    bool answer = !yes;
    WhileOpen([&] { answer = dialogs.Question("Seguro?", "Lurimba"); },
              [&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                for (QAbstractButton* button : box->buttons())
                  buttons << button->text().remove('&');
                QAbstractButton* pressed = box->button(yes ? QMessageBox::Yes : QMessageBox::No);
                QTest::mouseClick(pressed, Qt::LeftButton);
              });
    buttons.sort();
    EXPECT_EQ(buttons.join(", ").toStdString(), "No, Sí");
    EXPECT_EQ(answer, yes);
  }
}

class EscapedException : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(application(), nullptr) << "the program's own application class runs the tests";
    application()->ShowExceptionsWith(&dialogs);
  }
  void TearDown() override {
    if (application())
      application()->ShowExceptionsWith(nullptr);
  }
  static Application* application() { return dynamic_cast<Application*>(qApp); }
  ScriptedDialogs dialogs;
};

TEST_F(EscapedException, IsShownInThePlainMessageAndTheProgramGoesOn) {
  QWidget window;
  auto* button = new QPushButton("Jugar", &window);
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&] {
    if (++clicks == 1)
      throw std::runtime_error("Lista de palabras demasiado larga");
  });
  window.show();
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "plain");
  EXPECT_EQ(dialogs.messages[0].caption, "Lurimba");
  EXPECT_EQ(dialogs.messages[0].text, "Lista de palabras demasiado larga");
  // The button and the loop go on working.
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(dialogs.messages.size(), 1u);
  bool looped = false;
  QTimer::singleShot(0, [&] {
    looped = true;
    QCoreApplication::exit(0);
  });
  QCoreApplication::exec();
  EXPECT_TRUE(looped);
}

TEST_F(EscapedException, ReachesThePlayerInTheFrameworksOwnBoxInSpanish) {
  QtDialogs boxes;
  application()->ShowExceptionsWith(&boxes);
  QWidget window;
  auto* button = new QPushButton("Jugar", &window);
  QObject::connect(button, &QPushButton::clicked, [] { throw std::out_of_range("vector"); });
  window.show();
  QString title, text, buttons;
  QMessageBox::Icon icon = QMessageBox::Critical;
  WhileOpen([&] { QTest::mouseClick(button, Qt::LeftButton); },
            [&](QWidget* modal) {
              auto* box = qobject_cast<QMessageBox*>(modal);
              ASSERT_NE(box, nullptr);
              title = box->windowTitle();
              text = box->text();
              icon = box->icon();
              for (QAbstractButton* b : box->buttons())
                buttons += b->text().remove('&');
              QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
            });
  EXPECT_EQ(title.toStdString(), "Lurimba");
  EXPECT_EQ(text.toStdString(), "vector");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons.toStdString(), "Aceptar");
}
