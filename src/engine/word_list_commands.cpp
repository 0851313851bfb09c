// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading word lists: the start-up list and the "Leer palabras de archivo..." command.
#include <cstdio>

#include "charset.h"
#include "game.h"
#include "text_reader.h"
#include "word_file_messages.h"

namespace {

const char* const kNoMarksLoadedText =
    "\n\nEl archivo en memoria tiene palabras \"SIN marcas\".\n\nPor tanto, el programa va a "
    "cambiar de opción de juego.\n";
const char* const kNoListFoundText =
    "\nAl no encontrar archivo de palabras, \n\neste programa va a finalizar.\n";
const char* const kNoValidListText =
    "\nAl no disponer de archivo de palabras correcto, \n\neste programa va a finalizar.\n";
const char* const kDialogTitle = "Leer palabras de archivo";
const char* const kDefaultList = "ejemplo";
constexpr int kWordListHelpContext = 506;

bool FileOpens(const std::string& path) {
  if (!IsRegularFile(path))
    return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file)
    return false;
  std::fclose(file);
  return true;
}

}  // namespace

std::string Game::InGameFolder(const std::string& path) const {
  if (path.empty() || path.front() == '/' || gameFolder_.empty())
    return path;
  return gameFolder_ + "/" + path;
}

bool Game::LoadWordFileReporting(const std::string& path) {
  view_.SetBusyCursor(true);
  const LoadResult result = LoadWordFile(InGameFolder(path), words_);
  view_.SetBusyCursor(false);
  if ((result == LoadResult::Ok || result == LoadResult::ReadError) && !words_.theme.empty()) {
    view_.AddTheme(words_.theme);
    currentTheme_ = words_.theme;
  }
  if (const auto failure = LoadFailureMessage(result)) {
    prompter_.Stop(failure->text, failure->caption);
    return false;
  }
  return true;
}

bool Game::ChooseWordFile(const std::string& pattern) {
  const OpenFileRequest request{
      kDialogTitle,
      pattern,
      {"Archivo de palabras (*.lma)", "Todos (*.*)", "Archivo de teclado (*.tec)"}};
  for (;;) {
    const auto path = prompter_.AskOpenFile(request);
    if (!path || view_.ProgramEnding())
      return false;
    if (!LoadWordFileReporting(*path))
      continue;
    words_.CountWords(WordField::Raw);
    words_.StripMarks();
    if (!words_.CheckWordLengths()) {
      const WordFileMessage badWords = BadWordsMessage(*path);
      prompter_.Stop(badWords.text, badWords.caption);
      words_.loaded = false;
      continue;
    }
    words_.listPath = *path;
    return true;
  }
}

void Game::ReadWordFileCommand() {
  const int savedHelpContext = state_.helpContext;
  std::string folder = gameFolder_;
  if (!folder.empty() && folder.back() == '/')
    folder.pop_back();
  // Once a new list has replaced the old one the dialog returns until a valid list is in memory.
  do {
    state_.helpContext = kWordListHelpContext;
    if (ChooseWordFile(folder + "/archivos/*.lma")) {
      if (words_.wordCount < kMinListWords) {
        prompter_.Stop(FewWordsMessage().text, kCaption);
        words_.loaded = false;
      } else {
        words_.CountWords(WordField::Stripped);
        draw_.ResetDraw();
        view_.SetThemeTooltip(words_.listPath);
        if (settings_.hideMode == kHideMarked && !words_.allMarked) {
          prompter_.Stop(Ansi(kNoMarksLoadedText), kCaption);
          settings_.hideMode = kHideFewLetters;
        }
        StartWord();
      }
    }
    if (view_.ProgramEnding())
      return;
  } while (!words_.loaded);
  state_.helpContext = savedHelpContext;
}

// A list is played only with at least ten words, counted as written and again
// without marks (a word line holding only "/" is an empty word).
bool Game::AcceptStartupCount() {
  words_.CountWords(WordField::Raw);
  if (words_.wordCount >= kMinListWords) {
    words_.StripMarks();
    words_.CountWords(WordField::Stripped);
    if (words_.wordCount >= kMinListWords) {
      draw_.ResetDraw();
      return true;
    }
  }
  prompter_.Stop(FewWordsMessage().text, kCaption);
  words_.loaded = false;
  return false;
}

void Game::QuitForNoValidList() {
  prompter_.Plain(Ansi(kNoValidListText));
  view_.QuitProgram();
}

bool Game::LoadStartupWordList(const ConfigReader& readConfig) {
  words_.loaded = false;
  std::string pathToTry;
  if (readConfig("config.pan", words_.listPath)) {
    pathToTry = words_.listPath;
    if (FileOpens(InGameFolder(pathToTry)))
      LoadWordFileReporting(pathToTry);
    if (!words_.loaded) {
      pathToTry = kDefaultList;
    } else {
      view_.SetThemeTooltip(words_.listPath);
    }
  } else if (readConfig("config.def", words_.listPath)) {
    pathToTry = words_.listPath;
  } else {
    pathToTry = words_.listPath = kDefaultList;
  }
  if (!words_.loaded && !LoadWordFileReporting(pathToTry)) {
    prompter_.Plain(Ansi(kNoListFoundText));
    view_.QuitProgram();
    return false;
  }
  if (!AcceptStartupCount()) {
    QuitForNoValidList();
    return false;
  }
  currentTheme_ = words_.theme;
  StartWordInMode(kHideFewLetters);
  return !view_.ProgramEnding();
}
