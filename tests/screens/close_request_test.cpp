// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows without title-bar buttons still get a close box from some window managers: a
// close request (that box, Alt+F4) presses the window's own way out.
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "results/form_op_fin.h"
#include "results/form_puntos.h"
#include "results/form_resultados.h"
#include "screens/form_acierto.h"
#include "screens/form_error.h"
#include "screens/form_puzle.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_op_fin.h"
#include "ui_form_puntos.h"
#include "ui_form_resultados.h"

namespace {

enum class Shown { Solved, Puzzle, Failed, Results, Options, Points };

struct CloseCase {
  const char* name;
  Shown window;
  const char* after;  // what the game came to once the window was closed
};

class CloseRequestTest : public WindowTest, public ::testing::WithParamInterface<CloseCase> {
 protected:
  QWidget& Window() {
    switch (GetParam().window) {
      case Shown::Solved:
        return *program->Form_Acierto;
      case Shown::Puzzle:
        return *program->Form_puzle;
      case Shown::Failed:
        return *program->Form_Error;
      case Shown::Results:
        return *program->Form_Resultados;
      case Shown::Options:
        return *program->Form_op_fin;
      case Shown::Points:
        return *program->Form_puntos;
    }
    return main();
  }
  // Its way out pressed as the player does.
  void PressWayOut() {
    switch (GetParam().window) {
      case Shown::Solved:
      case Shown::Puzzle:
        return QTest::mouseClick(program->Form_Acierto->Seguir(), Qt::LeftButton);
      case Shown::Failed:
        return QTest::mouseClick(program->Form_Error->Seguir(), Qt::LeftButton);
      case Shown::Results:
        return QTest::mouseClick(program->Form_Resultados->ui()->Button_cerrar, Qt::LeftButton);
      case Shown::Options:
        return QTest::mouseClick(program->Form_op_fin->ui()->Label_continuar, Qt::LeftButton);
      case Shown::Points:
        return QTest::mouseClick(program->Form_puntos->ui()->BitBtn_cerrar, Qt::LeftButton);
    }
  }
  // Opens the window as the program does and runs `answer` while it is open.
  std::string Open(const std::function<void()>& answer) {
    const std::string word = game().state().displayText;
    const auto nextWord = [&] {
      return std::string(game().state().displayText != word ? "next word" : "same word");
    };
    switch (GetParam().window) {
      case Shown::Solved:
      case Shown::Puzzle:
        for (char c : LettersToFind())
          main().FormKeyPress(c);
        for (int step = 1; step <= 9; ++step)  // the exit animation to its end
          main().Timer_iconoTimer();
        EXPECT_TRUE(program->Form_puzle->isVisible());
        answer();
        return nextWord() + (program->Form_puzle->isVisible() ? ", puzzle shown" : "");
      case Shown::Failed:
        WhileModal(
            [&] {
              for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong)
                main().FormKeyPress(WrongLetter(wrong));
            },
            answer);
        return nextWord();
      case Shown::Results:
        WhileModal([&] { main().ui()->M_Controlderesultados->trigger(); }, answer);
        return main().ui()->Label_nombrejugador->text().toStdString();
      case Shown::Options:
        WhileModal([&] { main().ui()->Opcionesdesalida1->trigger(); }, answer);
        return nextWord();
      case Shown::Points: {
        int result = -1;
        WhileModal([&] { result = program->Form_puntos->exec(); }, answer);
        return std::to_string(result);
      }
    }
    return {};
  }
};

TEST_P(CloseRequestTest, PressesTheWayOut) {
  StartUp({"ANA", "LUIS"});
  bool closed = false;
  const std::string after = Open([&] {
    ASSERT_TRUE(Window().isVisible());
    Window().windowHandle()->close();  // as the window manager asks
    closed = !Window().isVisible();
    if (!closed)
      PressWayOut();  // so that the test goes on
  });
  EXPECT_TRUE(closed);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(after, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Windows, CloseRequestTest,
                         ::testing::Values(CloseCase{"Solved", Shown::Solved, "next word"},
                                           CloseCase{"Puzzle", Shown::Puzzle, "next word"},
                                           CloseCase{"Failed", Shown::Failed, "next word"},
                                           CloseCase{"Results", Shown::Results, "ANA"},
                                           CloseCase{"Options", Shown::Options, "next word"},
                                           CloseCase{"Points", Shown::Points, "1"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
