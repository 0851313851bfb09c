// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading word lists: the messages of the loader, the start-up list and the
// "Leer palabras de archivo..." command.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "charset.h"
#include "fakes.h"
#include "list_files.h"

namespace {

const std::string kCannotOpen =
    Ansi("\n¡¡ ERROR !!\n\nEl fichero de palabras no se ha encontrado.\n");
const std::string kWrongType = Ansi("\n¡¡ ERROR !!\n\nEl fichero no tiene palabras correctas.\n");
const std::string kFirstLineError =
    Ansi("\n¡¡ ERROR !!\n\nError en la lectura del archivo de palabras.\n");
const std::string kFewWords = Ansi(
    "\n\nEl archivo leído tiene menos de 10 palabras, por lo que no es válido para jugar.\n\n");
const std::string kNoMarksLoaded = Ansi(
    "\n\nEl archivo en memoria tiene palabras \"SIN marcas\".\n\nPor tanto, el programa va a "
    "cambiar de opción de juego.\n");
const std::string kNoListFound =
    "\nAl no encontrar archivo de palabras, \n\neste programa va a finalizar.\n";
const std::string kNoValidList =
    "\nAl no disponer de archivo de palabras correcto, \n\neste programa va a finalizar.\n";

std::string BadWords(const std::string& path) {
  return Ansi("\nError al leer archivo.\n\nEl archivo ") + path +
         Ansi(" es extraño o tiene palabras incorrectas.\nNo es adecuado para jugar a Lurimba.\n");
}

std::vector<std::string> Texts(const FakePrompter& prompter) {
  std::vector<std::string> texts;
  for (const Message& m : prompter.messages)
    texts.push_back(m.kind + ":" + m.text);
  return texts;
}

TEST(LoadReportingTest, EachFailureHasItsMessage) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path("carpeta"));
  struct Row {
    std::string path, text, caption;
  };
  const Row rows[] = {
      {dir.Path("no-existe.lma"), kCannotOpen, "Lurimba"},
      {dir.Write("otro.lma", "K. L. TAMU P. LURIMBA \r\nT\r\n"), kWrongType,
       "Error del tipo de archivo"},
      {dir.Write("teclado.tec", "\x01\x02\x03"), kWrongType, "Error del tipo de archivo"},
  };
  for (const Row& row : rows) {
    Harness h;
    h.UseWords(Repeat("ca/sa"), "Viejo");
    EXPECT_FALSE(h.game.LoadWordFileReporting(row.path));
    ASSERT_EQ(h.prompter.messages.size(), 1u) << row.path;
    EXPECT_EQ(h.prompter.messages[0].kind, "Stop");
    EXPECT_EQ(h.prompter.messages[0].text, row.text);
    EXPECT_EQ(h.prompter.messages[0].caption, row.caption);
    EXPECT_EQ(h.log.entries.front(), "SetBusyCursor 1");
    EXPECT_EQ(h.log.Find("SetBusyCursor 0"), h.log.Find("Stop") - 1);  // restored first
    EXPECT_TRUE(h.game.words().loaded);
    EXPECT_EQ(h.game.words().slots[1].rawWord, "ca/sa");
    EXPECT_TRUE(h.view.themes.empty());
  }
  // A folder opens on some systems and fails at its first read on others.
  Harness h;
  EXPECT_FALSE(h.game.LoadWordFileReporting(dir.Path("carpeta")));
  ASSERT_EQ(h.prompter.messages.size(), 1u);
  EXPECT_TRUE(h.prompter.messages[0].text == kCannotOpen ||
              h.prompter.messages[0].text == kFirstLineError);
  EXPECT_EQ(h.prompter.messages[0].caption, "Lurimba");
}

