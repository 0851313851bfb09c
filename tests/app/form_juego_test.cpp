// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window driven as a child and a teacher use it.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "controls/gif_image.h"
#include "platform/help.h"
#include "platform/text.h"
#include "results/form_op_fin.h"
#include "screens/form_acierto.h"
#include "screens/form_inicio.h"
#include "support/window_fixture.h"
#include "ui_form_acierto.h"
#include "ui_form_juego.h"
#include "ui_form_op_fin.h"

namespace {

QString Text(QLabel* label) {
  return label->text();
}

// The key of the on-screen keyboard whose caption is `letter`.
QPushButton* Key(TForm_juego& window, QChar letter) {
  for (QPushButton* key : window.ui()->Panel_teclas->findChildren<QPushButton*>()) {
    if (key->objectName().startsWith("Button_") && key->text() == QString(letter))
      return key;
  }
  return nullptr;
}

}  // namespace

TEST_F(WindowTest, FirstTickStartsTheGameWithTheDefaultList) {
  StartUp();
  EXPECT_TRUE(main().StartupDone());
  EXPECT_TRUE(timersStartedOnShow);
  EXPECT_TRUE(game().state().wordInPlay);
  EXPECT_TRUE(main().ui()->M_Ocultaralazarfasefacil->isChecked());
  EXPECT_FALSE(main().ui()->M_VerPuntos->isChecked());
  EXPECT_TRUE(Text(main().ui()->Label_tema).startsWith("Tema: "));
  EXPECT_TRUE(Text(main().ui()->Label_pista).startsWith("Pista: "));
  EXPECT_EQ(Text(main().ui()->Label_puntos), "0 / 0");
  EXPECT_EQ(Text(main().ui()->Label_nombrejugador), "Sin nombre");
  EXPECT_EQ(Text(main().ui()->Label_oportunidades), "5");
  EXPECT_EQ(main().ui()->ListBox_temas->count(), 1);
  EXPECT_TRUE(dialogs.messages.empty());

  // The clock counts the seconds of the word in play, from the first tick on.
  EXPECT_EQ(Text(main().ui()->Label_tiempo), "  0 : 01");
  for (int tick = 0; tick < 64; ++tick)
    main().Timer_juegoTimer();
  EXPECT_EQ(Text(main().ui()->Label_tiempo), "  1 : 05");
}

TEST_F(WindowTest, StartUpWithoutAnyWordListEndsTheProgram) {
  QFile::remove(folder.path() + "/ejemplo");
  StartUp();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_TRUE(main().ProgramEnding());
  EXPECT_FALSE(main().isVisible());
}

TEST_F(WindowTest, ChildFigureChangesPoseEveryThreeSeconds) {
  StartUp();
  std::vector<bool> firstPose;
  for (int tick = 0; tick < 12; ++tick) {
    main().Timer_juegoTimer();
    firstPose.push_back(main().ui()->Image_nigno1->isVisibleTo(&main()));
    EXPECT_NE(firstPose.back(), main().ui()->Image_nigno2->isVisibleTo(&main()));
  }
  EXPECT_EQ(firstPose, (std::vector<bool>{true, true, true, true, false, false, false, true, true,
                                          true, false, false}));
}

TEST_F(WindowTest, TypedAndClickedLettersAreJudged) {
  StartUp();
  // One right letter must not end the word, and Qt Test types only plain letters.
  const auto typable = [&] {
    const std::string toFind = LettersToFind();
    return toFind.size() >= 2 && toFind[0] >= 'a' && toFind[0] <= 'z';
  };
  while (!typable())
    game().StartWord();
  const char right = LettersToFind()[0];
  const std::string before = FromQt(Text(main().ui()->Label_palabra));

  // A right letter typed on the real keyboard appears in the word.
  QTest::keyClick(FocusedChild(), right);
  const std::string after = FromQt(Text(main().ui()->Label_palabra));
  EXPECT_NE(before, after);
  EXPECT_NE(after.find(right), std::string::npos);

  // A wrong letter clicked on the keyboard fills a label and breaks the floor.
  QPushButton* wrongKey = Key(main(), QChar(WrongLetter()));
  ASSERT_NE(wrongKey, nullptr);
  QTest::mouseClick(wrongKey, Qt::LeftButton);
  EXPECT_EQ(Text(main().ui()->Label_letrafallo1), QString(QChar(WrongLetter())));
  EXPECT_TRUE(main().ui()->Image_sfallo1->isVisibleTo(&main()));
  EXPECT_FALSE(main().ui()->Image_sfallo2->isVisibleTo(&main()));
  EXPECT_EQ(Text(main().ui()->Label_oportunidades), "4");
}

