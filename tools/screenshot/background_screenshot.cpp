// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the background chooser and the backgrounds as PNG files into the folder
// given as the only argument: the picture and texture choosers with their
// previews, the main window on a picture and on a texture, and the two
// backgrounds alone at 1024x768. Run it under a display server from a fresh
// copy of the game folder.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

#include "app/program.h"
#include "platform/prompter_qt.h"
#include "platform/sound_player_qt.h"
#include "settings/background.h"
#include "settings/form_dibujof.h"
#include "shots.h"
#include "ui_form_dibujof.h"
#include "ui_form_juego.h"
#include "ui_form_jugadores.h"

namespace {

using namespace shots;

// Picks `file` in the chooser's list, as a click would, and saves the chooser.
void ChooseAndSave(TForm_dibujof& chooser, const QString& file, const QString& shot) {
  WhenVisible(&chooser, [&chooser, file, shot] {
    const auto items = chooser.ui()->FileListBox->findItems(file, Qt::MatchExactly);
    if (items.isEmpty()) {
      ++failures;
      qWarning("no %s in the chooser", qPrintable(file));
      chooser.reject();
      return;
    }
    chooser.ui()->FileListBox->setCurrentItem(items.first());
    SaveSettledWidget(chooser, shot);
    chooser.ui()->Button_aceptar->click();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2)
    return 2;
  outputFolder = QDir(argv[1]).absolutePath();
  const QSize screen = QGuiApplication::primaryScreen()->size();
  const QString prefix = QString("%1x%2-").arg(screen.width()).arg(screen.height());
  QtDialogs dialogs;
  QtSoundPlayer sound;
  Program program(GameFolder(QDir::currentPath()), dialogs, sound);
  dialogs.SetOwner(program.Form_juego.get());
  TForm_juego& main = *program.Form_juego;
  Ui::TForm_juego& ui = *main.ui();
  main.showMaximized();
  main.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  Settle(500);
  main.Timer_juego.stop();
  main.Timer_icono.stop();
  WhenVisible(program.Form_jugadores, [&] {
    TForm_jugadores& players = *program.Form_jugadores;
    players.NameField(1)->setText("ANA");
    players.ui()->Button_jugar->click();
  });
  main.Timer_juegoTimer();

  ChooseAndSave(*program.Form_dibujof, "colinas.wmf", prefix + "b3-picture-chooser");
  ui.Mp_Imagendefondo->trigger();
  SaveScreen(prefix + "b4-main-on-picture");
  ChooseAndSave(*program.Form_dibujof, "madera.bmp", prefix + "b5-texture-chooser");
  ui.Mp_Texturaparafondo->trigger();
  SaveScreen(prefix + "b6-main-on-texture");
  // The hint and the captions over every shipped background.
  for (const QString& kind : {"fondos", "texturas"}) {
    for (const QFileInfo& file : QDir(kind).entryInfoList(QDir::Files, QDir::Name)) {
      const QString relative = kind + "/" + file.fileName();
      if (kind == "fondos" ? !main.background().ApplyPicture(relative)
                           : !main.background().ApplyTexture(relative)) {
        ++failures;
        qWarning("%s is not shown", qPrintable(relative));
      }
      SaveScreen(prefix + "b7-" + kind + "-" + file.baseName());
    }
  }
  return failures == 0 ? 0 : 1;
}
