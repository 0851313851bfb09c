// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How long the results report takes to print, and a results file to open.
//
//   lurimba-report-bench [folder]
//
// Prints results files of 1,000 and 10,000 players to PDF through the program's
// own report code, and opens a file of fifty players for viewing; one line per
// figure: "<name> <value> <unit>" (wall-clock time, and the processor time the
// program itself spent, which a busy machine does not inflate). Files go to `folder` (a temporary
// one when not given). Runs on the offscreen platform unless another one is chosen.
#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <fstream>

#include "platform/disk_shared_files.h"
#include "platform/prompter_qt.h"
#include "results/results_report.h"
#include "results_file.h"

namespace {

// Answers every dialog at once: no window ever opens.
class QuietDialogs : public Dialogs {
 public:
  std::string fileToOpen;
  void Stop(const std::string&, const std::string&) override { ++messages; }
  void Info(const std::string&, const std::string&) override { ++messages; }
  bool Question(const std::string&, const std::string&) override { return false; }
  bool QuestionDefaultNo(const std::string&, const std::string&) override { return false; }
  void Plain(const std::string&) override { ++messages; }
  void Beep() override {}
  std::optional<std::string> AskOpenFile(const OpenFileRequest&) override { return fileToOpen; }
  std::optional<std::string> AskSaveFile(const SaveFileRequest&) override { return {}; }
  std::optional<QFont> AskFont(const QFont&, const QString&) override { return {}; }
  std::optional<QColor> AskColor(const QColor&, const QString&) override { return {}; }
  bool AskPrinter(QPrinter&) override { return true; }
  int messages = 0;
};

std::string WriteResultsFile(const QString& folder, int players) {
  const std::string path = (folder + QString("/grupo-%1.rlm").arg(players)).toStdString();
  std::ofstream out(path, std::ios::binary);
  const RecordBytes header = EncodeResultsHeader({2001, 5, 3});
  out.write(reinterpret_cast<const char*>(header.data()), header.size());
  for (int k = 1; k <= players; ++k) {
    PlayerRecord record;
    record.name = "JUGADOR " + std::to_string(k);
    record.year = 2001;
    record.day = 1 + k % 28;
    record.month = 1 + k % 12;
    for (int i = 0; i < kModeCount; ++i) {
      record.solved[i] = (k * 7 + i) % 500;
      record.failed[i] = (k * 3 + i) % 200;
    }
    record.solvedTotal = k % 3000;
    record.failedTotal = k % 1200;
    const RecordBytes bytes = EncodeFileRecord(record);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  return path;
}

struct Timing {
  double wall = -1;  // seconds on the clock
  double cpu = -1;   // seconds of the processor spent by the program
};

// Time to print the whole file to a PDF file.
Timing PrintTime(const QString& folder, int players, QuietDialogs& dialogs) {
  const std::string path = WriteResultsFile(folder, players);
  DiskSharedFiles shared;
  ResultsFiles files(dialogs, shared, {2001, 5, 3});
  std::optional<ResultsReader> reader = files.CheckResultsHeader(path);
  if (!reader)
    return {};
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder + QString("/informe-%1.pdf").arg(players));
  QElapsedTimer timer;
  timer.start();
  const std::clock_t cpuStart = std::clock();
  const ReportEnd end = PrintResultsReport(printer, *reader, dialogs);
  const Timing timing{timer.nsecsElapsed() / 1e9,
                      static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
  return end == ReportEnd::Printed ? timing : Timing{};
}

// Microseconds to choose, check and read a file of fifty players, averaged.
double OpenMicroseconds(const QString& folder, QuietDialogs& dialogs) {
  dialogs.fileToOpen = WriteResultsFile(folder, 50);
  DiskSharedFiles shared;
  ResultsFiles files(dialogs, shared, {2001, 5, 3});
  constexpr int kRounds = 200;
  QElapsedTimer timer;
  timer.start();
  for (int round = 0; round < kRounds; ++round) {
    if (files.LoadFilePlayers() != 50)
      return -1;
  }
  return timer.nsecsElapsed() / 1e3 / kRounds;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir temporary;
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();
  QuietDialogs dialogs;
  for (int players : {1000, 10000}) {
    const Timing timing = PrintTime(folder, players, dialogs);
    std::printf("report_print_%d_records %.3f s\n", players, timing.wall);
    std::printf("report_print_%d_records_cpu %.3f s\n", players, timing.cpu);
  }
  std::printf("results_open_50_records %.1f us\n", OpenMicroseconds(folder, dialogs));
  return dialogs.messages == 0 ? 0 : 1;
}
