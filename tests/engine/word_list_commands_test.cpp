// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading word lists: the messages of the loader, the start-up list and the
// "Leer palabras de archivo..." command.

#include "charset.h"
#include "fakes.h"
#include "list_files.h"

namespace {

const std::string kCannotOpen =
    Ansi("\n¡¡ ERROR !!\n\nEl fichero de palabras no se ha encontrado.\n");
const std::string kWrongType = Ansi("\n¡¡ ERROR !!\n\nEl fichero no tiene palabras correctas.\n");
const std::string kFewWords = Ansi(
    "\n\nEl archivo leído tiene menos de 10 palabras, por lo que no es válido para jugar.\n\n");
const std::string kNoMarksLoaded = Ansi(
    "\n\nEl archivo en memoria tiene palabras \"SIN marcas\".\n\nPor tanto, el programa va a "
    "cambiar de opción de juego.\n");
const Message kNoListFound{
    "Plain", "\nAl no encontrar archivo de palabras, \n\neste programa va a finalizar.\n", ""};

Message Stop(const std::string& text, const std::string& caption = "Lurimba") {
  return {"Stop", text, caption};
}

// Ten words, the `k`-th of them `odd` (numbered from 1).
std::string ListWith(int k, const std::string& odd, const std::string& theme = "T") {
  std::vector<std::pair<std::string, std::string>> pairs(10, {"ca/sa", ""});
  pairs[k - 1].first = odd;
  return ListBytes(theme, pairs);
}

TEST(LoadReportingTest, EachFailureHasItsMessageAndKeepsTheList) {
  TempDir dir;
  const std::pair<std::string, Message> rows[] = {
      {dir.Path("no-existe.lma"), Stop(kCannotOpen)},
      {dir.Write("otro.lma", "K. L. TAMU P. LURIMBA \r\nT\r\n"),
       Stop(kWrongType, "Error del tipo de archivo")},
      {dir.Write("teclado.tec", "\x01\x02\x03"), Stop(kWrongType, "Error del tipo de archivo")}};
  for (const auto& [path, message] : rows) {
    Harness h;
    h.UseWords(Repeat("ca/sa"), "Viejo");
    EXPECT_FALSE(h.game.LoadWordFileReporting(path));
    EXPECT_EQ(h.prompter.messages, std::vector<Message>{message});
    EXPECT_EQ(h.log.entries.front(), "SetBusyCursor 1");
    EXPECT_EQ(h.log.Find("SetBusyCursor 0"), h.log.Find("Stop") - 1);  // restored first
    EXPECT_TRUE(h.game.words().loaded);
    EXPECT_EQ(h.game.words().slots[1].rawWord, "ca/sa");
    EXPECT_TRUE(h.view.themes.empty());
  }
}

// The start-up reads "ejemplo" and relative list names in the game folder, whose
// name Windows-1252 may not be able to write.
struct StartupCase {
  const char* name;
  std::string pan, def;  // the list each configuration file names; empty: unreadable
  std::string ejemplo;   // its bytes; empty: there is none
  std::string theme;     // of the list played; empty: the program ends
  std::string listPath;
  std::vector<Message> messages = {};
};

class StartupTest : public testing::TestWithParam<StartupCase> {};

TEST_P(StartupTest, PlaysTheFirstListThatLoadsInModeFour) {
  const StartupCase& c = GetParam();
  TempDir dir;
  const std::string folder = dir.Path("Классы 🐻");
  TempDir::WriteAt(folder + "/archivos/frutas.lma", NumberedList(12, "Frutas"));
  TempDir::WriteAt(folder + "/lista.lma", NumberedList(10, "Por defecto"));
  if (!c.ejemplo.empty())
    TempDir::WriteAt(folder + "/ejemplo", c.ejemplo);
  Harness h;
  h.game.SetGameFolder(folder);
  const bool played = h.game.LoadStartupWordList([&](const std::string& file, std::string& path) {
    path = file == "config.pan" ? c.pan : c.def;
    return !path.empty();
  });
  EXPECT_EQ(played, !c.theme.empty());
  EXPECT_EQ(h.prompter.messages, c.messages);
  EXPECT_EQ(h.game.words().listPath, c.listPath);
  // Only a list the saved configuration names shows its path over the theme.
  EXPECT_EQ(h.view.themeTooltip, c.theme == "Frutas" ? c.pan : "");
  EXPECT_EQ(h.view.ending, !played);
  EXPECT_EQ(h.game.state().wordInPlay, played);
  if (played) {
    EXPECT_EQ(h.game.words().theme, c.theme);
    EXPECT_EQ(h.game.currentTheme(), c.theme);
    EXPECT_EQ(h.settings().hideMode, kHideFewLetters);
  } else {
    EXPECT_FALSE(h.game.words().loaded);
  }
}

const std::string kEjemplo = NumberedList(10, "Ejemplo");
const std::vector<Message> kTooFew = {Stop(kFewWords), kNoValidList};

INSTANTIATE_TEST_SUITE_P(
    Lists, StartupTest,
    testing::Values(
        StartupCase{"ConfigList", "archivos/frutas.lma", "", kEjemplo, "Frutas",
                    "archivos/frutas.lma"},
        // The path stays as the configuration gave it.
        StartupCase{"MissingConfigList", "borrada.lma", "", kEjemplo, "Ejemplo", "borrada.lma"},
        StartupCase{"DefaultConfig", "", "lista.lma", kEjemplo, "Por defecto", "lista.lma"},
        StartupCase{"NoConfig", "", "", kEjemplo, "Ejemplo", "ejemplo"},
        StartupCase{"NoEjemplo", "", "", "", "", "ejemplo", {Stop(kCannotOpen), kNoListFound}},
        StartupCase{"NineWords", "", "", NumberedList(9), "", "ejemplo", kTooFew},
        StartupCase{"TenthWordOnlyAMark", "", "", ListWith(10, "/"), "", "ejemplo", kTooFew}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupOneLetterTest, OneLetterWordIsKeptButNeverPlayed) {
  TempDir dir;
  dir.Write("ejemplo", ListWith(4, "x"));
  Harness h;
  h.game.SetGameFolder(dir.Folder());
  EXPECT_TRUE(h.game.LoadStartupWordList([](const std::string&, std::string&) { return false; }));
  EXPECT_EQ(h.game.words().wordCount, 10);
  for (int i = 0; i < 30; ++i) {
    h.game.StartWord();
    EXPECT_NE(h.game.state().currentWord, 4);
  }
}

// The command starts from a game playing the old list in some mode.
struct CommandTest : testing::Test {
  TempDir dir;
  Harness h;
  std::vector<int> contexts;  // the help topic while each dialog is open

  void Play(int mode) {
    h.UseWords(Repeat("/ca/sa"), "Viejo");
    h.randoms = {5};
    h.game.StartWordInMode(mode);
    h.game.SetHelpContext(777);  // as a window might have left it
    h.game.SetGameFolder(dir.Folder() + "/");
    h.prompter.onAsk = [&] { contexts.push_back(h.game.state().helpContext); };
    h.log.entries.clear();
  }
};

TEST_F(CommandTest, WrongTypeThenCancelKeepsTheOldListAndWord) {
  Play(kHideFewLetters);
  const std::string word = h.view.wordText;
  h.prompter.files = {dir.Write("malo.lma", "LURIMBA\r\n"), std::nullopt};
  h.game.ReadWordFileCommand();
  EXPECT_EQ(h.prompter.messages,
            std::vector<Message>{Stop(kWrongType, "Error del tipo de archivo")});
  ASSERT_EQ(h.prompter.requests.size(), 2u);
  const OpenFileRequest& r = h.prompter.requests[0];
  EXPECT_EQ(r.title, "Leer palabras de archivo");
  EXPECT_EQ(r.pattern, dir.Folder() + "/archivos/*.lma");
  EXPECT_EQ(r.filters, (std::vector<std::string>{"Archivo de palabras (*.lma)", "Todos (*.*)",
                                                 "Archivo de teclado (*.tec)"}));
  EXPECT_EQ(contexts, (std::vector<int>{506, 506}));
  EXPECT_EQ(h.game.words().theme, "Viejo");
  EXPECT_EQ(h.log.Count("SetWordText"), 0);
  EXPECT_EQ(h.view.wordText, word);
  EXPECT_TRUE(h.game.state().wordInPlay);
  EXPECT_EQ(h.game.state().helpContext, 777);
}

TEST_F(CommandTest, RejectedListBringsTheDialogBackUntilAValidOne) {
  Play(kHideFewLetters);
  const std::string badWords = dir.Write("corta.lma", ListWith(3, "/x"));
  const std::string good = dir.Write("buena.lma", NumberedList(11, "Nueva"));
  h.prompter.files = {dir.Write("nueve.lma", NumberedList(9, "")), std::nullopt, badWords,
                      std::nullopt, good};
  h.game.ReadWordFileCommand();
  const std::string badText =
      Ansi("\nError al leer archivo.\n\nEl archivo ") + badWords +
      Ansi(" es extraño o tiene palabras incorrectas.\nNo es adecuado para jugar a Lurimba.\n");
  EXPECT_EQ(h.prompter.messages, (std::vector<Message>{Stop(kFewWords), Stop(badText)}));
  EXPECT_EQ(contexts, std::vector<int>(5, 506));
  EXPECT_EQ(h.game.words().theme, "Nueva");
  EXPECT_EQ(h.game.words().wordCount, 11);
  EXPECT_EQ(h.game.words().listPath, good);
  EXPECT_EQ(h.view.themeTooltip, good);
  // The theme of a list read goes to the menu even when the list is refused, unless empty.
  EXPECT_EQ(h.view.themes, (std::vector<std::string>{"T", "Nueva"}));
  EXPECT_EQ(h.game.words().slots[h.game.state().currentWord].word.substr(0, 7), "palabra");
  EXPECT_EQ(h.game.state().helpContext, 777);
}

TEST_F(CommandTest, ListWithoutMarksLeavesModeSix) {
  Play(kHideMarked);
  h.prompter.files = {dir.Write("sin.lma", ListWith(1, "perro", "Sin marcas"))};
  h.game.ReadWordFileCommand();
  EXPECT_EQ(h.prompter.messages, std::vector<Message>{Stop(kNoMarksLoaded)});
  EXPECT_EQ(h.settings().hideMode, kHideFewLetters);
  EXPECT_LT(h.log.Find("Stop"), h.log.Find("ShowSettings 4"));
  EXPECT_TRUE(h.game.state().wordInPlay);
}

TEST_F(CommandTest, NewListStartsAFreshDrawInTheCurrentMode) {
  Play(kHideAllButEnds);
  ASSERT_EQ(h.game.state().currentWord, 5);
  h.prompter.files = {dir.Write("nueva.lma", NumberedList(10, "Nueva"))};
  h.randoms = {5};
  h.game.ReadWordFileCommand();
  EXPECT_EQ(h.settings().hideMode, kHideAllButEnds);
  EXPECT_EQ(h.game.state().currentWord, 5);
  EXPECT_EQ(h.view.hintText, "Pista: pista 5");
  EXPECT_EQ(h.view.themeText, "Tema: Nueva");
  EXPECT_EQ(h.view.wordText, "p . . . . . . 5 ");
}

}  // namespace