TEST(LoadReportingTest, ThemeIsCollectedWhenNotEmpty) {
  TempDir dir;
  Harness h;
  GameTestAccess::Theme(h.game) = "Antes";
  EXPECT_TRUE(h.game.LoadWordFileReporting(dir.Write("a.lma", NumberedList(10, ""))));
  EXPECT_TRUE(h.view.themes.empty());
  EXPECT_EQ(h.game.currentTheme(), "Antes");
  EXPECT_TRUE(h.game.LoadWordFileReporting(dir.Write("b.lma", NumberedList(10, "Frutas ricas"))));
  EXPECT_EQ(h.view.themes, std::vector<std::string>{"Frutas ricas"});
  EXPECT_EQ(h.game.currentTheme(), "Frutas ricas");
  EXPECT_TRUE(h.prompter.messages.empty());
}

// The start-up reads "ejemplo" and relative list names in the game folder.
struct StartupTest : testing::Test {
  StartupTest() { h.game.SetGameFolder(dir.Folder()); }
  TempDir dir;
  Harness h;
  std::string panList, defList;  // empty: that configuration file cannot be read
  Game::ConfigReader reader = [this](const std::string& file, std::string& listPath) {
    const std::string& named = file == "config.pan" ? panList : defList;
    if (named.empty())
      return false;
    listPath = named;
    return true;
  };
};

TEST_F(StartupTest, ConfigListIsPlayedInModeFour) {
  panList = dir.Write("archivos/frutas.lma", NumberedList(12, "Frutas"));
  dir.Write("ejemplo", NumberedList(10, "Ejemplo"));
  EXPECT_TRUE(h.game.LoadStartupWordList(reader));
  EXPECT_EQ(h.game.words().theme, "Frutas");
  EXPECT_EQ(h.game.words().wordCount, 12);
  EXPECT_EQ(h.view.themeTooltip, panList);
  EXPECT_EQ(h.game.currentTheme(), "Frutas");
  EXPECT_EQ(h.settings().hideMode, kHideFewLetters);
  EXPECT_TRUE(h.game.state().wordInPlay);
  EXPECT_TRUE(h.prompter.messages.empty());
}

TEST_F(StartupTest, MissingConfigListFallsBackToEjemplo) {
  panList = dir.Path("archivos/borrada.lma");
  dir.Write("ejemplo", NumberedList(10, "Ejemplo"));
  EXPECT_TRUE(h.game.LoadStartupWordList(reader));
  EXPECT_EQ(h.game.words().theme, "Ejemplo");
  EXPECT_EQ(h.game.words().listPath, panList);  // kept as the configuration gave it
  EXPECT_EQ(h.log.Count("SetThemeTooltip"), 0);
  EXPECT_TRUE(h.prompter.messages.empty());
  EXPECT_TRUE(h.game.state().wordInPlay);
}

TEST_F(StartupTest, DefaultConfigAndNoConfig) {
  defList = dir.Write("lista.lma", NumberedList(10, "Por defecto"));
  dir.Write("ejemplo", NumberedList(10, "Ejemplo"));
  EXPECT_TRUE(h.game.LoadStartupWordList(reader));
  EXPECT_EQ(h.game.words().theme, "Por defecto");

  defList.clear();
  Harness other;
  other.game.SetGameFolder(dir.Folder());
  EXPECT_TRUE(other.game.LoadStartupWordList(reader));
  EXPECT_EQ(other.game.words().theme, "Ejemplo");
  EXPECT_EQ(other.game.words().listPath, "ejemplo");
}

// A teacher's folder may have a name Windows-1252 cannot write.
TEST(StartupFolderTest, GameFolderWithAnyNameIsRead) {
  TempDir dir;
  const std::string folder = dir.Path("Классы 🐻");
  Harness h;
  h.game.SetGameFolder(folder);
  TempDir::WriteAt(folder + "/ejemplo", NumberedList(10, "Ejemplo"));
  EXPECT_TRUE(h.game.LoadStartupWordList([](const std::string&, std::string&) { return false; }));
  EXPECT_EQ(h.game.words().theme, "Ejemplo");
  EXPECT_TRUE(h.prompter.messages.empty());
}

