// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and saving the configuration file in a game folder, with a main
// window that records what it is told to show.
#include "settings/config_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "charset.h"
#include "platform/game_folder.h"
#include "platform/text.h"
#include "support/window_fixture.h"

namespace {

const std::string kWrongFile = "\nError.\n\nArchivo de configuración incorrecto.\n";
const std::string kReadFailed =
    "\nError.\n\nNO se ha podido leer correctamente el archivo de configuración.\n";
const std::string kNoDefault =
    "\nError.\n\nNO se ha encontrado el archivo de configuración por defecto.\n";
const std::string kSaveFailed =
    "\nError.\n\nNO se ha podido guardar la configuración de la pantalla.\n";
const std::string kTextureFailed = "Error en archivo de textura para fondo.";

// The main window's side: what it was told, in order. Pictures and textures
// load when their file exists.
class FakeLook : public ScreenLook {
 public:
  explicit FakeLook(Dialogs& dialogs) : dialogs_(dialogs) {}

  std::vector<std::string> calls;
  std::uint32_t colour = 0;
  QString picture, texture, listPath;
  WordFont font;
  Settings options;

  void SetWindowColour(std::uint32_t c) override {
    calls.push_back("colour");
    colour = c;
  }
  bool ShowBackgroundPicture(const QString& file) override {
    calls.push_back("picture");
    if (!QFile::exists(file))
      return false;
    picture = file;
    return true;
  }
  bool ApplyTexture(const QString& file) override {
    calls.push_back("texture");
    if (!QFile::exists(file)) {
      dialogs_.Plain(kTextureFailed);
      return false;
    }
    texture = file;
    return true;
  }
  void HideBackground() override { calls.push_back("hide"); }
  void SetListPath(const QString& path) override {
    calls.push_back("list");
    listPath = path;
  }
  void SetWordFont(const WordFont& f) override {
    calls.push_back("font");
    font = f;
  }
  void ShowGameOptions(const Settings& s) override {
    calls.push_back("options");
    options = s;
  }

 private:
  Dialogs& dialogs_;
};

ScreenConfig Config(int mode, const std::string& file) {
  ScreenConfig config;
  config.listPath = "archivos/animales.lma";
  config.windowColor = 0x00336699;
  config.backgroundMode = mode;
  config.backgroundFile = file;
  config.wordFontName = "Arial";
  config.wordFontStyle = kFontBold;
  config.wordFontSize = 26;
  config.allowedFailures = 2;
  config.vowelsOnly = 1;
  config.countRepeatedLetters = 0;
  config.revealAllOccurrences = 1;
  return config;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previous = QDir::currentPath();
    QDir(folder.path()).mkpath("fondos");
    QDir(folder.path()).mkpath("texturas");
    Touch("fondos/bosque.bmp");
    Touch("texturas/ladrillo.bmp");
    settings.backgroundMode = BackgroundMode::Picture;
    settings.backgroundFile = "/antes/fondo.bmp";
  }
  void TearDown() override { QDir::setCurrent(previous); }

  QString Path(const QString& name) const { return folder.path() + "/" + name; }
  std::string InFolder(const QString& name) const { return Path(name).toStdString(); }
  void Touch(const QString& name) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  void Write(const QString& name, const std::string& bytes) {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  void Write(const QString& name, const ScreenConfig& config) {
    const ScreenConfigRecord record = SerializeScreenConfig(config);
    Write(name, std::string(record.begin(), record.end()));
  }
  std::string Read(const QString& name) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly))
      return "(missing)";
    return file.readAll().toStdString();
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : dialogs.messages) {
      EXPECT_EQ(m.kind, "plain");
      texts.push_back(m.text);
    }
    return texts;
  }

  QTemporaryDir folder;
  QString previous;
  ScriptedDialogs dialogs;
  Settings settings;
  FakeLook look{dialogs};
  ConfigFile config{look, settings, dialogs, GameFolder(folder.path())};
};

}  // namespace

