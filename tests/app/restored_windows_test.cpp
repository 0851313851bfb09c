// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The players window minimised and restored while it is open: the window system shows it
// again, with the names typed (the other dialogs: with their own tests).
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "results/form_jugadores.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_jugadores.h"

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

}  // namespace
