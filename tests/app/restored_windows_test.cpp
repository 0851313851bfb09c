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
#include <QShowEvent>
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

class RestoredWindowTest;

struct RestoredCase {
  const char* name;
  // Opens the window as the game does and runs `whileShown` while it is open.
  void (*open)(RestoredWindowTest& test, const std::function<void(QWidget&)>& whileShown);
  // What the program set up when it opened the window.
  std::string (*state)(RestoredWindowTest& test);
  // Presses the window's button: true when it did its work.
  bool (*answer)(RestoredWindowTest& test);
};

void PrintTo(const RestoredCase& row, std::ostream* out) {
  *out << row.name;
}

class RestoredWindowTest : public WindowTest, public ::testing::WithParamInterface<RestoredCase> {
 public:
  using WindowTest::dialogs;
  using WindowTest::game;
  using WindowTest::LettersToFind;
  using WindowTest::main;
  using WindowTest::program;
  using WindowTest::sound;
  using WindowTest::StartUp;
  using WindowTest::WhileModal;
  using WindowTest::WrongLetter;

  int AciertoTunes() const {
    return static_cast<int>(
        std::count_if(sound.played.begin(), sound.played.end(),
                      [](const auto& p) { return p.first == SoundId::Acierto; }));
  }
};

// Counts the show events the window system sends (those the program causes are not).
class ShowsFromTheWindowSystem : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show && event->spontaneous())
      ++count;
    return false;
  }
  int count = 0;
};

// As a user does it: to the task bar and back, with the events in between.
int MinimiseAndRestore(QWidget& window) {
  ShowsFromTheWindowSystem shows;
  window.installEventFilter(&shows);
  window.showMinimized();
  QApplication::processEvents();
  EXPECT_TRUE(window.isMinimized());
  window.showNormal();
  QApplication::processEvents();
  window.removeEventFilter(&shows);
  return shows.count;
}

void LoseAWord(RestoredWindowTest& t, const std::function<void(QWidget&)>& whileShown) {
  t.StartUp();
  t.WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && t.game().state().wordInPlay; ++wrong)
          t.main().FormKeyPress(t.WrongLetter(wrong));
      },
      [&] { whileShown(*t.program->Form_Error); });
}

// The solved dialog opens at the first step of the child's walk out and
// stays open past the last one, which clears the clean-solve mark.
void SolveCleanly(RestoredWindowTest& t, const std::function<void(QWidget&)>& whileShown) {
  t.StartUp();
  for (char c : t.LettersToFind())
    t.main().FormKeyPress(c);
  for (int step = 1; step <= 9; ++step)
    t.main().Timer_iconoTimer();
  ASSERT_FALSE(t.game().state().exitAnimationPending);
  ASSERT_TRUE(t.program->Form_Acierto->isVisible());
  whileShown(*t.program->Form_Acierto);
}

void NameThePlayers(RestoredWindowTest& t, const std::function<void(QWidget&)>& whileShown) {
  TForm_jugadores& players = *t.program->Form_jugadores;
  t.WhileModal([&] { t.main().AskWhoPlays(); },
               [&] {
                 for (int i = 1; i <= kMaxPlayers; ++i)
                   QTest::keyClicks(players.NameField(i), QString("NIÑO %1").arg(i));
                 QTest::keyClicks(players.ui()->Edit_grupo, "TERCERO B");
                 whileShown(players);
               });
}

void ChooseAKeyboardFile(RestoredWindowTest& t, const std::function<void(QWidget&)>& whileShown) {
  t.StartUp();
  TForm_teclado& chooser = *t.program->Form_teclado;
  t.WhileModal([&] { t.main().ui()->Mp_Leerletrasdelteclado->trigger(); },
               [&] {
                 QListWidget& list = *chooser.ui()->FileListBox;
                 const auto items = list.findItems("catalan.tec", Qt::MatchExactly);
                 if (items.size() == 1)
                   QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                                     list.visualItemRect(items.first()).center());
                 whileShown(chooser);
               });
}

const RestoredCase kCases[] = {
    {"FailedDialog", LoseAWord,
     [](RestoredWindowTest& t) {
       return std::to_string(t.program->Form_Error->FailureCount()) + " " +
              t.program->Form_Error->Message()->text().toStdString();
     },
     [](RestoredWindowTest& t) {
       QTest::mouseClick(t.program->Form_Error->Seguir(), Qt::LeftButton);
       return !t.program->Form_Error->isVisible();
     }},
    {"SolvedDialog", SolveCleanly,
     [](RestoredWindowTest& t) {
       return t.program->Form_Acierto->Message()->text().toStdString() + " tunes " +
              std::to_string(t.AciertoTunes());
     },
     // "Seguir" after a clean solve moves the room to its next scene.
     [](RestoredWindowTest& t) {
       const int scene = t.program->Form_Acierto->SuccessScene();
       QTest::mouseClick(t.program->Form_Acierto->Seguir(), Qt::LeftButton);
       return !t.program->Form_Acierto->isVisible() &&
              t.program->Form_Acierto->SuccessScene() != scene;
     }},
    {"PlayersWindow", NameThePlayers,
     [](RestoredWindowTest& t) {
       TForm_jugadores& players = *t.program->Form_jugadores;
       std::string fields;
       for (int i = 1; i <= kMaxPlayers; ++i)
         fields += players.NameField(i)->text().toStdString() + ",";
       return fields + players.ui()->Edit_grupo->text().toStdString();
     },
     [](RestoredWindowTest& t) {
       QTest::mouseClick(t.program->Form_jugadores->ui()->Button_jugar, Qt::LeftButton);
       return !t.program->Form_jugadores->isVisible();
     }},
    {"KeyboardChooser", ChooseAKeyboardFile,
     [](RestoredWindowTest& t) {
       const QListWidget& list = *t.program->Form_teclado->ui()->FileListBox;
       const QListWidgetItem* item = list.currentItem();
       return std::string(item && item->isSelected() ? "selected " : "none ") +
              t.program->Form_teclado->ui()->Edit1->text().toStdString();
     },
     [](RestoredWindowTest& t) {
       QTest::mouseClick(t.program->Form_teclado->ui()->Button_ok, Qt::LeftButton);
       return !t.program->Form_teclado->isVisible();
     }},
};

TEST_P(RestoredWindowTest, DoesNotRedoWhatItDidWhenOpened) {
  const RestoredCase& row = GetParam();
  bool answered = false;
  row.open(*this, [&](QWidget& window) {
    const std::string opened = row.state(*this);
    EXPECT_GE(MinimiseAndRestore(window), 1) << "the window system did not show it again";
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(row.state(*this), opened);
    answered = row.answer(*this);
  });
  EXPECT_TRUE(answered);
  EXPECT_FALSE(main().ProgramEnding());
}

INSTANTIATE_TEST_SUITE_P(Windows, RestoredWindowTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Wherever the main window stands, the players window opens in the screen's middle.
TEST_F(WindowTest, PlayersWindowOpensInTheMiddleOfTheScreen) {
  main().show();
  main().move(0, 0);
  QPoint middle;
  QPoint screenMiddle;
  WhileModal([&] { main().AskWhoPlays(); },
             [&] {
               TForm_jugadores& players = *program->Form_jugadores;
               middle = players.frameGeometry().center();
               screenMiddle = players.screen()->availableGeometry().center();
               players.ui()->Button_jugar->click();
             });
  EXPECT_LE((middle - screenMiddle).manhattanLength(), 2)
      << middle.x() << "," << middle.y() << " against " << screenMiddle.x() << ","
      << screenMiddle.y();
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
