// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows minimised and restored while they are open: the window system shows
// them again, and what the program did when it opened them is not done twice.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>

#include "platform/help.h"
#include "platform/help_window.h"
#include "results/form_jugadores.h"
#include "screens/form_acierto.h"
#include "screens/form_error.h"
#include "settings/form_teclado.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_jugadores.h"
#include "ui_form_teclado.h"

namespace {

// As a user does it: to the task bar and back, with the events in between. Returns the
// shows the window system sent.
int MinimiseAndRestore(QWidget& window) {
  ShowCounter shows(&window, true);
  window.showMinimized();
  QApplication::processEvents();
  EXPECT_TRUE(window.isMinimized());
  window.showNormal();
  QApplication::processEvents();
  return shows.count;
}

class RestoredWindowTest : public WindowTest {
 protected:
  // Minimises and restores the open `window`: what `opened` tells of it stays as it was.
  void ExpectKept(QWidget& window, const std::function<std::string()>& opened) {
    const std::string before = opened();
    EXPECT_GE(MinimiseAndRestore(window), 1) << "the window system did not show it again";
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(opened(), before);
  }
};

TEST_F(RestoredWindowTest, FailedDialogKeepsItsCountAndMessage) {
  StartUp();
  TForm_Error& dialog = *program->Form_Error;
  WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong)
          main().FormKeyPress(WrongLetter(wrong));
      },
      [&] {
        ExpectKept(dialog, [&] {
          return std::to_string(dialog.FailureCount()) + dialog.Message()->text().toStdString();
        });
        QTest::mouseClick(dialog.Seguir(), Qt::LeftButton);
      });
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(main().ProgramEnding());
}

// The solved dialog opens at the first step of the child's walk out and stays open past the
// last one, which clears the clean-solve mark: "Seguir" still moves the room to its next scene.
TEST_F(RestoredWindowTest, SolvedDialogKeepsItsMessageAndTune) {
  StartUp();
  for (char c : LettersToFind())
    main().FormKeyPress(c);
  for (int step = 1; step <= 9; ++step)
    main().Timer_iconoTimer();
  ASSERT_FALSE(game().state().exitAnimationPending);
  TForm_Acierto& dialog = *program->Form_Acierto;
  ASSERT_TRUE(dialog.isVisible());
  ExpectKept(dialog, [&] {
    return dialog.Message()->text().toStdString() + " tunes " +
           std::to_string(std::count(sound.played.begin(), sound.played.end(),
                                     std::make_pair(SoundId::Acierto, PlayMode::Loop)));
  });
  QTest::mouseClick(dialog.Seguir(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.SuccessScene(), 2);
}

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
               ExpectKept(players, [&] {
                 std::string fields;
                 for (int i = 1; i <= kMaxPlayers; ++i)
                   fields += players.NameField(i)->text().toStdString() + ",";
                 return fields + players.ui()->Edit_grupo->text().toStdString();
               });
               QTest::mouseClick(players.ui()->Button_jugar, Qt::LeftButton);
             });
  EXPECT_FALSE(players.isVisible());
}

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
               ExpectKept(chooser, [&] {
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
