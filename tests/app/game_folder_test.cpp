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

TEST_F(GameFolderTest, PlaysFromTheFolderBesideTheProgramWhenItHoldsTheGame) {
  Touch(program.path() + "/data/ejemplo");
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

TEST_F(GameFolderTest, WithoutAnyGameDataTheUserFolderIsUsed) {
  const GameFolder chosen = ChooseGameFolder(program.path());
  EXPECT_EQ(chosen.Path(), home.path() + "/lurimba");
  EXPECT_TRUE(QDir(chosen.Path()).exists());
}