TEST_F(ConfigFileTest, AppliesEveryPartInItsOrder) {
  Write("config.pan", Config(2, InFolder("fondos/bosque.bmp")));
  ASSERT_TRUE(config.ReadScreenConfig("config.pan"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(look.calls, (std::vector<std::string>{"colour", "picture", "list", "font", "options"}));
  EXPECT_EQ(look.colour, 0x00336699u);
  EXPECT_EQ(settings.windowColour, 0x00336699u);
  EXPECT_EQ(look.picture, Path("fondos/bosque.bmp"));
  EXPECT_EQ(settings.backgroundMode, BackgroundMode::Picture);
  EXPECT_EQ(settings.backgroundFile, InFolder("fondos/bosque.bmp"));
  EXPECT_EQ(look.listPath, "archivos/animales.lma");
  EXPECT_EQ(look.font.name, "Arial");
  EXPECT_EQ(look.font.style, kFontBold);
  EXPECT_EQ(look.font.pointSize, 26);
  EXPECT_EQ(settings.wordFont.name, "Arial");
  EXPECT_EQ(look.options.allowedFailures, 2);
  EXPECT_TRUE(look.options.vowelsOnly);
  EXPECT_EQ(settings.allowedFailures, 2);
}

TEST_F(ConfigFileTest, AMissingFileFailsWithoutAWord) {
  EXPECT_FALSE(config.ReadScreenConfig("config.pan"));
  QDir(folder.path()).mkpath("config.def");  // a folder is not a file
  EXPECT_FALSE(config.ReadScreenConfig("config.def"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(look.calls.empty());
}

struct NotAConfigCase {
  const char* name;
  std::string bytes;
};

class NotAConfigTest : public ConfigFileTest,
                       public ::testing::WithParamInterface<NotAConfigCase> {};

TEST_P(NotAConfigTest, IsRefusedBeforeAnythingIsApplied) {
  Write("config.pan", GetParam().bytes);
  const Settings before = settings;
  EXPECT_FALSE(config.ReadScreenConfig("config.pan"));
  EXPECT_EQ(Texts(), std::vector<std::string>{Ansi(kWrongFile.c_str())});
  EXPECT_TRUE(look.calls.empty());
  EXPECT_EQ(settings.windowColour, before.windowColour);
  EXPECT_EQ(settings.backgroundFile, before.backgroundFile);
}

std::string GoodRecord() {
  const ScreenConfigRecord record = SerializeScreenConfig(Config(1, ""));
  return std::string(record.begin(), record.end());
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotAConfigTest,
    ::testing::Values(NotAConfigCase{"Empty", ""},
                      NotAConfigCase{"Short", GoodRecord().substr(0, 603)},
                      NotAConfigCase{"WrongMagic", GoodRecord().replace(576, 4, "kltp")},
                      NotAConfigCase{"WordList", "K. L. TAMU P. LURIMBA\r\nAnimales\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// A picture that cannot be loaded stops the reading: the colour before it stays,
// the background keeps its mode and file, nothing after it is applied.
TEST_F(ConfigFileTest, AMissingPictureFailsAfterTheColour) {
  Write("config.pan", Config(2, InFolder("fondos/borrado.bmp")));
  EXPECT_FALSE(config.ReadScreenConfig("config.pan"));
  EXPECT_EQ(Texts(), std::vector<std::string>{Ansi(kReadFailed.c_str())});
  EXPECT_EQ(look.calls, (std::vector<std::string>{"colour", "picture"}));
  EXPECT_EQ(settings.windowColour, 0x00336699u);
  EXPECT_EQ(settings.backgroundMode, BackgroundMode::Picture);
  EXPECT_EQ(settings.backgroundFile, "/antes/fondo.bmp");
  EXPECT_EQ(settings.allowedFailures, 5);
  EXPECT_EQ(settings.wordFont.name, "Times New Roman");
}

TEST_F(ConfigFileTest, AMissingTextureFallsBackToThePlainColourAndReadingGoesOn) {
  Write("config.pan", Config(3, InFolder("texturas/borrada.bmp")));
  EXPECT_TRUE(config.ReadScreenConfig("config.pan"));
  EXPECT_EQ(Texts(), std::vector<std::string>{kTextureFailed});
  EXPECT_EQ(settings.backgroundMode, BackgroundMode::Colour);
  EXPECT_EQ(look.calls, (std::vector<std::string>{"colour", "texture", "list", "font", "options"}));
  EXPECT_EQ(settings.allowedFailures, 2);
}

class OtherModeTest : public ConfigFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(OtherModeTest, HidesTheBackgroundPicture) {
  Write("config.pan", Config(GetParam(), "lo que sea"));
  EXPECT_TRUE(config.ReadScreenConfig("config.pan"));
  EXPECT_EQ(look.calls, (std::vector<std::string>{"colour", "hide", "list", "font", "options"}));
  EXPECT_EQ(settings.backgroundMode, BackgroundMode::Colour);
}

INSTANTIATE_TEST_SUITE_P(Modes, OtherModeTest, ::testing::Values(1, 0, 4, -1),
                         [](const auto& info) {
                           return "Mode" + std::string(info.param < 0 ? "Minus" : "") +
                                  std::to_string(std::abs(info.param));
                         });

// --- "Guardar configuración actual" ---

TEST_F(ConfigFileTest, SavingAfterAPictureStartWritesThatPictureBack) {
  Write("config.pan", Config(2, InFolder("fondos/bosque.bmp")));
  const std::string read = Read("config.pan");
  ASSERT_TRUE(config.ReadScreenConfig("config.pan"));
  config.SaveScreenConfig(look.listPath);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Read("config.pan"), read);
}

// What the next start reads is what was saved: a texture comes back with its file.
TEST_F(ConfigFileTest, ASavedTextureSurvivesARestart) {
  settings.backgroundMode = BackgroundMode::Texture;
  settings.backgroundFile = InFolder("texturas/ladrillo.bmp");
  settings.windowColour = 0x00102030;
  config.SaveScreenConfig("ejemplo");
  ASSERT_TRUE(dialogs.messages.empty());

  Settings restarted;
  FakeLook freshLook(dialogs);
  ConfigFile reader(freshLook, restarted, dialogs, GameFolder(folder.path()));
  ASSERT_TRUE(reader.ReadScreenConfig("config.pan"));
  EXPECT_EQ(freshLook.texture, Path("texturas/ladrillo.bmp"));
  EXPECT_EQ(restarted.backgroundMode, BackgroundMode::Texture);
  EXPECT_EQ(restarted.backgroundFile, settings.backgroundFile);
  EXPECT_EQ(restarted.windowColour, 0x00102030u);
  EXPECT_EQ(freshLook.listPath, "ejemplo");
}

TEST_F(ConfigFileTest, SavesTheSettingsInTheGameFolderWhateverFolderIsCurrent) {
  settings.windowColour = 0x00ABCDEF;
  settings.backgroundMode = BackgroundMode::Texture;
  settings.backgroundFile = InFolder("texturas/ladrillo.bmp");
  QTemporaryDir elsewhere;
  QDir::setCurrent(elsewhere.path());
  config.SaveScreenConfig(Path("archivos/años.lma"));
  EXPECT_TRUE(dialogs.messages.empty());
  const auto saved = ParseScreenConfig(Read("config.pan"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->windowColor, 0x00ABCDEFu);
  EXPECT_EQ(saved->backgroundMode, 3);
  EXPECT_EQ(StoredBackgroundFile(*saved), InFolder("texturas/ladrillo.bmp"));
  EXPECT_EQ(StoredListPath(*saved), InFolder("archivos/años.lma"));
  EXPECT_FALSE(QFile::exists(elsewhere.path() + "/config.pan"));
}

struct UnsavableCase {
  const char* name;
  QString listPath;
  std::string backgroundFile;
};

class UnsavableTest : public ConfigFileTest, public ::testing::WithParamInterface<UnsavableCase> {};

// A path the record cannot hold whole is refused: the old file stays as it was.
TEST_P(UnsavableTest, KeepsTheOldFileAndSaysSo) {
  Write("config.pan", std::string("the old one"));
  settings.backgroundMode = BackgroundMode::Picture;
  settings.backgroundFile = GetParam().backgroundFile;
  config.SaveScreenConfig(GetParam().listPath);
  EXPECT_EQ(Texts(), std::vector<std::string>{Ansi(kSaveFailed.c_str())});
  EXPECT_EQ(Read("config.pan"), "the old one");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, UnsavableTest,
    ::testing::Values(UnsavableCase{"ListTooLong", "/" + QString(255, 'a'), "/fondos/bosque.bmp"},
                      UnsavableCase{"PictureTooLong", "ejemplo", "/" + std::string(255, 'b')},
                      UnsavableCase{"ListOutsideTheCodePage", QString::fromUtf8("/juego/łódź.lma"),
                                    "/fondos/bosque.bmp"},
                      UnsavableCase{"PictureOutsideTheCodePage", "ejemplo", "/fondos/日本.bmp"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigFileTest, AFileThatCannotBeWrittenIsReported) {
  QDir(folder.path()).mkpath("config.pan");
  config.SaveScreenConfig("ejemplo");
  EXPECT_EQ(Texts(), std::vector<std::string>{Ansi(kSaveFailed.c_str())});
}

// --- "Poner configuración por defecto" ---

TEST_F(ConfigFileTest, DefaultCommandReadsConfigDef) {
  Write("config.pan", Config(1, ""));
  ScreenConfig shipped = Config(1, "");
  shipped.listPath = "ejemplo";
  shipped.allowedFailures = 5;
  Write("config.def", shipped);
  EXPECT_TRUE(config.M_PonerconfiguracionpordefectoClick());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(look.listPath, "ejemplo");
  EXPECT_EQ(settings.allowedFailures, 5);
}

struct DefaultFailureCase {
  const char* name;
  std::string configDef;  // "" = no file
  std::vector<std::string> messages;
};

class DefaultFailureTest : public ConfigFileTest,
                           public ::testing::WithParamInterface<DefaultFailureCase> {};

TEST_P(DefaultFailureTest, SaysItWasNotFoundAfterTheReadersOwnMessage) {
  if (!GetParam().configDef.empty())
    Write("config.def", GetParam().configDef);
  EXPECT_FALSE(config.M_PonerconfiguracionpordefectoClick());
  std::vector<std::string> expected;
  for (const std::string& text : GetParam().messages)
    expected.push_back(Ansi(text.c_str()));
  EXPECT_EQ(Texts(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DefaultFailureTest,
    ::testing::Values(DefaultFailureCase{"Missing", "", {kNoDefault}},
                      DefaultFailureCase{"NotAConfiguration", "basura", {kWrongFile, kNoDefault}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigFileTest, DefaultCommandWithAMissingPictureGivesBothMessages) {
  Write("config.def", Config(2, InFolder("fondos/borrado.bmp")));
  EXPECT_FALSE(config.M_PonerconfiguracionpordefectoClick());
  EXPECT_EQ(Texts(),
            (std::vector<std::string>{Ansi(kReadFailed.c_str()), Ansi(kNoDefault.c_str())}));
}

// --- The start-up: "config.pan", then "config.def", then "ejemplo" ---

namespace {

// The start-up's reader: the list the configuration names goes into the game.
// The real start-up of the program reads "config.pan", then "config.def".
class StartupTest : public WindowTest {
 protected:
  void WriteConfig(const QString& name, const ScreenConfig& stored) {
    const ScreenConfigRecord record = SerializeScreenConfig(stored);
    QFile file(folder.path() + "/" + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(record.data()), kScreenConfigSize);
  }
};

std::vector<std::string> TenWords(const std::string& theme, int count = 10) {
  std::vector<std::string> lines = {"K. L. TAMU P. LURIMBA", theme};
  for (int i = 1; i <= count; ++i) {
    lines.push_back("palabra" + std::string(1, static_cast<char>('a' + i)));
    lines.push_back("pista");
  }
  return lines;
}

}  // namespace

TEST_F(StartupTest, ConfigPanWithADeletedPictureFallsBackToConfigDef) {
  WriteList("archivos/propia.lma", TenWords("Propia"));
  WriteList("archivos/otra.lma", TenWords("Otra"));
  ScreenConfig user = Config(2, (folder.path() + "/fondos/borrado.bmp").toStdString());
  user.listPath = "archivos/propia.lma";
  WriteConfig("config.pan", user);
  ScreenConfig shipped = Config(1, "");
  shipped.listPath = "archivos/otra.lma";
  WriteConfig("config.def", shipped);
  dialogs.messages.clear();

  StartUp();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, Ansi(kReadFailed.c_str()));
  EXPECT_EQ(game().words().theme, "Otra");
  EXPECT_TRUE(game().state().wordInPlay);
}

TEST_F(StartupTest, ConfigPanNamingAShortListEndsTheProgram) {
  WriteList("archivos/corta.lma", TenWords("Corta", 9));
  ScreenConfig user = Config(1, "");
  user.listPath = "archivos/corta.lma";
  WriteConfig("config.pan", user);
  dialogs.messages.clear();

  StartUp();
  EXPECT_TRUE(main().ProgramEnding());
}

TEST_F(StartupTest, TheShippedConfigDefStartsWithTheExampleList) {
  StartUp();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(game().words().listPath, "ejemplo");
  EXPECT_TRUE(game().words().loaded);
  EXPECT_EQ(game().settings().allowedFailures, 5);
  EXPECT_FALSE(game().settings().vowelsOnly);
}
