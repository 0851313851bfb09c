// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One classroom, many computers: several copies of the program (lurimba-classroom-writer)
// save into one results file and one points file at the same moment, round after round, and
// after every round both files hold everything each copy was told was saved, once, whole.
// LURIMBA_CLASSROOM_WRITERS, LURIMBA_CLASSROOM_ROUNDS and LURIMBA_CLASSROOM_FOLDER (a folder
// on another file system, a network folder) set a longer run: `make stress`.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <set>

#include "charset.h"
#include "platform/disk_shared_files.h"
#include "results_file.h"
#include "score_table.h"
#include "support/files.h"
#include "support/window_fixture.h"

namespace {

int Setting(const char* name, int otherwise) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok && value > 0 ? value : otherwise;
}

struct Tally {
  int rounds = 0, writers = 0;
  int recordsWritten = 0, recordsFound = 0, recordsLost = 0, recordsDuplicated = 0;
  int recordsTorn = 0, savesRefused = 0;
  int scoresWritten = 0, scoresLost = 0, roundsWithLoss = 0;
};

std::ostream& operator<<(std::ostream& out, const Tally& t) {
  return out << t.rounds << " rounds, " << t.writers << " writers: " << t.recordsWritten
             << " records saved, " << t.recordsFound << " found, " << t.recordsLost << " lost, "
             << t.recordsDuplicated << " duplicated, " << t.recordsTorn << " torn; "
             << t.savesRefused << " saves refused; " << t.scoresWritten
             << " ten-best entries saved, " << t.scoresLost << " lost; " << t.roundsWithLoss
             << " rounds lost something";
}

// A record is whole when its counters are the ones its name was made with.
bool Whole(const PlayerRecord& record, std::string& key) {
  int writer = 0, round = 0, k = 0;
  if (std::sscanf(record.name.c_str(), "e%dr%dj%d", &writer, &round, &k) != 3)
    return false;
  key = record.name;
  return record.solved[0] == writer && record.solved[1] == round && record.solved[2] == k &&
         record.solvedTotal == writer * 100000 + round * 10 + k && record.failedTotal == round &&
         record.theme == "Clase";
}

// The records of a results file by name; whatever is not a whole record counts as torn.
std::multiset<std::string> Records(const QByteArray& bytes, int& torn) {
  std::multiset<std::string> names;
  if (bytes.isEmpty())
    return names;
  RecordBytes record{};
  std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), 140), record.begin());
  if (bytes.size() < 140 || !IsResultsHeader(record) || bytes.size() % 140 != 0)
    ++torn;
  for (qsizetype at = 140; at + 140 <= bytes.size(); at += 140) {
    std::copy_n(bytes.constData() + at, 140, record.begin());
    std::string key;
    if (Whole(DecodeFileRecord(record), key))
      names.insert(key);
    else
      ++torn;
  }
  return names;
}

class Classroom {
 public:
  Classroom(const QString& folder, int writers) : folder_(folder) {
    QDir(folder).mkpath("resultad");
    for (int id = 1; id <= writers; ++id) {
      auto process = std::make_unique<QProcess>();
      process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
      process->start(CLASSROOM_WRITER, {folder, QString::number(id)});
      EXPECT_TRUE(process->waitForStarted(10000));
      processes_.push_back(std::move(process));
    }
  }
  ~Classroom() {
    for (auto& process : processes_) {
      process->closeWriteChannel();
      if (!process->waitForFinished(5000))
        process->kill();
      process->waitForFinished(5000);
    }
  }
  QProcess& Writer(int id) { return *processes_[id - 1]; }
  QString ResultsFile() const { return folder_ + "/resultad/clase.rlm"; }
  QString PointsFile() const { return folder_ + "/puntos.plm"; }

  // Every writer saves at the same moment; then what each was told is checked in the files.
  void Round(int round, Tally& tally) {
    const QByteArray go = "round " + QByteArray::number(round) + "\n";
    for (auto& process : processes_)
      process->write(go);
    for (auto& process : processes_)
      process->waitForBytesWritten(1000);
    std::multiset<std::string> expected = lastRecords_;
    std::vector<ScoreEntry> scores;
    for (int id = 1; id <= static_cast<int>(processes_.size()); ++id) {
      const QByteArray answer = Answer(Writer(id));
      int answered = 0, results = 0, points = 0;
      ASSERT_EQ(std::sscanf(answer.constData(), "done %d %d %d", &answered, &results, &points), 3)
          << answer.constData();
      const std::string e = "e" + std::to_string(id) + "r" + std::to_string(round) + "j";
      if (results) {
        expected.insert({e + "1", e + "2"});
        tally.recordsWritten += 2;
      }
      const std::string p = "r" + std::to_string(round);
      if (points) {
        scores.push_back({"p" + std::to_string(id) + p, round * 100 + id});
        scores.push_back({"g" + std::to_string(id) + p, round * 100 + 50 + id});
        tally.scoresWritten += 2;
      }
      tally.savesRefused += !results + !points;
    }
    const int lostBefore = tally.recordsLost + tally.scoresLost + tally.recordsDuplicated;
    std::multiset<std::string> found = Records(ReadBytes(ResultsFile()), tally.recordsTorn);
    for (const std::string& name : std::set<std::string>(expected.begin(), expected.end())) {
      const int want = static_cast<int>(expected.count(name));
      const int got = static_cast<int>(found.count(name));
      tally.recordsLost += std::max(0, want - got);
      tally.recordsDuplicated += std::max(0, got - want);
    }
    lastRecords_ = found;

    // The ten best that the file held before this round with this round's scores: each
    // score of the round is higher than every score before it.
    const QByteArray bytes = ReadBytes(PointsFile());
    const TopTenList list = ParsePointsFile(std::string_view(bytes.constData(), bytes.size()));
    std::set<std::pair<int, std::string>> ranked(lastScores_.begin(), lastScores_.end());
    for (const ScoreEntry& entry : scores)
      ranked.insert({entry.points, entry.name});
    std::set<std::pair<int, std::string>> best, inFile;
    for (auto it = ranked.rbegin(); it != ranked.rend() && best.size() < kTopPlaces; ++it)
      best.insert(*it);
    for (const ScorePlace& place : list.places) {
      if (!place.entry.name.empty())
        inFile.insert({place.entry.points, place.entry.name});
    }
    for (const auto& entry : best)
      tally.scoresLost += inFile.count(entry) == 0;
    lastScores_ = inFile;
    tally.roundsWithLoss +=
        tally.recordsLost + tally.scoresLost + tally.recordsDuplicated > lostBefore;
  }