TEST_F(WindowTest, CleanSolvePlaysTheExitAnimationBehindTheDialog) {
  StartUp();
  for (char c : LettersToFind())
    main().FormKeyPress(c);
  EXPECT_TRUE(main().ui()->Label_palabra2->isVisibleTo(&main()));
  EXPECT_FALSE(main().ui()->Label_palabra->isVisibleTo(&main()));

  TForm_Acierto& dialog = *program->Form_Acierto;
  main().Timer_iconoTimer();  // step 1: the dialog opens without blocking the timer
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.Seguir()->isVisibleTo(&dialog));
  EXPECT_TRUE(main().ui()->Image_salida1->isVisibleTo(&main()));
  EXPECT_FALSE(main().ui()->Image_nigno1->isVisibleTo(&main()));
  // Puzzles run: the short layout, the picture puzzle beside the dialog at the end.
  EXPECT_FALSE(dialog.Picture()->isVisibleTo(&dialog));
  EXPECT_EQ(sound.played.back(), std::make_pair(SoundId::Acierto, PlayMode::Loop));

  // Esc cannot close the dialog while the child is still walking out.
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_TRUE(dialog.isVisible());
  Ui::TForm_juego& ui = *main().ui();
  QLabel* frames[] = {ui.Image_salida1, ui.Image_salida2, ui.Image_salida3, ui.Image_salida4,
                      ui.Image_salida5, ui.Image_salida6, ui.Image_salida7, ui.Image_salida8};
  for (int step = 2; step <= 8; ++step) {
    main().Timer_iconoTimer();
    EXPECT_TRUE(frames[step - 1]->isVisibleTo(&main())) << step;
    EXPECT_FALSE(frames[step - 2]->isVisibleTo(&main())) << step;
    EXPECT_FALSE(dialog.Seguir()->isVisibleTo(&dialog)) << step;
  }
  main().Timer_iconoTimer();  // step 9
  EXPECT_TRUE(dialog.Seguir()->isVisibleTo(&dialog));
  EXPECT_TRUE(program->Form_puzle->isVisible());
  EXPECT_FALSE(game().state().exitAnimationPending);
  EXPECT_FALSE(main().ui()->Image_salida8->isVisibleTo(&main()));

  // "Seguir": the first scene of the decorations and a new word.
  const int stopsBefore = sound.stops;
  QTest::mouseClick(dialog.Seguir(), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_GT(sound.stops, stopsBefore);
  EXPECT_TRUE(game().state().wordInPlay);
  EXPECT_TRUE(main().ui()->Label_palabra->isVisibleTo(&main()));
  EXPECT_FALSE(main().ui()->Label_palabra2->isVisibleTo(&main()));
  EXPECT_TRUE(main().Decoration(1)->isVisibleTo(&main()));
  EXPECT_FALSE(main().Decoration(2)->isVisibleTo(&main()));
  EXPECT_FALSE(main().Decoration(3)->isVisibleTo(&main()));
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

TEST_F(WindowTest, ModeMenuIsARadioGroupAndRefusedCommandsKeepTheMode) {
  StartUp();
  main().ui()->M_Ocultarsololaprimeraylaltima->trigger();
  EXPECT_EQ(game().settings().hideMode, kHideAllButEnds);
  int checked = 0;
  for (int mode = 1; mode <= kModeCount; ++mode)
    checked += main().ModeAction(mode)->isChecked();
  EXPECT_EQ(checked, 1);
  EXPECT_TRUE(main().ui()->M_Ocultarsololaprimeraylaltima->isChecked());

  // A list with a word without marks cannot be played in the marked-letters mode.
  std::vector<std::string> lines = {"K. L. TAMU P. LURIMBA", "Sin marcas"};
  for (const char* word :
       {"casa", "mesa", "pato", "gato", "rana", "sapo", "lobo", "oso", "pez", "toro"})
    lines.insert(lines.end(), {word, ""});
  WriteList("archivos/sin_marcas.lma", lines);
  dialogs.filesToOpen = {(folder.path() + "/archivos/sin_marcas.lma").toStdString()};
  main().M_LeerpalabrasdearchivoClick();
  dialogs.messages.clear();
  main().ui()->M_Ocultarletrasmarcadas->trigger();
  EXPECT_EQ(game().settings().hideMode, kHideAllButEnds);
  EXPECT_TRUE(main().ui()->M_Ocultarsololaprimeraylaltima->isChecked());
  EXPECT_FALSE(main().ui()->M_Ocultarletrasmarcadas->isChecked());
  EXPECT_FALSE(dialogs.messages.empty());
}

// The options' rules are the engine's: the menus drive its commands and mirror its settings.
TEST_F(WindowTest, OptionMenusFollowTheirRules) {
  StartUp();
  Ui::TForm_juego& ui = *main().ui();
  ui.M_Ocultarsolovocales->trigger();
  EXPECT_TRUE(ui.M_Tenerencuentasololasvocales->isEnabled());
  ui.M_Tenerencuentasololasvocales->trigger();
  EXPECT_TRUE(ui.M_Marcarlasvocales->isChecked());
  EXPECT_TRUE(ui.BitBtn_a->isVisibleTo(&main()));
  EXPECT_FALSE(ui.BitBtn_MA->isVisibleTo(&main()));
  EXPECT_FALSE(ui.M_Tenerencuentatodaslasletras->isChecked());

  ui.M_Ponertodaslasquehay->trigger();
  EXPECT_FALSE(ui.M_Ponertodaslasquehay->isChecked());
  EXPECT_FALSE(ui.M_Notenerencuentalasyapulsadas->isEnabled());
  EXPECT_FALSE(ui.M_Notenerencuentalasyapulsadas->isChecked());
  ui.M_Ponertodaslasquehay->trigger();
  EXPECT_TRUE(ui.M_Notenerencuentalasyapulsadas->isEnabled());
  EXPECT_FALSE(ui.M_Notenerencuentalasyapulsadas->isChecked());

  ui.M_Ocultaralazarfasefacil->trigger();
  EXPECT_FALSE(ui.M_Tenerencuentasololasvocales->isEnabled());
  ui.M_Tresletraserroneas->trigger();
  EXPECT_EQ(Text(ui.Label_oportunidades), "2");
  EXPECT_TRUE(ui.M_Tresletraserroneas->isChecked());
  EXPECT_FALSE(ui.M_Cincoletraserrneaspermitidas->isChecked());
  // Choosing the checked item again still starts a new word.
  for (int tick = 0; tick < 30; ++tick)
    main().Timer_juegoTimer();
  ui.M_Tresletraserroneas->trigger();
  EXPECT_EQ(game().state().elapsedSeconds, 0);
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
    action->trigger();
    EXPECT_FALSE(action->isChecked());
    EXPECT_FALSE(target->isVisibleTo(&main())) << target->objectName().toStdString();
    action->trigger();
    EXPECT_TRUE(action->isChecked());
    EXPECT_TRUE(target->isVisibleTo(&main())) << target->objectName().toStdString();
  }
}

