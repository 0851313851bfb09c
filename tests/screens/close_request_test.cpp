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
  // The window, then its way out as the player presses it, in the order of Shown.
  std::pair<QWidget*, QWidget*> Window() {
    const std::pair<QWidget*, QWidget*> windows[] = {
        {program->Form_Acierto, program->Form_Acierto->Seguir()},
        {program->Form_puzle, program->Form_Acierto->Seguir()},
        {program->Form_Error, program->Form_Error->Seguir()},
        {program->Form_Resultados, program->Form_Resultados->ui()->Button_cerrar},
        {program->Form_op_fin, program->Form_op_fin->ui()->Label_continuar},
        {program->Form_puntos, program->Form_puntos->ui()->BitBtn_cerrar}};
    return windows[static_cast<int>(GetParam().window)];
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
    const auto [window, wayOut] = Window();
    ASSERT_TRUE(window->isVisible());
    window->windowHandle()->close();  // as the window manager asks
    closed = !window->isVisible();
    if (!closed)
      QTest::mouseClick(wayOut, Qt::LeftButton);  // so that the test goes on
  });
  EXPECT_TRUE(closed);
  EXPECT_FALSE(Window().first->isVisible());
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