TEST_F(StartupTest, NoEjemploEndsTheProgram) {
  EXPECT_FALSE(h.game.LoadStartupWordList(reader));
  EXPECT_EQ(Texts(h.prompter),
            (std::vector<std::string>{"Stop:" + kCannotOpen, "Plain:" + kNoListFound}));
  EXPECT_TRUE(h.view.ending);
  EXPECT_FALSE(h.game.state().wordInPlay);
}

TEST_F(StartupTest, FewerThanTenWordsEndTheProgram) {
  std::string tenWithSlash = NumberedList(9, "T") + "/\r\npista\r\n";
  for (const std::string& list : {NumberedList(9, "T"), tenWithSlash}) {
    Harness run;
    run.game.SetGameFolder(dir.Folder());
    dir.Write("ejemplo", list);
    EXPECT_FALSE(run.game.LoadStartupWordList(reader));
    EXPECT_EQ(Texts(run.prompter),
              (std::vector<std::string>{"Stop:" + kFewWords, "Plain:" + kNoValidList}));
    EXPECT_EQ(run.prompter.messages[0].caption, "Lurimba");
    EXPECT_TRUE(run.view.ending);
    EXPECT_FALSE(run.game.words().loaded);
    EXPECT_FALSE(run.game.state().wordInPlay);
  }
}

TEST_F(StartupTest, OneLetterWordIsKeptButNeverPlayed) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int k = 1; k <= 10; ++k)
    pairs.emplace_back(k == 4 ? "x" : "ca/sa", "");
  dir.Write("ejemplo", ListBytes("T", pairs));
  EXPECT_TRUE(h.game.LoadStartupWordList(reader));
  EXPECT_EQ(h.game.words().wordCount, 10);
  for (int i = 0; i < 30; ++i) {
    h.game.StartWord();
    EXPECT_NE(h.game.state().currentWord, 4);
  }
  EXPECT_TRUE(h.prompter.messages.empty());
}

// The command starts from a game playing the old list in some mode.
struct CommandTest : testing::Test {
  TempDir dir;
  Harness h;
  std::string word;

  void Play(int mode) {
    h.UseWords(Repeat("/ca/sa"), "Viejo");
    h.randoms = {5};
    h.game.StartWordInMode(mode);
    h.game.SetHelpContext(777);  // as a window might have left it
    word = h.view.wordText;
    h.log.entries.clear();
  }
};

TEST_F(CommandTest, DialogStartsInTheListFolder) {
  Play(kHideFewLetters);
  h.prompter.files = {std::nullopt};
  int contextInDialog = 0;
  h.prompter.onAsk = [&] { contextInDialog = h.game.state().helpContext; };
  h.game.SetGameFolder("/juego/");
  h.game.ReadWordFileCommand();
  ASSERT_EQ(h.prompter.requests.size(), 1u);
  const OpenFileRequest& r = h.prompter.requests[0];
  EXPECT_EQ(r.title, "Leer palabras de archivo");
  EXPECT_EQ(r.pattern, "/juego/archivos/*.lma");
  EXPECT_EQ(r.filters, (std::vector<std::string>{"Archivo de palabras (*.lma)", "Todos (*.*)",
                                                 "Archivo de teclado (*.tec)"}));
  EXPECT_EQ(contextInDialog, 506);
  EXPECT_EQ(h.game.state().helpContext, 777);
}

TEST_F(CommandTest, WrongTypeThenCancelKeepsTheOldListAndWord) {
  Play(kHideFewLetters);
  h.prompter.files = {dir.Write("malo.lma", "LURIMBA\r\n"), std::nullopt};
  h.game.SetGameFolder(dir.Folder());
  h.game.ReadWordFileCommand();
  EXPECT_EQ(Texts(h.prompter), std::vector<std::string>{"Stop:" + kWrongType});
  EXPECT_EQ(h.prompter.requests.size(), 2u);
  EXPECT_TRUE(h.game.words().loaded);
  EXPECT_EQ(h.game.words().theme, "Viejo");
  EXPECT_EQ(h.log.Count("SetWordText"), 0);
  EXPECT_EQ(h.view.wordText, word);
  EXPECT_TRUE(h.game.state().wordInPlay);
  EXPECT_EQ(h.game.state().helpContext, 777);
}

