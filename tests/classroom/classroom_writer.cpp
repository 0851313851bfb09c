// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One computer of a classroom, for the classroom test: `lurimba-classroom-writer FOLDER ID`
// saves through the program's own code into FOLDER/resultad/clase.rlm and FOLDER/puntos.plm,
// at each line "round N" it reads, and answers "done N RESULTS POINTS" (1 saved, 0 refused).
// "hold" saves into the results file and stops while it holds the file (it answers
// "holding"), until it is killed. Records and scores carry the writer and the round:
// "e<ID>r<N>j<K>" with counters made from them, "p<ID>r<N>" with N * 100 + ID points and the
// group "g<ID>r<N>" with N * 100 + 50 + ID.
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/disk_shared_files.h"
#include "platform/game_folder.h"
#include "platform/prompter_qt.h"
#include "results/form_puntos.h"
#include "results_file.h"
#include "ui_form_puntos.h"

namespace {

// No dialog ever opens: every message is written to the standard error.
class SilentDialogs : public Dialogs {
 public:
  void Stop(const std::string& text, const std::string&) override { Say(text); }
  void Info(const std::string& text, const std::string&) override { Say(text); }
  bool Question(const std::string& text, const std::string&) override {
    Say(text);
    return false;
  }
  void Plain(const std::string& text) override { Say(text); }
  void Beep() override {}
  std::optional<std::string> AskOpenFile(const OpenFileRequest&) override { return {}; }
  std::optional<std::string> AskSaveFile(const SaveFileRequest&) override { return {}; }
  std::optional<QFont> AskFont(const QFont&, const QString&) override { return {}; }
  std::optional<QColor> AskColor(const QColor&, const QString&) override { return {}; }
  bool QuestionDefaultNo(const std::string& text, const std::string& caption) override {
    return Question(text, caption);
  }
  bool AskPrinter(QPrinter&) override { return false; }

  int said = 0;

 private:
  void Say(const std::string& text) {
    ++said;
    std::cerr << text << "\n";
  }
};

// Stops inside the lock, after the file was read, until the process is killed.
class HoldingFiles : public SharedFiles {
 public:
  SharedSave Update(const std::string& path, const Change& change) override {
    return disk_.Update(path, [&](const std::optional<std::string>& now) {
      std::cout << "holding" << std::endl;
      for (;;)
        ::pause();
      return change(now);
    });
  }

 private:
  DiskSharedFiles disk_;
};

PlayerTable Round(int writer, int round) {
  PlayerTable players;
  players.playerCount = 2;
  for (int k = 1; k <= 2; ++k) {
    PlayerRecord& record = players.records[k - 1];
    record.name =
        "e" + std::to_string(writer) + "r" + std::to_string(round) + "j" + std::to_string(k);
    record.theme = "Clase";
    record.year = 2026;
    record.day = 7;
    record.month = 12;
    record.solved = {writer, round, k, 1, 2, 3};
    record.solvedTotal = writer * 100000 + round * 10 + k;
    record.failedTotal = round;
  }
  players.scores[1] = {"p" + std::to_string(writer) + "r" + std::to_string(round),
                       round * 100 + writer};
  players.scores[0] = {"g" + std::to_string(writer) + "r" + std::to_string(round),
                       round * 100 + 50 + writer};
  return players;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3)
    return 2;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const int writer = std::stoi(argv[2]);
  SilentDialogs dialogs;
  DiskSharedFiles disk;
  HoldingFiles holding;
  PlayerTable players;
  TForm_puntos points(nullptr, GameFolder(folder), players, dialogs);
  for (std::string line; std::getline(std::cin, line);) {
    if (line == "hold") {
      ResultsFiles files(dialogs, holding, {2026, 7, 12});
      files.resultsPath = folder.toStdString() + "/resultad/clase.rlm";
      files.AppendPlayerRecords(Round(writer, 0));
      return 1;
    }
    if (line.rfind("round ", 0) != 0)
      break;
    const int round = std::stoi(line.substr(6));
    players = Round(writer, round);
    ResultsFiles files(dialogs, disk, {2026, 7, 12});
    files.resultsPath = folder.toStdString() + "/resultad/clase.rlm";
    const bool results = files.AppendPlayerRecords(players);
    // The points window as a child opens it: the list read and this game placed, then saved.
    points.show();
    const int said = dialogs.said;
    points.ui()->BitBtn_guardar->click();
    const bool saved = dialogs.said == said && !points.ui()->BitBtn_guardar->isEnabled();
    points.hide();
    std::cout << "done " << round << " " << results << " " << saved << std::endl;
  }
  return 0;
}
