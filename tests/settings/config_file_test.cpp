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
#include "settings/background.h"
#include "settings/said.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

const std::string kWrongFile = Ansi("\nError.\n\nArchivo de configuración incorrecto.\n");
const std::string kReadFailed =
    Ansi("\nError.\n\nNO se ha podido leer correctamente el archivo de configuración.\n");
const std::string kNoDefault =
    Ansi("\nError.\n\nNO se ha encontrado el archivo de configuración por defecto.\n");
const std::string kSaveFailed =
    Ansi("\nError.\n\nNO se ha podido guardar la configuración de la pantalla.\n");
const std::string kTextureFailed = "Error en archivo de textura para fondo.";

// The main window's side: what it was told, in order, with the colour, file or
// path it was given. Pictures and textures load when their file exists.
class FakeLook : public ScreenLook {
 public:
  explicit FakeLook(Dialogs& dialogs) : dialogs_(dialogs) {}

  Texts calls;
  WordFont font;
  Settings options;

  void SetWindowColour(std::uint32_t c) override { Call("colour", QString::number(c, 16)); }
  bool ShowBackgroundPicture(const QString& file) override {
    Call("picture", file);
    return QFile::exists(file);
  }
  bool ApplyTexture(const QString& file) override {
    Call("texture", file);
    if (!QFile::exists(file))
      dialogs_.Plain(kTextureFailed);
    return QFile::exists(file);
  }
  void HideBackground() override { Call("hide"); }
  void SetListPath(const QString& path) override { Call("list", path); }
  void SetWordFont(const WordFont& f) override {
    Call("font");
    font = f;
  }
  void ShowGameOptions(const Settings& s) override {
    Call("options");
    options = s;
  }

 private:
  void Call(const std::string& what, const QString& given = "") {
    calls.push_back(given.isEmpty() ? what : what + " " + given.toStdString());
  }
  Dialogs& dialogs_;
};

// What reading Config() tells the window: its colour, `background`, then the rest.
Texts CallsFor(const Texts& background, const std::string& list = "archivos/animales.lma") {
  Texts calls{"colour 336699"};
  calls.insert(calls.end(), background.begin(), background.end());
  calls.insert(calls.end(), {"list " + list, "font", "options"});
  return calls;
}

ScreenConfig Config(int mode, const std::string& file,
                    const std::string& list = "archivos/animales.lma") {
  return {list, 0x00336699, mode, file, "Arial", kFontBold, 26, 2, 1, 0, 1};
}

std::string Record(const ScreenConfig& config) {
  const ScreenConfigRecord record = SerializeScreenConfig(config);
  return std::string(record.begin(), record.end());
}

std::vector<std::string> TenWords(const std::string& theme, int count = 10) {
  std::vector<std::string> lines = {"K. L. TAMU P. LURIMBA", theme};
  for (int i = 1; i <= count; ++i) {
    lines.push_back("palabra" + std::string(1, static_cast<char>('a' + i)));
    lines.push_back("pista");
  }
  return lines;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    QDir(folder.path()).mkpath("fondos");
    Write("fondos/bosque.bmp", "");
    settings.backgroundMode = BackgroundMode::Picture;
    settings.backgroundFile = "/antes/fondo.bmp";
  }

  QString Path(const QString& name) const { return folder.path() + "/" + name; }
  std::string InFolder(const QString& name) const { return Path(name).toStdString(); }
  void Write(const QString& name, const std::string& bytes) { WriteBytes(Path(name), bytes); }
  std::string Read(const QString& name) const { return ReadBytes(Path(name)).toStdString(); }
  QTemporaryDir folder;
  ScriptedDialogs dialogs;
  Settings settings;
  FakeLook look{dialogs};
  ConfigFile config{look, settings, dialogs, GameFolder(folder.path())};
};

}  // namespace