TEST_F(CommandTest, RejectedListBringsTheDialogBackUntilAValidOne) {
  Play(kHideFewLetters);
  std::vector<std::pair<std::string, std::string>> oneLetter;
  for (int k = 1; k <= 10; ++k)
    oneLetter.emplace_back(k == 3 ? "/x" : "ca/sa", "");
  const std::string badWords = dir.Write("corta.lma", ListBytes("T", oneLetter));
  const std::string good = dir.Write("buena.lma", NumberedList(11, "Nueva"));
  h.prompter.files = {dir.Write("nueve.lma", NumberedList(9)), std::nullopt, badWords, std::nullopt,
                      good};
  std::vector<int> contexts;
  h.prompter.onAsk = [&] { contexts.push_back(h.game.state().helpContext); };
  h.game.SetGameFolder(dir.Folder());
  h.game.ReadWordFileCommand();
  EXPECT_EQ(Texts(h.prompter),
            (std::vector<std::string>{"Stop:" + kFewWords, "Stop:" + BadWords(badWords)}));
  EXPECT_EQ(contexts, std::vector<int>(5, 506));
  EXPECT_TRUE(h.game.words().loaded);
  EXPECT_EQ(h.game.words().theme, "Nueva");
  EXPECT_EQ(h.game.words().wordCount, 11);
  EXPECT_EQ(h.game.words().listPath, good);
  EXPECT_EQ(h.view.themeTooltip, good);
  EXPECT_EQ(h.view.themes, (std::vector<std::string>{"Tema", "T", "Nueva"}));
  EXPECT_TRUE(h.game.state().wordInPlay);
  EXPECT_EQ(h.game.words().slots[h.game.state().currentWord].word.substr(0, 7), "palabra");
}

TEST_F(CommandTest, ListWithoutMarksLeavesModeSix) {
  Play(kHideMarked);
  std::vector<std::pair<std::string, std::string>> plain;
  for (int k = 1; k <= 10; ++k)
    plain.emplace_back("perro" + std::to_string(k), "");
  h.prompter.files = {dir.Write("sin.lma", ListBytes("Sin marcas", plain))};
  h.game.SetGameFolder(dir.Folder());
  h.game.ReadWordFileCommand();
  EXPECT_EQ(Texts(h.prompter), std::vector<std::string>{"Stop:" + kNoMarksLoaded});
  EXPECT_EQ(h.settings().hideMode, kHideFewLetters);
  EXPECT_EQ(h.view.shown.hideMode, kHideFewLetters);
  EXPECT_LT(h.log.Find("Stop"), h.log.Find("ShowSettings 4"));
  EXPECT_TRUE(h.game.state().wordInPlay);
  EXPECT_EQ(h.game.state().helpContext, 777);
}

TEST_F(CommandTest, NewListStartsAFreshDrawInTheCurrentMode) {
  Play(kHideAllButEnds);
  ASSERT_EQ(h.game.state().currentWord, 5);
  h.prompter.files = {dir.Write("nueva.lma", NumberedList(10, "Nueva"))};
  h.randoms = {5};
  h.game.SetGameFolder(dir.Folder());
  h.game.ReadWordFileCommand();
  EXPECT_EQ(h.settings().hideMode, kHideAllButEnds);
  EXPECT_EQ(h.game.state().currentWord, 5);
  EXPECT_EQ(h.view.hintText, "Pista: pista 5");
  EXPECT_EQ(h.view.themeText, "Tema: Nueva");
  EXPECT_EQ(h.view.wordText, "p . . . . . . 5 ");
}

}  // namespace