  // A fresh results file: one holds at most fifty records.
  void NewResultsFile(Tally& tally) {
    tally.recordsFound += static_cast<int>(lastRecords_.size());
    QFile::remove(ResultsFile());
    lastRecords_.clear();
  }

  static QByteArray Answer(QProcess& process) {
    while (!process.canReadLine()) {
      if (!process.waitForReadyRead(30000))
        return "no answer";
    }
    return process.readLine();
  }

 private:
  QString folder_;
  std::vector<std::unique_ptr<QProcess>> processes_;
  std::multiset<std::string> lastRecords_;
  std::set<std::pair<int, std::string>> lastScores_;
};

Tally RunClassroom(const QString& folder, int writers, int rounds) {
  Tally tally;
  tally.writers = writers;
  Classroom classroom(folder, writers);
  const int roundsPerFile = std::max(1, kMaxFileRecords / (2 * writers));
  for (int round = 1; round <= rounds; ++round) {
    if (round > 1 && (round - 1) % roundsPerFile == 0)
      classroom.NewResultsFile(tally);
    classroom.Round(round, tally);
    if (::testing::Test::HasFatalFailure())
      break;
    tally.rounds = round;
  }
  classroom.NewResultsFile(tally);
  return tally;
}

}  // namespace

TEST(Classroom, EveryRecordAndEveryBestScoreSavedAtTheSameMomentIsKept) {
  QTemporaryDir dir(qEnvironmentVariable("LURIMBA_CLASSROOM_FOLDER", QDir::tempPath()) +
                    "/lurimba-classroom-XXXXXX");
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path();
  QElapsedTimer timer;
  timer.start();
  const Tally tally = RunClassroom(folder, Setting("LURIMBA_CLASSROOM_WRITERS", 4),
                                   Setting("LURIMBA_CLASSROOM_ROUNDS", 40));
  std::cout << "[classroom] " << folder.toStdString() << ": " << tally << " (" << timer.elapsed()
            << " ms)" << std::endl;
  EXPECT_EQ(tally.recordsLost, 0);
  EXPECT_EQ(tally.recordsDuplicated, 0);
  EXPECT_EQ(tally.recordsTorn, 0);
  EXPECT_EQ(tally.scoresLost, 0);
  EXPECT_EQ(tally.savesRefused, 0);
  EXPECT_EQ(tally.recordsFound, tally.recordsWritten);
}

// A copy of the program killed while it holds the results file's lock (after reading the
// file, before writing it): the file stays as it was, and the next save has the lock at once.
// Meanwhile another computer's save waits a moment, then says so and writes nothing.
TEST(Classroom, AWriterKilledWhileItHoldsTheLockLeavesTheFileWholeAndTheLockFree) {
  QTemporaryDir folder;
  Tally tally;
  Classroom classroom(folder.path(), 2);
  classroom.Round(1, tally);
  const QByteArray before = ReadBytes(classroom.ResultsFile());
  ASSERT_EQ(before.size(), 140 * 5);
  QProcess& holder = classroom.Writer(1);
  holder.write("hold\n");
  ASSERT_EQ(Classroom::Answer(holder), "holding\n");

  ScriptedDialogs dialogs;
  DiskSharedFiles impatient(300);
  ResultsFiles files(dialogs, impatient, {2026, 7, 12});
  files.resultsPath = classroom.ResultsFile().toStdString();
  PlayerTable players;
  players.records[0].name = "OTRO";
  EXPECT_FALSE(files.AppendPlayerRecords(players));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            Ansi("El archivo de resultados está ocupado por otro ordenador. Inténtelo otra vez."));
  EXPECT_EQ(dialogs.beeps, 1);

  ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
  ASSERT_TRUE(holder.waitForFinished(5000));
  EXPECT_EQ(ReadBytes(classroom.ResultsFile()), before);
  QElapsedTimer timer;
  timer.start();
  EXPECT_TRUE(files.AppendPlayerRecords(players));
  EXPECT_LT(timer.elapsed(), 300);
  const QByteArray after = ReadBytes(classroom.ResultsFile());
  EXPECT_EQ(after.left(before.size()), before);
  EXPECT_EQ(after.size(), before.size() + 140);
  EXPECT_EQ(after.mid(before.size(), 5), QByteArray("OTRO\0", 5));
}