TEST_F(ConfigFileTest, AppliesEveryPartInItsOrder) {
  Write("config.pan", Record(Config(2, InFolder("fondos/bosque.bmp"))));
  ASSERT_TRUE(config.ReadScreenConfig("config.pan"));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(look.calls, CallsFor({"picture " + InFolder("fondos/bosque.bmp")}));
  Settings expected;
  expected.windowColour = 0x00336699;
  expected.backgroundMode = BackgroundMode::Picture;
  expected.backgroundFile = InFolder("fondos/bosque.bmp");
  expected.wordFont = {"Arial", kFontBold, 26, expected.wordFont.colour};
  expected.allowedFailures = 2;
  expected.vowelsOnly = true;
  EXPECT_EQ(settings, expected);
  EXPECT_EQ(look.options, expected);
  EXPECT_EQ(look.font, expected.wordFont);
}

// A picture that cannot be loaded stops the reading: the colour before it stays, the
// background keeps its mode and file, nothing after it is applied.
TEST_F(ConfigFileTest, AMissingPictureFailsAfterTheColour) {
  Settings expected = settings;
  expected.windowColour = 0x00336699;
  Write("config.pan", Record(Config(2, InFolder("fondos/borrado.bmp"))));
  EXPECT_FALSE(config.ReadScreenConfig("config.pan"));
  EXPECT_EQ(Said(dialogs), Texts{kReadFailed});
  EXPECT_EQ(look.calls, (Texts{"colour 336699", "picture " + InFolder("fondos/borrado.bmp")}));
  EXPECT_EQ(settings, expected);
}

TEST_F(ConfigFileTest, AMissingTextureFallsBackToThePlainColourAndReadingGoesOn) {
  Write("config.pan", Record(Config(3, InFolder("texturas/borrada.bmp"))));
  EXPECT_TRUE(config.ReadScreenConfig("config.pan"));
  EXPECT_EQ(Said(dialogs), Texts{kTextureFailed});
  EXPECT_EQ(settings.backgroundMode, BackgroundMode::Colour);
  EXPECT_EQ(look.calls, CallsFor({"texture " + InFolder("texturas/borrada.bmp")}));
  EXPECT_EQ(settings.allowedFailures, 2);
}

// --- "Guardar configuración actual" ---

TEST_F(ConfigFileTest, SavingAfterAPictureStartWritesThatPictureBack) {
  Write("config.pan", Record(Config(2, InFolder("fondos/bosque.bmp"))));
  const std::string read = Read("config.pan");
  ASSERT_TRUE(config.ReadScreenConfig("config.pan"));
  config.SaveScreenConfig("archivos/animales.lma");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Read("config.pan"), read);
}

// Which paths the record can hold is the record's own test; one that it cannot is refused
// here and the old file stays as it was.
TEST_F(ConfigFileTest, APathTheRecordCannotHoldKeepsTheOldFileAndSaysSo) {
  Write("config.pan", "the old one");
  settings.backgroundFile = "/fondos/日本.bmp";
  config.SaveScreenConfig("ejemplo");
  EXPECT_EQ(Said(dialogs), Texts{kSaveFailed});
  EXPECT_EQ(Read("config.pan"), "the old one");
}

// --- "Poner configuración por defecto" ---

// A configuration that cannot be read says why, then that no default was found.
TEST_F(ConfigFileTest, DefaultCommandReadsConfigDefOrSaysItWasNotFound) {
  EXPECT_FALSE(config.M_PonerconfiguracionpordefectoClick());
  Write("config.def", "basura");
  EXPECT_FALSE(config.M_PonerconfiguracionpordefectoClick());
  EXPECT_EQ(Said(dialogs), (Texts{kNoDefault, kWrongFile, kNoDefault}));
  EXPECT_TRUE(look.calls.empty());  // a refused file is refused before anything is applied
  dialogs.messages.clear();
  Write("config.pan", Record(Config(1, "")));
  ScreenConfig shipped = Config(1, "", "ejemplo");
  shipped.allowedFailures = 5;
  Write("config.def", Record(shipped));
  EXPECT_TRUE(config.M_PonerconfiguracionpordefectoClick());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(look.calls, CallsFor({"hide"}, "ejemplo"));
  EXPECT_EQ(settings.backgroundMode, BackgroundMode::Colour);
  EXPECT_EQ(settings.allowedFailures, 5);
}

// --- The start-up: "config.pan", then "config.def", then "ejemplo" ---

using StartupTest = WindowTest;

