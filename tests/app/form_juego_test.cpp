// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a child and a teacher use it.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>

#include "controls/gif_image.h"
#include "platform/help_book.h"
#include "platform/help_window.h"
#include "platform/screen_scale.h"
#include "platform/text.h"
#include "results/form_op_fin.h"
#include "screens/form_acierto.h"
#include "screens/form_inicio.h"
#include "settings/on_screen_keyboard.h"
#include "support/while_open.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"
#include "ui_form_op_fin.h"

namespace {

bool Shown(TForm_juego& main, const char* name) {
  return main.findChild<QWidget*>(name)->isVisibleTo(&main);
}

}  // namespace

TEST_F(WindowTest, FirstTickStartsTheGameAndTheClock) {
  StartUp();
  Ui::TForm_juego& ui = *main().ui();
  EXPECT_TRUE(main().StartupDone());
  EXPECT_TRUE(timersStartedOnShow);
  EXPECT_TRUE(game().state().wordInPlay);
  EXPECT_TRUE(ui.M_Ocultaralazarfasefacil->isChecked());
  EXPECT_FALSE(ui.M_VerPuntos->isChecked());
  EXPECT_EQ(ui.ListBox_temas->count(), 1);
  EXPECT_TRUE(dialogs.messages.empty());
  const QStringList shown = {ui.Label_tema->text().left(6),  ui.Label_pista->text().left(7),
                             ui.Label_puntos->text(),        ui.Label_nombrejugador->text(),
                             ui.Label_oportunidades->text(), ui.Label_tiempo->text()};
  EXPECT_EQ(shown.join("|"), "Tema: |Pista: |0 / 0|Sin nombre|5|  0 : 01");

  // The clock counts the word's seconds; the child changes pose every three of them.
  std::string poses;
  for (int tick = 0; tick < 64; ++tick) {
    main().Timer_juegoTimer();
    poses += Shown(main(), "Image_nigno1") ? '1' : '.';
    poses += Shown(main(), "Image_nigno2") ? '2' : '.';
  }
  EXPECT_EQ(poses.substr(0, 24), "1.1.1.1..2.2.21.1.1..2.2");
  EXPECT_EQ(ui.Label_tiempo->text(), "  1 : 05");
}

TEST_F(WindowTest, StartUpWithoutAnyWordListEndsTheProgram) {
  QFile::remove(folder.path() + "/ejemplo");
  StartUp();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(main().ProgramEnding());
  EXPECT_FALSE(main().isVisible());
}

