// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows minimised and restored while they are open: the window system shows them again, with
// what the user typed or chose (the feedback dialogs: with their own tests).
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include "platform/help.h"
#include "platform/help_window.h"
#include "results/form_jugadores.h"
#include "settings/form_teclado.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_jugadores.h"
#include "ui_form_teclado.h"

namespace {

using RestoredWindowTest = WindowTest;

// Wherever the main window stands, the players window opens in the screen's middle.
TEST_F(RestoredWindowTest, PlayersWindowOpensInTheMiddleAndKeepsTheNames) {
  main().show();
  main().move(0, 0);
  TForm_jugadores& players = *program->Form_jugadores;
  WhileModal([&] { main().AskWhoPlays(); },
             [&] {
               const QPoint middle = players.frameGeometry().center();
               const QPoint screenMiddle = players.screen()->availableGeometry().center();
               EXPECT_LE((middle - screenMiddle).manhattanLength(), 2);
               for (int i = 1; i <= kMaxPlayers; ++i)
                 QTest::keyClicks(players.NameField(i), QString("NIÑO %1").arg(i));
               QTest::keyClicks(players.ui()->Edit_grupo, "TERCERO B");
               ExpectKeptWhenRestored(players, [&] {
                 std::string fields;
                 for (int i = 1; i <= kMaxPlayers; ++i)
                   fields += players.NameField(i)->text().toStdString() + ",";
                 return fields + players.ui()->Edit_grupo->text().toStdString();
               });
               QTest::mouseClick(players.ui()->Button_jugar, Qt::LeftButton);
             });
  EXPECT_FALSE(players.isVisible());
}

// The keyboard chooser keeps the file chosen in its list through a minimise and restore.
TEST_F(RestoredWindowTest, KeyboardChooserKeepsTheChosenFile) {
  StartUp();
  TForm_teclado& chooser = *program->Form_teclado;
  WhileModal([&] { main().ui()->Mp_Leerletrasdelteclado->trigger(); },
             [&] {
               QListWidget& list = *chooser.ui()->FileListBox;
               const auto items = list.findItems("catalan.tec", Qt::MatchExactly);
               ASSERT_EQ(items.size(), 1);
               QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                                 list.visualItemRect(items.first()).center());
               ExpectKeptWhenRestored(chooser, [&] {
                 const QListWidgetItem* item = list.currentItem();
                 return std::string(item && item->isSelected() ? "selected " : "none ") +
                        chooser.ui()->Edit1->text().toStdString();
               });
               QTest::mouseClick(chooser.ui()->Button_ok, Qt::LeftButton);
             });
  EXPECT_FALSE(chooser.isVisible());
}

// The help opened from a modal window goes to the task bar with it and comes
// back with it, still its child: a help of its own would be blocked by it. It
// outlives that window when the window goes without being closed first.
TEST(RestoredHelpTest, StaysWithTheModalWindowItWasOpenedFrom) {
  Help help;
  QPointer<HelpWindow> window;
  {
    QDialog modal;
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    help.ShowHelp(508);
    window = &help.Window();
    ASSERT_EQ(window->parentWidget(), &modal);
    EXPECT_GE(MinimiseAndRestore(modal), 1);
    EXPECT_EQ(help.Window().parentWidget(), &modal);
    EXPECT_TRUE(help.Window().isVisible());
  }
  ASSERT_FALSE(window.isNull());
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
