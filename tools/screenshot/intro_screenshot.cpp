// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the introduction window's pages as PNG files into the folder given as
// the only argument: the logo page, the castle page with its story, and the
// story under the mouse and with a button held on it. Runs on any platform,
// the offscreen one included.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPushButton>

#include "controls/ant_label.h"
#include "controls/gif_image.h"
#include "screens/form_inicio.h"
#include "shots.h"
#include "ui_form_inicio.h"

namespace {

using namespace shots;

void Roll(TForm_inicio& intro, int ticks) {
  for (int i = 0; i < ticks; ++i)
    intro.Timer_inicioTimer();
}

// A few frames on, so that the animations show something other than their start.
void Animate(TForm_inicio& intro) {
  for (TGIFImage* gif : {intro.ui()->GIFImage1, intro.ui()->GIFImage2, intro.ui()->GIFImage3}) {
    for (int i = 0; i < 3; ++i)
      gif->Tick();
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2)
    return 2;
  outputFolder = QDir(argv[1]).absolutePath();
  QWidget owner;
  owner.resize(800, 600);
  auto* intro = new TForm_inicio(&owner);
  intro->Present();
  intro->Timer_inicio.stop();  // the roll is driven here, a tick at a time
  Roll(*intro, 26);
  SaveWidget(*intro, "intro-1-logo");

  intro->ui()->Button_Seguir->click();
  intro->Timer_inicio.stop();
  Roll(*intro, 12);
  SaveWidget(*intro, "intro-2-rolling-up");
  Roll(*intro, 14 + 26);
  Animate(*intro);
  SaveWidget(*intro, "intro-3-castle");

  TantLabel* story = intro->ui()->antLabel1;
  const QPointF inside(20, 20);
  QEnterEvent enter(inside, inside, story->mapToGlobal(inside));
  QApplication::sendEvent(story, &enter);
  SaveWidget(*intro, "intro-4-story-under-the-mouse");
  QMouseEvent press(QEvent::MouseButtonPress, inside, story->mapToGlobal(inside), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(story, &press);
  SaveWidget(*intro, "intro-5-story-held");
  return failures == 0 ? 0 : 1;
}
