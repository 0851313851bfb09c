// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printing and sound modules: where they are looked for, and what the player meets when
// one of them is missing (a stop box for printing, silence for sound).
#include "platform/module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/printing.h"
#include "platform/sound_player_qt.h"
#include "platform/wave_file.h"
#include "results/results_window_support.h"

namespace {

// A folder that holds a copy of both modules, and one that holds nothing.
class ModuleFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(withModules.isValid());
    ASSERT_TRUE(empty.isValid());
    const QString tests = QCoreApplication::applicationDirPath();
    for (const char* module : {kPrintModule, kSoundModule}) {
      const QString name = QString(module) + ".so";
      ASSERT_TRUE(QFile::copy(tests + '/' + name, withModules.filePath(name))) << module;
    }
  }
  void TearDown() override { SetModuleFolders({}); }

  QTemporaryDir withModules;
  QTemporaryDir empty;
};

}  // namespace

TEST_F(ModuleFolderTest, FindsAModuleInTheFirstFolderThatHoldsIt) {
  const QString absent = empty.filePath("absent");
  const std::pair<QStringList, bool> cases[] = {{{withModules.path()}, true},
                                                {{empty.path(), withModules.path()}, true},
                                                {{absent, withModules.path()}, true},
                                                {{empty.path(), absent}, false}};
  for (const auto& [folders, found] : cases) {
    SCOPED_TRACE(folders.join(", ").toStdString());
    SetModuleFolders(folders);
    EXPECT_EQ(ModuleFunction(kPrintModule, kPrintModuleFunction) != nullptr, found);
    EXPECT_EQ(ModuleFunction(kSoundModule, kNewSoundPlayerFunction) != nullptr, found);
    EXPECT_EQ(LoadPrintModule() != nullptr, found);
  }
}

TEST_F(ModuleFolderTest, UsualFoldersAreTheProgramsOwnThenLibBesideBin) {
  const QString program = QCoreApplication::applicationDirPath();
  EXPECT_EQ(ModuleFolders(),
            QStringList({program, QDir::cleanPath(program + "/../lib/lurimba/modules")}));
  SetModuleFolders({empty.path()});
  EXPECT_EQ(ModuleFolders(), QStringList({empty.path()}));
  SetModuleFolders({});
  EXPECT_EQ(ModuleFolders(),
            QStringList({program, QDir::cleanPath(program + "/../lib/lurimba/modules")}));
}

TEST_F(ModuleFolderTest, SoundStartsSoonAfterTheEventLoopAndIsSilentWithoutItsModule) {
  QtSoundPlayer sound;
  EXPECT_FALSE(sound.HasSound()) << "the module loads once the window has shown";
  QCoreApplication::processEvents();
  EXPECT_FALSE(sound.HasSound()) << "the module loads once the window has shown";
  EXPECT_TRUE(QTest::qWaitFor([&] { return sound.HasSound(); }, 5000));

  SetModuleFolders({empty.path()});
  QtSoundPlayer silent;
  EXPECT_FALSE(silent.HasSound());
  silent.Play(SoundId::SonidoTecla, PlayMode::Sync);  // returns at once, plays nothing
  silent.Stop();
  EXPECT_FALSE(silent.HasSound());
}

class PrintWithoutModule : public ResultsWindowTest {
 protected:
  void TearDown() override { SetModuleFolders({}); }
  QTemporaryDir empty;
};

TEST_F(PrintWithoutModule, ImprimirSaysTheModuleIsMissingAndPrintsNothing) {
  ASSERT_TRUE(empty.isValid());
  SetModuleFolders({empty.path()});
  const QString pdf = folder.filePath("informe.pdf");
  dialogs.printTo = {pdf};
  dialogs.filesToOpen = {WriteResults("tres.rlm", {CountedPlayer("ANA", 1)})};
  Session([&] { QTest::mouseClick(ui().Button_imprimir, Qt::LeftButton); });

  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "stop");
  EXPECT_EQ(dialogs.messages[0].text,
            Ansi("\nNo se puede imprimir: falta el módulo de impresión de Lurimba "
                 "(lurimba-print.so).\n\nVuelva a instalar el programa.\n"));
  EXPECT_EQ(dialogs.messages[0].caption, "Lurimba");
  EXPECT_EQ(dialogs.printTo.size(), 1u) << "no print dialog";
  EXPECT_EQ(dialogs.filesToOpen.size(), 1u) << "no file chosen";
  EXPECT_FALSE(QFile::exists(pdf));
}

// A synchronous sound holds the game for the sound's own length, read from its WAVE header.
TEST(WaveLength, IsReadFromTheSoundsOwnHeader) {
  EXPECT_NEAR(WaveLengthMs(":/sounds/letracorrecta.wav"), 290, 5);
  EXPECT_NEAR(WaveLengthMs(":/sounds/acierto.wav"), 3000, 5);
  EXPECT_EQ(WaveLengthMs(":/sounds/no_existe.wav"), 0);
}
