// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "¿ Quién va a jugar ?" at start-up: names, the group and the main window's layout.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "results/form_jugadores.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_jugadores.h"

TEST_F(WindowTest, PlayersWindowTabsThroughTheNamesInOrder) {
  TForm_jugadores& players = *program->Form_jugadores;
  // Tab goes through the names in order, then the group and the two buttons.
  std::vector<QWidget*> expected;
  for (int name = 2; name <= 10; ++name)
    expected.push_back(players.NameField(name));
  expected.insert(expected.end(), {players.ui()->Edit_grupo, players.ui()->Button_terminar,
                                   players.ui()->Button_jugar});
  QWidget* at = players.NameField(1);
  for (QWidget* next : expected) {
    at = at->nextInFocusChain();
    while (at->focusPolicy() == Qt::NoFocus)
      at = at->nextInFocusChain();
    EXPECT_EQ(at, next) << next->objectName().toStdString();
  }
}

TEST_F(WindowTest, ThreePlayersPlayInTurn) {
  StartUp({"ANA", "", "  LUIS ", "", "PEPA"});
  EXPECT_FALSE(program->Form_jugadores->isVisible());
  ASSERT_EQ(game().players().playerCount, 3);
  EXPECT_TRUE(main().ui()->GroupBox_jugador->isVisibleTo(&main()));
  EXPECT_TRUE(main().ui()->M_Vernombrejugadoractual->isChecked());
  EXPECT_TRUE(main().ui()->Button_jugadorsiguiente->isEnabled());
  EXPECT_EQ(main().ui()->Label_nombrejugador->text(), "ANA");

  // Each finished word passes the turn: 1, 2, 3, 1.
  std::vector<QString> turns = {main().ui()->Label_nombrejugador->text()};
  for (int word = 0; word < 3; ++word) {
    WhileModal(
        [&] {
          main().FormKeyPress(WrongLetter());
          for (char c : LettersToFind())
            main().FormKeyPress(c);
        },
        [&] { program->Form_Acierto->Seguir()->click(); });
    turns.push_back(main().ui()->Label_nombrejugador->text());
  }
  EXPECT_EQ(turns, (std::vector<QString>{"ANA", "LUIS", "PEPA", "ANA"}));
  EXPECT_EQ(main().ui()->Label_puntos->text(), "5 / 15");

  // By hand: the next player, but never past the last.
  for (int i = 0; i < 4; ++i)
    QTest::mouseClick(main().ui()->Button_jugadorsiguiente, Qt::LeftButton);
  EXPECT_EQ(main().ui()->Label_nombrejugador->text(), "PEPA");
}

TEST_F(WindowTest, OnePlayerHidesTheCurrentPlayerBox) {
  StartUp({"", "", "", "", "", "", "SOLA"});
  EXPECT_EQ(game().players().playerCount, 1);
  EXPECT_EQ(game().players().records[0].name, "SOLA");
  EXPECT_FALSE(main().ui()->GroupBox_jugador->isVisibleTo(&main()));
  EXPECT_FALSE(main().ui()->M_Vernombrejugadoractual->isChecked());
  EXPECT_FALSE(main().ui()->Button_jugadorsiguiente->isEnabled());
}

TEST_F(WindowTest, TerminarAsksAndEscPressesIt) {
  main().show();
  TForm_jugadores& players = *program->Form_jugadores;
  WhileModal([&] { main().Timer_juegoTimer(); },
             [&] {
               dialogs.answers = {false, true};
               QTest::keyClick(&players, Qt::Key_Escape);  // No: stays open
               EXPECT_TRUE(players.isVisible());
               players.ui()->Button_terminar->click();  // Yes: the program ends
             });
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text,
            Ansi("\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este programa?\n"));
  EXPECT_TRUE(main().ProgramEnding());
  EXPECT_FALSE(game().state().wordInPlay);  // the start-up sequence never ran
}

TEST_F(WindowTest, CloseBoxKeepsThePlayers) {
  main().show();
  TForm_jugadores& players = *program->Form_jugadores;
  WhileModal([&] { main().Timer_juegoTimer(); },
             [&] {
               players.NameField(1)->setText("NADIE");
               players.close();
             });
  EXPECT_EQ(game().players().records[0].name, "Sin nombre");
  EXPECT_TRUE(game().state().wordInPlay);
}
