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
    previous = QDir::currentPath();
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
  }
  void TearDown() override {
    QDir::setCurrent(previous);
    qunsetenv("XDG_DATA_HOME");
  }
  QTemporaryDir program;
  QTemporaryDir home;
  QString previous;
};

}  // namespace

QString Marker(const QString& folder) {
  return folder + "/" + kGameFolderMarker;
}

TEST_F(GameFolderTest, PlaysFromTheFolderBesideTheProgramWhenItHoldsTheGame) {
  Touch(Marker(program.path() + "/data"));
  const QString chosen = ChooseGameFolder(program.path());
  EXPECT_EQ(chosen, QDir(program.path() + "/data").canonicalPath());
  EXPECT_EQ(QDir::currentPath(), chosen);
  EXPECT_EQ(StartDirectory(), chosen);
  QDir::setCurrent(home.path());
  RestoreStartDirectory();
  EXPECT_EQ(QDir::currentPath(), chosen);
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

TEST_F(GameFolderTest, WithoutAnyGameDataTheUserFolderIsUsed) {
  const QString chosen = ChooseGameFolder(program.path());
  EXPECT_EQ(chosen, home.path() + "/lurimba");
  EXPECT_TRUE(QDir(chosen).exists());
  EXPECT_EQ(QDir::currentPath(), chosen);
}

// A teacher may delete or rename "ejemplo": the game stays in its folder and says the list is
// missing there, instead of moving to the per-user folder.
TEST_F(GameFolderTest, TheFolderBesideTheProgramStaysTheGameFolderWithoutTheDefaultList) {
  Touch(Marker(program.path() + "/data"));
  Touch(program.path() + "/data/archivos/animales.lma");
  const QString chosen = ChooseGameFolder(program.path());
  EXPECT_EQ(chosen, QDir(program.path() + "/data").canonicalPath());
  EXPECT_FALSE(QDir(home.path() + "/lurimba").exists());
}

// A folder of word lists beside the program is not a game folder without the marker.
TEST_F(GameFolderTest, TheDefaultListAloneDoesNotMakeAGameFolder) {
  Touch(program.path() + "/data/ejemplo");
  const QString chosen = ChooseGameFolder(program.path());
  EXPECT_EQ(chosen, home.path() + "/lurimba");
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
  QDir::setCurrent(shipped);

  const QString chosen = ChooseGameFolder(program.path() + "/bin");
  EXPECT_EQ(chosen, home.path() + "/lurimba");
  EXPECT_EQ(QDir::currentPath(), chosen);
  EXPECT_TRUE(QFile::exists(chosen + "/ejemplo"));
  EXPECT_TRUE(QFile::exists(chosen + "/puzles/puzle1.bmp"));
}

// The game folder as shipped carries the marker.
TEST_F(GameFolderTest, TheShippedGameFolderCarriesTheMarker) {
  EXPECT_TRUE(QFile::exists(Marker(DATA_DIR)));
}
