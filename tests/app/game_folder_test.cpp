// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program keeps its game folder.
#include "platform/game_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "charset.h"
#include "support/disk_failure.h"
#include "support/window_fixture.h"

namespace {

void Write(const QString& path, const QByteArray& bytes = "x") {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// The files under `folder`, hidden ones too, by their relative names; "absent" without it.
std::string Files(const QString& folder) {
  if (!QDir(folder).exists())
    return "absent";
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext())
    files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files.join(" ").toStdString();
}

struct FolderCase {
  const char* name;
  QStringList files;      // made beside the program, by their relative names
  const char* programIn;  // the program's folder, relative
  const char* chosen;     // the game folder: "user" for the per-user one
  const char* userFiles;  // what the per-user folder then holds
};

class GameFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.isValid());
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
  }
  void TearDown() override { qunsetenv("XDG_DATA_HOME"); }
  QString User() const { return home.path() + "/lurimba"; }
  QTemporaryDir program;
  QTemporaryDir home;
};

class LayoutTest : public GameFolderTest, public ::testing::WithParamInterface<FolderCase> {};

// The process's own folder is left alone whatever is chosen.
TEST_P(LayoutTest, GameFolderIsChosenByTheMarker) {
  for (const QString& file : GetParam().files)
    Write(program.path() + "/" + file);
  const QString before = QDir::currentPath();
  const QString chosen = ChooseGameFolder(program.path() + GetParam().programIn).Path();
  const QString expected = GetParam().chosen == QString("user")
                               ? User()
                               : QDir(program.path() + GetParam().chosen).canonicalPath();
  EXPECT_EQ(chosen, expected);
  EXPECT_EQ(QDir::currentPath(), before);
  EXPECT_EQ(Files(User()), GetParam().userFiles);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutTest,
    ::testing::Values(FolderCase{"BesideTheProgram", {"data/.lurimba"}, "", "/data", "absent"},
                      // A folder of word lists is not a game folder without the marker.
                      FolderCase{"TheDefaultListAlone", {"data/ejemplo"}, "", "user", ""},
                      // Installed under bin/ and share/lurimba: the shared folder only fills the
                      // user's folder, even for a user who may write to it.
                      FolderCase{"Installed",
                                 {"share/lurimba/.lurimba", "share/lurimba/ejemplo",
                                  "share/lurimba/puzles/puzle1.bmp", "bin/lurimba"},
                                 "/bin",
                                 "user",
                                 "ejemplo puzles/puzle1.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShippedGameFolder, CarriesTheMarker) {
  EXPECT_TRUE(QFile::exists(QString(DATA_DIR) + "/" + kGameFolderMarker));
}

TEST_F(GameFolderTest, FillingKeepsTheTeachersFiles) {
  const QString shipped = program.path() + "/share/lurimba";
  Write(shipped + "/ejemplo");
  Write(shipped + "/archivos/animales.lma");
  Write(User() + "/ejemplo", "the teacher's own list");
  FillFromShipped(shipped, User());
  EXPECT_EQ(Files(User()), "archivos/animales.lma ejemplo");
  QFile kept(User() + "/ejemplo");
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "the teacher's own list");
}

// On a disk too small for the whole game folder each file is there whole or
// not at all, and the next start copies what is missing.
TEST_F(GameFolderTest, FillingOnAFullDiskLeavesNoFileCutShort) {
  const QString shipped = program.path() + "/share/lurimba";
  for (int i = 0; i < 6; ++i)
    Write(shipped + QString("/fondo%1.bmp").arg(i), QByteArray(20000, char('a' + i)));
  QDir().mkpath(User());
  int copied = 0;
  {
    SmallDisk disk(User(), 64);
    if (!disk.Mounted())
      GTEST_SKIP() << disk.Why().toStdString();
    const QStringList notCopied = FillFromShipped(shipped, User());
    for (const QString& name : QDir(User()).entryList(QDir::Files)) {
      EXPECT_EQ(QFile(User() + "/" + name).size(), 20000) << name.toStdString();
      EXPECT_FALSE(notCopied.contains(name)) << name.toStdString();
      ++copied;
    }
    EXPECT_EQ(notCopied.size(), 6 - copied);  // each file missing is named
  }
  EXPECT_GT(copied, 0);
  EXPECT_LT(copied, 6);
}

// A file where a folder of the game goes: what belongs in it is named, a few at most, and
// the game goes on with what it has.
TEST_F(GameFolderTest, FilesThatCannotBeCopiedAreNamedAtStart) {
  const QString shipped = program.path() + "/share/lurimba";
  Write(shipped + "/" + kGameFolderMarker);
  Write(program.path() + "/bin/lurimba");
  Write(shipped + "/ejemplo");
  for (int i = 1; i <= 5; ++i)
    Write(shipped + QString("/puzles/puzle%1.bmp").arg(i));
  Write(User() + "/puzles", "in the way");
  const GameFolder folder = ChooseGameFolder(program.path() + "/bin");
  ScriptedDialogs dialogs;
  ReportNotCopied(folder, dialogs, kCaption);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "stop");
  EXPECT_EQ(dialogs.messages[0].caption, kCaption);
  EXPECT_EQ(dialogs.messages[0].text,
            Utf8ToAnsi("No se han podido copiar estos archivos del juego en la carpeta\n" +
                       User().toStdString() +
                       ":\n\npuzles/puzle1.bmp, puzles/puzle2.bmp, puzles/puzle3.bmp y 2 más.\n\n"
                       "El programa sigue con los archivos que ya hay en ella; al volver a abrirlo "
                       "intentará copiar de nuevo los que faltan."));
  EXPECT_EQ(Files(User()), "ejemplo puzles");
}

}  // namespace