TEST_F(WindowTest, ReadingAnotherListChangesThemeAndTooltip) {
  StartUp();
  const std::string path = (folder.path() + "/archivos/animales.lma").toStdString();
  dialogs.filesToOpen = {path};
  main().M_LeerpalabrasdearchivoClick();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].pattern, folder.path().toStdString() + "/archivos/*.lma");
  EXPECT_EQ(Text(main().ui()->Label_tema), "Tema: Animales");
  EXPECT_EQ(main().ui()->Label_tema->toolTip(), QString::fromStdString(path));
  EXPECT_EQ(main().ui()->ListBox_temas->count(), 2);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, TerminarJuegoAsksBeforeEnding) {
  StartUp();
  dialogs.answers = {false};
  main().ui()->Terminarjuego1->trigger();
  EXPECT_FALSE(main().ProgramEnding());
  EXPECT_TRUE(main().isVisible());
  main().Timer_juego.start();
  main().Timer_icono.start();
  dialogs.answers = {true};
  main().ui()->Terminarjuego1->trigger();
  EXPECT_TRUE(main().ProgramEnding());
  EXPECT_FALSE(main().isVisible());
  EXPECT_FALSE(main().Timer_juego.isActive());
  EXPECT_FALSE(main().Timer_icono.isActive());
  EXPECT_EQ(dialogs.messages.back().text,
            Ansi("\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n"));
}

