// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the end-of-game windows as PNG files into the folder given as the only
// argument: the options window, the ten best with three new entries among
// scores already saved, and the score folder chooser. Runs on any platform,
// the offscreen one included.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "charset.h"
#include "platform/prompter_qt.h"
#include "results/form_directorio.h"
#include "results/form_op_fin.h"
#include "results/form_puntos.h"
#include "score_table.h"
#include "shots.h"

namespace {

using namespace shots;

// Scores saved by earlier games.
void WriteSavedScores(const QString& folder) {
  TopTenList saved;
  const std::pair<const char*, int> scores[] = {{"LOS LINCES", 120}, {"MARTA", 85}, {"PEÑA", 60},
                                                {"JAVIER", 45},      {"LUCÍA", 30}, {"ÓSCAR", 20},
                                                {"NOA", 15}};
  for (std::size_t i = 0; i < std::size(scores); ++i)
    saved.places[i].entry = {Ansi(scores[i].first), scores[i].second};
  const std::string bytes = SerializePointsFile(saved);
  QFile file(folder + "/" + kPointsFileName);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != 240)
    ++failures;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2)
    return 2;
  outputFolder = QDir(argv[1]).absolutePath();
  QTemporaryDir gameFolder;
  WriteSavedScores(gameFolder.path());

  // A group of two players that has just played.
  PlayerTable players;
  players.playerCount = 2;
  players.scores[0] = {Ansi("LAS ÁGUILAS"), 95};
  players.scores[1] = {Ansi("ANA"), 50};
  players.scores[2] = {Ansi("IÑIGO"), 45};

  QtDialogs dialogs;
  QWidget owner;
  owner.resize(800, 600);
  TForm_puntos points(&owner, GameFolder(gameFolder.path()), players, dialogs);
  TForm_op_fin options(
      &owner, dialogs, [] { return false; }, [] {});
  TForm_directorio directory(&owner, GameFolder(gameFolder.path()), dialogs, points.scoreDirectory);

  options.show();
  SaveWidget(options, "end-1-options");
  options.hide();
  points.show();
  SaveWidget(points, "end-2-ten-best-three-new");
  points.hide();
  directory.show();
  QApplication::processEvents();
  SaveWidget(directory, "end-3-score-folder");
  directory.hide();
  return failures == 0 ? 0 : 1;
}
