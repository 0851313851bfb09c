// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window as PNG files, on the offscreen platform or under a display server:
//   lurimba-help-screenshot FOLDER
//     writes FOLDER/help-504.png (the topic F1 opens for "Opciones de juego") and
//     FOLDER/help-contents.png (the contents page, as "Ayuda" opens it).
//   lurimba-help-screenshot --crop SCREENSHOTS PICTURES
//     cuts the help book's pictures out of the program's screenshots (`make screenshot`),
//     as PICTURES/crops.txt lists them: "picture.png screenshot.png x y width height".
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

#include "platform/help.h"
#include "platform/help_window.h"
#include "shots.h"

namespace {

using namespace shots;

int SaveHelpWindow(const QString& folder) {
  outputFolder = folder;
  Help help;
  help.ShowHelp(504);
  help.Window().resize(820, 600);
  Settle(200);
  SaveWidget(help.Window(), "help-504");
  help.ShowHelpContents();
  Settle(200);
  SaveWidget(help.Window(), "help-contents");
  return failures == 0 ? 0 : 1;
}

int CropPictures(const QString& screenshots, const QString& pictures) {
  QFile list(pictures + "/crops.txt");
  if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
    qWarning("no %s", qPrintable(list.fileName()));
    return 1;
  }
  QTextStream in(&list);
  while (!in.atEnd()) {
    const QString line = in.readLine().section('#', 0, 0).simplified();
    const QStringList f = line.split(' ', Qt::SkipEmptyParts);
    if (f.isEmpty())
      continue;
    const QImage shot(screenshots + "/" + f.value(1));
    const QRect area(f.value(2).toInt(), f.value(3).toInt(), f.value(4).toInt(),
                     f.value(5).toInt());
    if (f.size() != 6 || shot.isNull() || !shot.rect().contains(area) ||
        !shot.copy(area).save(pictures + "/" + f[0])) {
      qWarning("could not make %s", qPrintable(line));
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() == 4 && args[1] == "--crop")
    return CropPictures(args[2], args[3]);
  if (args.size() == 2)
    return SaveHelpWindow(QDir(args[1]).absolutePath());
  qWarning("usage: lurimba-help-screenshot FOLDER | --crop SCREENSHOTS PICTURES");
  return 2;
}