// Closing the window (or "Opciones de salida...") opens the end-of-game options.
TEST_F(WindowTest, ClosingTheWindowOpensTheEndOfGameOptions) {
  StartUp();
  TForm_op_fin& options = *program->Form_op_fin;
  for (QAction* how : {static_cast<QAction*>(nullptr), main().ui()->Opcionesdesalida1}) {
    for (int tick = 0; tick < 40; ++tick)
      main().Timer_juegoTimer();
    bool closed = false;
    WhileModal([&] { how ? how->trigger() : void(closed = main().close()); },
               [&] {
                 EXPECT_TRUE(options.isVisible());
                 QTest::mouseClick(options.ui()->Label_continuar, Qt::LeftButton);
               });
    EXPECT_FALSE(closed);
    EXPECT_TRUE(main().isVisible());
    EXPECT_FALSE(main().ProgramEnding());
    EXPECT_EQ(game().state().elapsedSeconds, 0);  // a new word
  }
  // "Terminar  el juego", confirmed, ends the program.
  dialogs.answers = {true};
  WhileModal([&] { main().close(); },
             [&] { QTest::mouseClick(options.ui()->Label_terminar, Qt::LeftButton); });
  EXPECT_TRUE(main().ProgramEnding());
  EXPECT_FALSE(main().isVisible());
}

TEST_F(WindowTest, AuthorAndInformationPage) {
  StartUp();
  main().ui()->M_Autor->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "info");
  QFile::remove(folder.path() + "/lurim_w.htm");
  main().ui()->M_Version->trigger();
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[1].kind, "plain");
  EXPECT_EQ(dialogs.messages[1].text,
            dialogs.messages[0].text + Ansi("Falta el archivo 'htm' de información."));
}

// The companion program is looked for beside the game's program; the tests' folder has none.
TEST_F(WindowTest, ProgramaDocentixSaysWhenTheCompanionIsMissing) {
  StartUp();
  ASSERT_FALSE(QFile::exists(QCoreApplication::applicationDirPath() + "/docentix"));
  main().ui()->M_ProgramaDOCENTIX->trigger();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "stop");
  EXPECT_EQ(dialogs.messages[0].text, Ansi("\nNo se ha podido abrir el programa Docentix.\n\nDebe "
                                           "estar en la misma carpeta que Lurimba.\n"));
}

TEST_F(WindowTest, PresentacionUnrollsTheIntroductionOverTheGame) {
  StartUp();
  main().ui()->M_Presentacion->trigger();
  EXPECT_TRUE(program->Form_inicio->isVisible());
  // The game goes on behind it.
  const std::string toFind = LettersToFind();
  main().FormKeyPress(toFind[0]);
  EXPECT_NE(game().state().pressedLetters.find(toFind[0]), std::string::npos);
}

// F1 anywhere in the window opens the topic of what is being done: the hiding mode in play.
TEST_F(WindowTest, F1OpensTheTopicOfTheModeInPlay) {
  StartUp();
  const auto titleByF1 = [&] {
    QTest::keyClick(FocusedChild(), Qt::Key_F1);
    HelpWindow& help = main().help().Window();
    EXPECT_TRUE(help.isVisible());
    return help.Browser()->documentTitle();
  };
  const auto titleOf = [&](int context) {
    main().help().ShowHelp(context);
    return main().help().Window().Browser()->documentTitle();
  };
  const QString fewLetters = titleByF1();
  main().ui()->M_Ocultarsololaprimeraylaltima->trigger();
  const QString allButEnds = titleByF1();
  EXPECT_FALSE(fewLetters.isEmpty());
  EXPECT_NE(fewLetters, allButEnds);
  EXPECT_EQ(fewLetters, titleOf(510));
  EXPECT_EQ(allButEnds, titleOf(515));
  main().help().CloseHelp();
}
