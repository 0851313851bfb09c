// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program keeps its game folder.
#include "platform/game_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/disk_failure.h"

namespace {

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("x");
}

class GameFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.isValid());
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
  }
  void TearDown() override { qunsetenv("XDG_DATA_HOME"); }
  QTemporaryDir program;
  QTemporaryDir home;
};

}  // namespace

QString Marker(const QString& folder) {
  return folder + "/" + kGameFolderMarker;
}

TEST_F(GameFolderTest, PlaysFromTheFolderBesideTheProgramWhenItHoldsTheGame) {
  Touch(Marker(program.path() + "/data"));
  const QString before = QDir::currentPath();
  const GameFolder chosen = ChooseGameFolder(program.path());
  EXPECT_EQ(chosen.Path(), QDir(program.path() + "/data").canonicalPath());
  // Relative names are found in the game folder; the process's folder is left alone.
  EXPECT_EQ(chosen.File("archivos/a.lma"), chosen.Path() + "/archivos/a.lma");
  EXPECT_EQ(chosen.File("/tmp/b.lma"), "/tmp/b.lma");
  EXPECT_EQ(QDir::currentPath(), before);
}

TEST_F(GameFolderTest, TheUserFolderIsFilledWithoutOverwritingTheTeachersFiles) {
  const QString shipped = program.path() + "/share/lurimba";
  Touch(shipped + "/ejemplo");
  Touch(Marker(shipped));
  Touch(shipped + "/archivos/animales.lma");
  const QString user = home.path() + "/lurimba";
  QDir().mkpath(user);
  QFile mine(user + "/ejemplo");
  ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
  mine.write("the teacher's own list");
  mine.close();

  FillFromShipped(shipped, user);
  EXPECT_TRUE(QFile::exists(user + "/archivos/animales.lma"));
  QFile kept(user + "/ejemplo");
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "the teacher's own list");
}

// On a disk too small for the whole game folder each file is there whole or
// not at all, and the next start copies what is missing.
TEST_F(GameFolderTest, FillingOnAFullDiskLeavesNoFileCutShort) {
  const QString shipped = program.path() + "/share/lurimba";
  QDir().mkpath(shipped);
  for (int i = 0; i < 6; ++i) {
    QFile picture(shipped + QString("/fondo%1.bmp").arg(i));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(QByteArray(20000, static_cast<char>('a' + i)));
  }
  const QString user = home.path() + "/lurimba";
  QDir().mkpath(user);
  int copied = 0;
  {
    SmallDisk disk(user, 64);
    if (!disk.Mounted())
      GTEST_SKIP() << disk.Why().toStdString();
    FillFromShipped(shipped, user);
    for (const QString& name : QDir(user).entryList(QDir::Files)) {
      EXPECT_EQ(QFile(user + "/" + name).size(), 20000) << name.toStdString();
      ++copied;
    }
  }
  EXPECT_GT(copied, 0);
  EXPECT_LT(copied, 6);
}

// A teacher may delete or rename "ejemplo": the game stays in its folder and says the list is
// missing there, instead of moving to the per-user folder.
TEST_F(GameFolderTest, TheFolderBesideTheProgramStaysTheGameFolderWithoutTheDefaultList) {
  Touch(Marker(program.path() + "/data"));
  Touch(program.path() + "/data/archivos/animales.lma");
  const QString chosen = ChooseGameFolder(program.path()).Path();
  EXPECT_EQ(chosen, QDir(program.path() + "/data").canonicalPath());
  EXPECT_FALSE(QDir(home.path() + "/lurimba").exists());
}

// A folder of word lists beside the program is not a game folder without the marker: the
// user's folder is made and used.
TEST_F(GameFolderTest, TheDefaultListAloneDoesNotMakeAGameFolder) {
  Touch(program.path() + "/data/ejemplo");
  const QString chosen = ChooseGameFolder(program.path()).Path();
  EXPECT_EQ(chosen, home.path() + "/lurimba");
  EXPECT_TRUE(QDir(chosen).exists());
  EXPECT_FALSE(QFile::exists(chosen + "/ejemplo"));
}

// Installed under bin/ and share/lurimba: the shared folder only fills the user's folder, even
// for a user who may write to it, and the current folder of the shell plays no part.
TEST_F(GameFolderTest, TheInstalledFolderFillsThePerUserFolder) {
  const QString shipped = program.path() + "/share/lurimba";
  Touch(Marker(shipped));
  Touch(shipped + "/ejemplo");
  Touch(shipped + "/puzles/puzle1.bmp");
  Touch(program.path() + "/bin/lurimba");
  const QString before = QDir::currentPath();

  const QString chosen = ChooseGameFolder(program.path() + "/bin").Path();
  EXPECT_EQ(chosen, home.path() + "/lurimba");
  EXPECT_EQ(QDir::currentPath(), before);
  EXPECT_TRUE(QFile::exists(chosen + "/ejemplo"));
  EXPECT_TRUE(QFile::exists(chosen + "/puzles/puzle1.bmp"));
}

// The game folder as shipped carries the marker.
TEST_F(GameFolderTest, TheShippedGameFolderCarriesTheMarker) {
  EXPECT_TRUE(QFile::exists(Marker(DATA_DIR)));
}