TEST_F(StartupTest, ConfigPanWithADeletedPictureFallsBackToConfigDef) {
  WriteList("archivos/propia.lma", TenWords("Propia"));
  WriteList("archivos/otra.lma", TenWords("Otra"));
  const std::string deleted = (folder.path() + "/fondos/borrado.bmp").toStdString();
  WriteBytes(folder.path() + "/config.pan", Record(Config(2, deleted, "archivos/propia.lma")));
  WriteBytes(folder.path() + "/config.def", Record(Config(1, "", "archivos/otra.lma")));
  dialogs.messages.clear();

  StartUp();
  EXPECT_EQ(Said(dialogs), Texts{kReadFailed});
  EXPECT_EQ(game().words().theme, "Otra");
  EXPECT_TRUE(game().state().wordInPlay);
}

TEST_F(StartupTest, ConfigPanNamingAShortListEndsTheProgram) {
  WriteList("archivos/corta.lma", TenWords("Corta", 9));
  WriteBytes(folder.path() + "/config.pan", Record(Config(1, "", "archivos/corta.lma")));
  dialogs.messages.clear();

  StartUp();
  EXPECT_TRUE(main().ProgramEnding());
}

// The program ends and starts again on the same game folder: the texture saved from the
// menu, in the game folder whatever folder is current, is the background again.
TEST_F(StartupTest, ASavedTextureIsTheBackgroundAfterARestart) {
  StartUp();
  const QString texture = folder.path() + "/texturas/ladrillo.bmp";
  ASSERT_TRUE(main().background().ApplyTexture(texture));
  const QString previous = QDir::currentPath();
  QTemporaryDir elsewhere;
  QDir::setCurrent(elsewhere.path());
  main().ui()->M_Guardar_configuracion->trigger();
  QDir::setCurrent(previous);
  ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
  EXPECT_FALSE(QFile::exists(elsewhere.path() + "/config.pan"));

  program.reset();
  program = std::make_unique<Program>(GameFolder(folder.path()), dialogs, sound);
  StartUp();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(game().settings().backgroundMode, BackgroundMode::Texture);
  EXPECT_EQ(game().settings().backgroundFile, texture.toStdString());
  EXPECT_FALSE(main().ui()->Image_fondopantalla->isHidden());
}

// "Poner configuración por defecto" with a background file that is gone: what "Guardar
// configuración actual" writes is what the screen shows.
namespace {

struct MissingBackground {
  const char* name;
  const char* before;  // shown before the command, a picture of "fondos" or a texture
  int mode;            // of "config.def", whose file is gone
};

class DefaultWithMissingFileTest : public WindowTest,
                                   public ::testing::WithParamInterface<MissingBackground> {};

}  // namespace

TEST_P(DefaultWithMissingFileTest, SavesWhatTheScreenShows) {
  StartUp();
  const QString before = folder.path() + "/" + GetParam().before;
  ASSERT_TRUE(before.contains("fondos") ? main().background().ApplyPicture(before)
                                        : main().background().ApplyTexture(before));
  const std::string gone = (folder.path() + "/fondos/borrado.bmp").toStdString();
  WriteBytes(folder.path() + "/config.def", Record(Config(GetParam().mode, gone)));
  main().ui()->M_Ponerconfiguracionpordefecto->trigger();
  main().ui()->M_Guardar_configuracion->trigger();

  const auto saved = ParseScreenConfig(ReadBytes(folder.path() + "/config.pan").toStdString());
  ASSERT_TRUE(saved);
  const bool pictureShown = !main().ui()->Image_fondopantalla->isHidden();
  EXPECT_EQ(pictureShown, StoredBackgroundMode(*saved) != BackgroundMode::Colour);
  if (pictureShown)
    EXPECT_EQ(StoredBackgroundFile(*saved), before.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Backgrounds, DefaultWithMissingFileTest,
    ::testing::Values(MissingBackground{"PictureOverAPicture", "fondos/bosque.bmp", 2},
                      MissingBackground{"PictureOverATexture", "texturas/ladrillo.bmp", 2},
                      MissingBackground{"TextureOverAPicture", "fondos/bosque.bmp", 3}),
    [](const auto& info) { return std::string(info.param.name); });
