// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one save path: the old file survives every failure, and the
// failure is reported.
#include "platform/save_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/disk_failure.h"
#include "support/files.h"

namespace {

// Makes a file look as if it was last written `seconds` ago.
void Age(const QString& path, int seconds) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                               QFileDevice::FileModificationTime));
}

const QByteArray kOld = QByteArray("the old keyboard, whole ").repeated(8);
const QByteArray kNew = QByteArray(4000, 'n');

}  // namespace

class SaveFileTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return folder.filePath(name); }
  QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
  QTemporaryDir folder;
};

// A link (whole or broken), a folder, a pipe and a missing folder are never written.
TEST_F(SaveFileTest, WritesOnlyARegularFile) {
  QTemporaryDir elsewhere;
  const QString target = elsewhere.filePath("importante.txt");
  ASSERT_TRUE(SaveWhole(target, kOld));
  ASSERT_TRUE(QFile::link(target, Path("clase.tec")));
  ASSERT_TRUE(QFile::link(elsewhere.filePath("no-existe"), Path("roto.tec")));
  ASSERT_TRUE(QDir(folder.path()).mkdir("carpeta.tec"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("tubo.tec")).constData(), 0600), 0);
  for (const char* name : {"clase.tec", "roto.tec", "carpeta.tec", "tubo.tec", "no-hay/a.tec"})
    EXPECT_FALSE(SaveWhole(Path(name), kNew)) << name;
  EXPECT_EQ(ReadBytes(target), kOld);
  EXPECT_FALSE(QFile::exists(elsewhere.filePath("no-existe")));
  EXPECT_TRUE(QFileInfo(Path("clase.tec")).isSymLink());
  EXPECT_TRUE(QFileInfo(Path("carpeta.tec")).isDir());
}

// The kernel refuses to let a file grow past the process's limit, part-way
// through the write or at its first byte: the same failure as a full disk.
class SaveFileLimitTest : public SaveFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(SaveFileLimitTest, AFailedWriteKeepsTheOldFileWhole) {
  ASSERT_TRUE(SaveWhole(Path("clase.tec"), kOld));
  {
    WriteLimit limit(GetParam());
    EXPECT_FALSE(SaveWhole(Path("clase.tec"), kNew));
  }
  EXPECT_EQ(ReadBytes(Path("clase.tec")), kOld);
  EXPECT_EQ(Files(), QStringList({"clase.tec"}));   // no temporary file left behind
  EXPECT_TRUE(SaveWhole(Path("clase.tec"), kNew));  // and all is well once there is room
  EXPECT_EQ(ReadBytes(Path("clase.tec")), kNew);
}

INSTANTIATE_TEST_SUITE_P(Limits, SaveFileLimitTest, ::testing::Values(0, 1, 2048, 3999),
                         [](const auto& info) { return "Bytes" + std::to_string(info.param); });

// A save killed before its end leaves its temporary file: a hidden name with the program's
// mark. The next save into that folder removes such a file once it is old enough not to be
// another save's, and nothing else: a teacher's own copies stay, whatever their names.
TEST_F(SaveFileTest, OnlyTheProgramsOwnLeftoversAreRemoved) {
  const QString leftover = ".clase.tec~lurimba-Qx3WzT9b";
  const QStringList teachers = {"puntos.plm.backup",          "clase3b.lma.backup",
                                "clase.tec.QxWzTb",           "ejemplo.QwErTy",
                                ".clase.tec~lurimba-Qx3WzT9", "clase.tec~lurimba-Qx3WzT9b"};
  for (const QString& name : teachers + QStringList{leftover}) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    Age(Path(name), 24 * 3600);
  }
  Age(Path(leftover), 0);
  for (const char* name : {"puntos.plm", "clase3b.lma", "clase.tec"})
    ASSERT_TRUE(SaveWhole(Path(name), kOld));
  EXPECT_TRUE(QFile::exists(Path(leftover))) << "a fresh one may be a save in progress";
  Age(Path(leftover), 120);
  ASSERT_TRUE(SaveWhole(Path("clase.tec"), kNew));
  QStringList kept = teachers + QStringList{"puntos.plm", "clase3b.lma", "clase.tec"};
  kept.sort();
  EXPECT_EQ(Files(), kept);
}
