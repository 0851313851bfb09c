// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the real program under a display server and saves what a child sees,
// as PNG files, into the folder given as the only argument. Run it from a fresh
// copy of the game folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>

#include "app/accessibility.h"
#include "app/program.h"
#include "charset.h"
#include "platform/disk_shared_files.h"
#include "platform/prompter_qt.h"
#include "platform/screen_scale.h"
#include "platform/sound_player_qt.h"
#include "results/results_report.h"
#include "screens/form_acierto.h"
#include "screens/form_puzle.h"
#include "settings/form_charboton.h"
#include "settings/on_screen_keyboard.h"
#include "shots.h"
#include "support/play.h"
#include "ui_form_juego.h"
#include "ui_form_jugadores.h"
#include "ui_form_resultados.h"

namespace {

using namespace shots;

void SaveReportPage(Dialogs& dialogs, const PlayerTable& players, const QString& name) {
  PlayerTable group = players;
  for (int k = 0; k < group.playerCount; ++k)
    group.records[k].theme = "Animales de la granja";
  group.records[1].name = Ansi("Begoña");
  DiskSharedFiles shared;
  ResultsFiles files(dialogs, shared, {2001, 3, 5});
  files.resultsPath = (outputFolder + "/" + name + ".rlm").toStdString();
  QFile::remove(QString::fromStdString(files.resultsPath));
  std::optional<ResultsReader> reader;
  if (files.AppendPlayerRecords(group) && files.AppendPlayerRecords(group))
    reader = files.CheckResultsHeader(files.resultsPath);
  if (!reader) {
    ++failures;
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = outputFolder + "/" + name + ".pdf";
  printer.setOutputFileName(pdf);
  PrintResultsReport(printer, *reader, dialogs);
  const int status = QProcess::execute("pdftoppm", {"-png", "-r", "80", "-f", "1", "-l", "1",
                                                    "-singlefile", pdf, outputFolder + "/" + name});
  if (status != 0)
    ++failures;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The same scale as the program on this screen.
  ChooseScaleFactor(argc, argv, TForm_juego::kDesignSize);
  QApplication app(argc, argv);
  ReleaseScaleProbe();
  InstallAccessibleNames();
  QApplication::setStyle(new VisibleFocusStyle);
  if (argc < 2)
    return 2;
  outputFolder = QDir(argv[1]).absolutePath();
  // Named by the screen's real pixels, whatever the scale.
  const QSize pixels = QGuiApplication::primaryScreen()->grabWindow(0).size();
  const QString prefix = QString("%1x%2-").arg(pixels.width()).arg(pixels.height());
  QtDialogs dialogs;
  QtSoundPlayer sound;
  Program program(GameFolder(QDir::currentPath()), dialogs, sound);
  dialogs.SetOwner(program.Form_juego.get());
  TForm_juego& main = *program.Form_juego;
  // The puzzle as the main window runs it: beside the solved dialog, the points shown.
  program.Form_Acierto->SetPuzzle(program.Form_puzle);
  QObject::connect(program.Form_puzle, &TForm_puzle::Completed,
                   [&main] { main.game().ShowPoints(); });
  main.showMaximized();
  // Without a window manager nothing maximises the window: give it the whole screen.
  main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  Settle(500);
  main.Timer_juego.stop();  // the screenshots drive the timers themselves
  main.Timer_icono.stop();
  // Three players take turns; their names are typed in capitals.
  WhenVisible(program.Form_jugadores, [&] {
    TForm_jugadores& players = *program.Form_jugadores;
    const char* names[] = {"ANA", "LUIS", "PEPA"};
    for (int i = 0; i < 3; ++i) {
      players.NameField(i + 1)->setFocus();
      QTest::keyClicks(players.NameField(i + 1), QString(names[i]).toLower());
    }
    QTest::keyClicks(players.ui()->Edit_grupo, "los linces");
    SaveScreen(prefix + "0-players");
    players.ui()->Button_jugar->click();
  });
  main.Timer_juegoTimer();
  Game& game = main.game();
  SaveScreen(prefix + "1-start");
  // The "Ver" menu open, with reading aloud at its end.
  main.menuBar()->setActiveAction(main.ui()->M_Ver_OP->menuAction());
  SaveScreen(prefix + "1a-view-menu");
  main.ui()->M_Ver_OP->close();
  main.menuBar()->setActiveAction(nullptr);

  const std::string toFind = LettersToFind(game);
  if (toFind.size() > 1)
    main.FormKeyPress(toFind[0]);
  SaveScreen(prefix + "2-right-letter");

  main.FormKeyPress(WrongLetter(game, 0));
  main.FormKeyPress(WrongLetter(game, 1));
  SaveScreen(prefix + "3-two-wrong-letters");

  // The solve had mistakes: the dialog is modal; answer it after the shot.
  WhenVisible(program.Form_Acierto, [&] {
    SaveScreen(prefix + "4-solved-after-mistakes");
    program.Form_Acierto->Seguir()->click();
  });
  for (char c : LettersToFind(game))
    main.FormKeyPress(c);
  Settle();

  // A clean solve: the child walks out behind the word-solved dialog.
  for (char c : LettersToFind(game))
    main.FormKeyPress(c);
  for (int step = 1; step <= 4; ++step)
    main.Timer_iconoTimer();
  SaveScreen(prefix + "5-leaving-the-room");
  for (int step = 5; step <= 9; ++step)
    main.Timer_iconoTimer();
  SaveScreen(prefix + "6-word-solved");
  // The end of the animation opens the puzzle: as three and then eight clean solves leave it.
  for (int solve = 1; solve <= 3; ++solve)
    program.Form_puzle->Present();
  SaveScreen(prefix + "6a-puzzle-3-pieces");
  for (int solve = 4; solve <= 8; ++solve)
    program.Form_puzle->Present();
  SaveScreen(prefix + "6b-puzzle-complete");
  program.Form_Acierto->Seguir()->click();

  // A lost word: the floor breaks piece by piece under the child.
  WhenVisible(program.Form_Error, [&] {
    SaveSettledWidget(main, prefix + "floor-6-breaks");
    SaveScreen(prefix + "7-word-failed");
    program.Form_Error->Seguir()->click();
  });
  // The child comes back into the room at the next steps of the game timer.
  for (int tick = 0;
       tick < 12 && !main.ui()->Image_nigno1->isVisible() && !main.ui()->Image_nigno2->isVisible();
       ++tick)
    main.Timer_juegoTimer();
  for (int wrong = 0; wrong < 6 && game.state().wordInPlay; ++wrong) {
    main.FormKeyPress(WrongLetter(game, wrong));
    if (wrong == 0)
      SaveSettledWidget(main, prefix + "floor-1-break");
    if (wrong == 2)
      SaveSettledWidget(main, prefix + "floor-3-breaks");
  }
  Settle();

  // The keyboard in capitals with the coloured vowels, and the key editor.
  main.ui()->M_Marcarlasvocales->trigger();
  QTest::mouseClick(main.ui()->SpeedButton_may, Qt::LeftButton);
  SaveScreen(prefix + "8-keyboard-capitals");
  WhenVisible(program.Form_charboton, [&] {
    SaveScreen(prefix + "9-key-editor");
    program.Form_charboton->reject();
  });
  QTest::mouseClick(main.keyboard().Key(15), Qt::RightButton);
  Settle();

  // The teacher's results window with the three players, and page 1 of their report.
  TForm_Resultados& results = *program.Form_Resultados;
  WhenVisible(&results, [&] {
    SaveScreen(prefix + "10-results");
    results.ui()->Button_cerrar->click();
  });
  main.ui()->M_Controlderesultados->trigger();
  SaveReportPage(dialogs, game.players(), prefix + "11-report-page1");

  // Played by the keyboard alone: Tab from "g" reaches "h", and the focus shows.
  SetUpAccessibility(*main.ui());
  main.activateWindow();
  main.ui()->Button_g->setFocus(Qt::TabFocusReason);
  QTest::keyClick(main.ui()->Button_g, Qt::Key_Tab);
  SaveScreen(prefix + "12-keyboard-focus");

  // The longest texts shrink to fit: a word of 30 letters, a theme of 65 characters, many points.
  game.SetViewOption(&ViewOptions::points, true);
  main.SetThemeText(
      Ansi("Tema: ANIMALES DE LA GRANJA, DEL BOSQUE, DEL MAR Y DE LA SELVA TROPICAL"));
  main.SetWordText("ESTERNOCLEIDOMASTOIDEOMUSCULAR");
  main.SetPointsText("1250 / 10400");
  SaveScreen(prefix + "13-longest-texts");
  return failures == 0 ? 0 : 1;
}
