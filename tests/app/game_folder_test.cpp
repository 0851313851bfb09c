// Where the program keeps its game folder.
#include "platform/game_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST_F(GameFolderTest, WithoutAnyGameDataTheUserFolderIsUsed) {
  const GameFolder chosen = ChooseGameFolder(program.path());
  EXPECT_EQ(chosen.Path(), home.path() + "/lurimba");
  EXPECT_TRUE(QDir(chosen.Path()).exists());
}
