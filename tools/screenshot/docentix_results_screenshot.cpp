// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the companion's results tab as PNG files into the folder given as the only
// argument: a table of two results files, the same table filtered by a theme, and
// the open dialog; then the progress of one pupil over several sessions at 1024x768, and
// the export of all as a spreadsheet ("docentix-results.fods").
// Runs on any platform, the offscreen one included.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

#include "charset.h"
#include "docentix/progress_tab.h"
#include "docentix/results_fods.h"
#include "docentix/results_tab.h"
#include "platform/application.h"
#include "results_file.h"
#include "shots.h"

namespace {

using namespace shots;

struct Played {
  const char* name;
  const char* theme;
  LocalDate date;
  int solved[6];
  int failed[6];
};

// A results file as the game saves it, the players' text in UTF-8 here.
void WriteResults(const QString& path, const std::vector<Played>& players) {
  std::string bytes;
  auto add = [&bytes](const RecordBytes& record) {
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  };
  add(EncodeResultsHeader({2026, 14, 9}));
  for (const Played& p : players) {
    PlayerRecord record;
    record.name = Ansi(p.name);
    record.theme = Ansi(p.theme);
    record.year = p.date.year;
    record.month = p.date.month;
    record.day = p.date.day;
    for (int i = 0; i < kModeCount; ++i) {
      record.solved[i] = p.solved[i];
      record.failed[i] = p.failed[i];
      record.solvedTotal += p.solved[i];
      record.failedTotal += p.failed[i];
    }
    add(EncodeFileRecord(record));
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) < 0)
    ++failures;
}

}  // namespace

int main(int argc, char* argv[]) {
  Application app(argc, argv);
  if (argc < 2)
    return 2;
  outputFolder = QDir(argv[1]).absolutePath();
  QTemporaryDir folder;
  WriteResults(
      folder.filePath("3A.rlm"),
      {{"ANA", "Animales de la granja", {2026, 6, 10}, {4, 2, 1, 6, 3, 0}, {1, 0, 2, 1, 2, 0}},
       {"IÑIGO", "Animales de la granja", {2026, 6, 10}, {3, 3, 0, 5, 1, 2}, {0, 1, 1, 0, 3, 1}},
       {"LUCÍA", "Animales de la granja", {2026, 6, 10}, {5, 4, 2, 7, 2, 1}, {0, 0, 1, 1, 1, 0}},
       {"MARTA", "Frutas y verduras", {2026, 17, 11}, {2, 1, 3, 4, 0, 0}, {2, 1, 0, 1, 0, 0}},
       {"ÓSCAR", "Frutas y verduras", {2026, 17, 11}, {6, 2, 2, 3, 4, 3}, {1, 2, 0, 0, 1, 1}}});
  WriteResults(
      folder.filePath("3B.rlm"),
      {{"JOSÉ MARÍA",
        "Animales de la granja",
        {2026, 8, 10},
        {3, 1, 0, 4, 2, 1},
        {2, 2, 1, 0, 1, 0}},
       {"NOA", "Animales de la granja", {2026, 8, 10}, {1, 0, 1, 2, 0, 0}, {3, 1, 2, 2, 0, 1}},
       {"SALMA", "Los oficios", {2026, 20, 11}, {7, 5, 3, 8, 6, 4}, {0, 1, 0, 0, 2, 0}}});

  // More sessions of 3A, some of them on one day.
  WriteResults(
      folder.filePath("3A-otono.rlm"),
      {{"ANA", "Frutas y verduras", {2026, 13, 10}, {2, 1, 0, 3, 1, 0}, {2, 1, 1, 2, 1, 0}},
       {"ANA", "Frutas y verduras", {2026, 20, 10}, {3, 2, 1, 4, 1, 0}, {1, 1, 1, 1, 1, 0}},
       {"LUCÍA", "Frutas y verduras", {2026, 20, 10}, {5, 3, 2, 4, 2, 1}, {1, 0, 0, 1, 0, 0}},
       {"Ana", "Los oficios", {2026, 27, 10}, {4, 2, 2, 5, 2, 1}, {1, 0, 1, 1, 1, 0}},
       {"ANA", "Los oficios", {2026, 27, 10}, {1, 1, 0, 2, 1, 0}, {0, 1, 0, 0, 0, 0}},
       {"ANA", "Los oficios", {2026, 3, 11}, {5, 3, 2, 6, 3, 1}, {0, 1, 0, 1, 0, 0}},
       {"ANA", "Los oficios", {2026, 10, 11}, {6, 4, 3, 7, 3, 2}, {0, 0, 1, 0, 1, 0}},
       {"ANA", "Los oficios", {2026, 24, 11}, {7, 4, 3, 8, 4, 2}, {0, 0, 0, 1, 0, 0}}});

  // The tab as the companion's window holds it.
  QTabWidget window;
  window.setWindowTitle("Docentix");
  auto* tab = new ResultsTab(folder.path());
  window.addTab(new QWidget, "Listas de palabras");
  window.addTab(tab, "Resultados");
  auto* progress = new ProgressTab(*tab);
  window.addTab(progress, "Progreso");
  window.setCurrentWidget(tab);
  window.resize(1366, 520);
  window.show();
  if (!tab->OpenFiles({folder.filePath("3A.rlm"), folder.filePath("3B.rlm")}))
    ++failures;
  SaveSettledWidget(window, "docentix-results-1-two-files");

  tab->themeFilter()->setCurrentIndex(tab->themeFilter()->findText("Animales de la granja"));
  SaveSettledWidget(window, "docentix-results-2-one-theme");

  tab->themeFilter()->setCurrentIndex(0);
  if (!tab->OpenFiles({folder.filePath("3A-otono.rlm")}))
    ++failures;
  window.setCurrentWidget(progress);
  window.resize(1024, 768);
  SaveSettledWidget(window, "docentix-progress-1-one-pupil");
  QString message;
  if (!SaveResultsFods(tab->ShownRows(), PathOf("docentix-results").replace(".png", ".fods"),
                       message))
    ++failures;

  // The open dialog, where several files are chosen at once; then cancelled.
  auto* poll = new QTimer(&window);
  QObject::connect(poll, &QTimer::timeout, [poll] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog)
      return;
    poll->stop();
    SaveSettledWidget(*dialog, "docentix-results-3-open-dialog");
    dialog->reject();
  });
  poll->start(50);
  tab->Open();
  return failures == 0 ? 0 : 1;
}