TEST_F(WindowTest, CleanSolvePlaysTheExitAnimationBehindTheDialog) {
  StartUp();
  for (char c : LettersToFind())
    main().FormKeyPress(c);
  EXPECT_TRUE(Shown(main(), "Label_palabra2"));
  EXPECT_FALSE(Shown(main(), "Label_palabra"));

  TForm_Acierto& dialog = *program->Form_Acierto;
  main().Timer_iconoTimer();  // step 1: the dialog opens without blocking the timer
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(Shown(main(), "Image_nigno1"));
  // Puzzles run: the short layout, the picture puzzle beside the dialog at the end.
  EXPECT_FALSE(dialog.Picture()->isVisibleTo(&dialog));
  EXPECT_EQ(sound.played.back(), std::make_pair(SoundId::Acierto, PlayMode::Loop));
  // Esc cannot close the dialog while the child is still walking out.
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  for (int step = 1; step <= 9; ++step) {
    std::string frames;
    for (int frame = 1; frame <= 8; ++frame)
      frames += Shown(main(), qPrintable(QString("Image_salida%1").arg(frame))) ? "x" : ".";
    EXPECT_EQ(frames, step < 9 ? std::string(8, '.').replace(step - 1, 1, "x") : "........");
    EXPECT_EQ(dialog.Seguir()->isVisibleTo(&dialog), step == 9) << step;
    if (step < 9)
      main().Timer_iconoTimer();
  }
  EXPECT_TRUE(program->Form_puzle->isVisible());
  EXPECT_FALSE(game().state().exitAnimationPending);
  // Minimised and restored, the dialog keeps its message and does not play its tune again.
  ExpectKeptWhenRestored(dialog, [&] {
    return dialog.Message()->text().toStdString() + " tunes " +
           std::to_string(std::count(sound.played.begin(), sound.played.end(),
                                     std::make_pair(SoundId::Acierto, PlayMode::Loop)));
  });

  // "Seguir": the first scene of the decorations and a new word.
  const int stopsBefore = sound.stops;
  QTest::mouseClick(dialog.Seguir(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_GT(sound.stops, stopsBefore);
  EXPECT_TRUE(game().state().wordInPlay);
  EXPECT_TRUE(Shown(main(), "Label_palabra"));
  EXPECT_FALSE(Shown(main(), "Label_palabra2"));
  for (int n = 1; n <= 3; ++n)
    EXPECT_EQ(main().Decoration(n)->isVisibleTo(&main()), n == 1) << n;
  EXPECT_EQ(main().Decoration(4)->Left(), 450);
  EXPECT_EQ(dialog.SuccessScene(), 2);
}

TEST_F(WindowTest, SolveAfterAWrongLetterOpensTheDialogAtOnce) {
  StartUp();
  main().FormKeyPress(WrongLetter());
  TForm_Acierto& dialog = *program->Form_Acierto;
  bool seguirShown = false;
  WhileModal(
      [&] {
        for (char c : LettersToFind())
          main().FormKeyPress(c);
      },
      [&] {
        seguirShown = dialog.Seguir()->isVisible();
        dialog.Seguir()->click();
      });
  EXPECT_TRUE(seguirShown);
  EXPECT_TRUE(game().state().wordInPlay);
  // No tune and no change of scenery after a solve with mistakes.
  for (const auto& [id, mode] : sound.played)
    EXPECT_NE(id, SoundId::Acierto);
  EXPECT_EQ(dialog.SuccessScene(), 1);
}

// The options' rules are the engine's: the menus drive its commands and mirror its settings,
// a refused command included.
TEST_F(WindowTest, OptionMenusFollowTheGame) {
  StartUp();
  Ui::TForm_juego& ui = *main().ui();
  ui.M_Ocultarsolovocales->trigger();
  ui.M_Tenerencuentasololasvocales->trigger();
  EXPECT_TRUE(ui.M_Marcarlasvocales->isChecked());
  EXPECT_TRUE(ui.BitBtn_a->isVisibleTo(&main()));
  EXPECT_FALSE(ui.BitBtn_MA->isVisibleTo(&main()));
  EXPECT_FALSE(ui.M_Tenerencuentatodaslasletras->isChecked());
  ui.M_Ponertodaslasquehay->trigger();
  EXPECT_FALSE(ui.M_Notenerencuentalasyapulsadas->isEnabled());
  ui.M_Ponertodaslasquehay->trigger();
  EXPECT_TRUE(ui.M_Notenerencuentalasyapulsadas->isEnabled());
  ui.M_Ocultarsololaprimeraylaltima->trigger();
  EXPECT_FALSE(ui.M_Tenerencuentasololasvocales->isEnabled());
  // Choosing the checked item again still starts a new word.
  ui.M_Tresletraserroneas->trigger();
  for (int tick = 0; tick < 30; ++tick)
    main().Timer_juegoTimer();
  ui.M_Tresletraserroneas->trigger();
  EXPECT_EQ(game().state().elapsedSeconds, 0);
  EXPECT_EQ(ui.Label_oportunidades->text(), "2");
  EXPECT_FALSE(ui.M_Cincoletraserrneaspermitidas->isChecked());

  // A list with a word without marks cannot be played in the marked-letters mode.
  std::vector<std::string> lines = {"K. L. TAMU P. LURIMBA", "Sin marcas"};
  for (const char* word :
       {"casa", "mesa", "pato", "gato", "rana", "sapo", "lobo", "oso", "pez", "toro"})
    lines.insert(lines.end(), {word, ""});
  WriteList("archivos/sin_marcas.lma", lines);
  dialogs.filesToOpen = {(folder.path() + "/archivos/sin_marcas.lma").toStdString()};
  main().M_LeerpalabrasdearchivoClick();
  dialogs.messages.clear();
  ui.M_Ocultarletrasmarcadas->trigger();
  EXPECT_FALSE(dialogs.messages.empty());
  EXPECT_EQ(game().settings().hideMode, kHideAllButEnds);
  for (int mode = 1; mode <= kModeCount; ++mode)
    EXPECT_EQ(main().ModeAction(mode)->isChecked(), mode == kHideAllButEnds) << mode;
}

TEST_F(WindowTest, ViewTogglesShowAndHideTheirPanels) {
  StartUp({"ANA", "LUIS"});  // two players: the current-player box shows too
  Ui::TForm_juego& ui = *main().ui();
  const std::pair<QAction*, QWidget*> toggles[] = {
      {ui.M_VerTemadelaspalabras, ui.Label_tema},
      {ui.M_Verpistasobrepalabra, ui.Label_pista},
      {ui.M_Vertiempo, ui.Label_tiempo},
      {ui.M_VerControldepalabras, ui.GroupBox_controlpalabras},
      {ui.M_Verletrasfalladas, ui.GroupBox_letrasfalladas},
      {ui.M_Verfallospermitidos, ui.GroupBox_oportunidades},
      {ui.M_Vernombrejugadoractual, ui.GroupBox_jugador},
      {ui.M_Verteclado, ui.Panel_teclas}};
  for (const auto& [action, target] : toggles) {
    for (bool shown : {false, true}) {
      action->trigger();
      EXPECT_EQ(action->isChecked(), shown);
      EXPECT_EQ(target->isVisibleTo(&main()), shown) << target->objectName().toStdString();
    }
  }
}

// Closing the window or "Opciones de salida..." opens the end-of-game options; "Terminar
// juego" and the options' "Terminar  el juego" ask before they end the program.
TEST_F(WindowTest, EndingTheGameGoesThroughTheOptionsAndAQuestion) {
  StartUp();
  TForm_op_fin& options = *program->Form_op_fin;
  for (QAction* how : {static_cast<QAction*>(nullptr), main().ui()->Opcionesdesalida1}) {
    for (int tick = 0; tick < 40; ++tick)
      main().Timer_juegoTimer();
    bool closed = false;
    WhileModal([&] { how ? how->trigger() : void(closed = main().close()); },
               [&] { QTest::mouseClick(options.ui()->Label_continuar, Qt::LeftButton); });
    EXPECT_FALSE(closed);
    EXPECT_EQ(game().state().elapsedSeconds, 0);  // a new word
  }
  dialogs.answers = {false};
  main().ui()->Terminarjuego1->trigger();
  EXPECT_EQ(dialogs.messages.back().text,
            Ansi("\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n"));
  EXPECT_FALSE(main().ProgramEnding());
  EXPECT_TRUE(main().isVisible());
  main().Timer_juego.start();
  main().Timer_icono.start();
  dialogs.answers = {true};
  WhileModal([&] { main().close(); },
             [&] { QTest::mouseClick(options.ui()->Label_terminar, Qt::LeftButton); });
  EXPECT_TRUE(main().ProgramEnding());
  EXPECT_FALSE(main().isVisible());
  EXPECT_FALSE(main().Timer_juego.isActive());
  EXPECT_FALSE(main().Timer_icono.isActive());
}

TEST_F(WindowTest, AuthorInformationAndTheMissingCompanion) {
  StartUp();
  main().ui()->M_Autor->trigger();
  QFile::remove(folder.path() + "/lurim_w.htm");
  main().ui()->M_Version->trigger();
  // The companion program is looked for beside the game's program; the tests' folder has none.
  ASSERT_FALSE(QFile::exists(QCoreApplication::applicationDirPath() + "/docentix"));
  main().ui()->M_ProgramaDOCENTIX->trigger();
  ASSERT_EQ(dialogs.messages.size(), 3u);
  const std::string author = dialogs.messages[0].text;
  EXPECT_EQ(dialogs.messages[0].kind + dialogs.messages[1].kind + dialogs.messages[2].kind,
            "infoplainstop");
  EXPECT_EQ(dialogs.messages[1].text, author + Ansi("Falta el archivo 'htm' de información."));
  EXPECT_EQ(dialogs.messages[2].text, Ansi("\nNo se ha podido abrir el programa Docentix.\n\nDebe "
                                           "estar en la misma carpeta que Lurimba.\n"));
}

TEST_F(WindowTest, PresentacionUnrollsTheIntroductionOverTheGame) {
  StartUp();
  main().ui()->M_Presentacion->trigger();
  EXPECT_TRUE(program->Form_inicio->isVisible());
  // The game goes on behind it.
  const char letter = LettersToFind()[0];
  main().FormKeyPress(letter);
  EXPECT_NE(game().state().pressedLetters.find(letter), std::string::npos);
}

// F1 pressed on a control of a window opens that window's own topic; the window stays open.
struct HelpKeyRow {
  const char* name;
  QDialog* (*window)(Program&);
  int context;
};

class HelpKeyTest : public WindowTest, public ::testing::WithParamInterface<HelpKeyRow> {};

TEST_P(HelpKeyTest, F1OpensTheWindowsTopicAndLeavesItOpen) {
  QDialog* window = GetParam().window(*program);
  std::string shown;
  bool stillOpen = false;
  WhileOpen([&] { window->exec(); },
            [&](QWidget* modal) {
              QWidget* child = modal->nextInFocusChain();  // its first control
              child->setFocus();
              QTest::keyClick(child, Qt::Key_F1);
              HelpWindow& help = main().help().Window();
              shown = help.isVisible() ? help.Browser()->source().fileName().toStdString() : "";
              stillOpen = modal->isVisible() && QApplication::activeModalWidget() == modal;
              window->QDialog::done(QDialog::Rejected);
            });
  EXPECT_EQ(shown, HelpBook::Shipped().TopicForContext(GetParam().context)->file.toStdString());
  EXPECT_TRUE(stillOpen);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindowWithATopic, HelpKeyTest,
    ::testing::Values(
        HelpKeyRow{"Players", [](Program& p) -> QDialog* { return p.Form_jugadores; }, 517},
        HelpKeyRow{"Results", [](Program& p) -> QDialog* { return p.Form_Resultados; }, 508},
        HelpKeyRow{"Background", [](Program& p) -> QDialog* { return p.Form_dibujof; }, 519},
        HelpKeyRow{"EndOfGame", [](Program& p) -> QDialog* { return p.Form_op_fin; }, 518},
        HelpKeyRow{"Points", [](Program& p) -> QDialog* { return p.Form_puntos; }, 516},
        HelpKeyRow{"ScoreFolder", [](Program& p) -> QDialog* { return p.Form_directorio; }, 516},
        HelpKeyRow{"KeyboardFile", [](Program& p) -> QDialog* { return p.Form_teclado; }, 502},
        HelpKeyRow{"KeyEditor", [](Program& p) -> QDialog* { return p.Form_charboton; }, 502}),
    [](const auto& info) { return std::string(info.param.name); });

// The scale chosen for a screen fits the whole window on it, menu bar included.
class WindowScaleTest : public WindowTest, public ::testing::WithParamInterface<QSize> {};

TEST_P(WindowScaleTest, TheScaledWindowFitsTheScreen) {
  main().show();
  const QSize frame = main().frameGeometry().size();
  const double factor = ScaleFactorFor(GetParam(), TForm_juego::kDesignSize);
  EXPECT_LE(frame.width() * factor, GetParam().width()) << factor;
  EXPECT_LE(frame.height() * factor, GetParam().height()) << factor;
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowScaleTest,
                         ::testing::Values(QSize(1024, 768), QSize(1920, 1080), QSize(1280, 1024),
                                           QSize(1366, 768), QSize(1920, 1040)),
                         [](const auto& info) {
                           return std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });
