// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_file_messages.h"

#include "charset.h"
#include "prompter.h"

namespace {

const char* const kCannotOpenText =
    "\n¡¡ ERROR !!\n\nEl fichero de palabras no se ha encontrado.\n";
const char* const kWrongTypeText = "\n¡¡ ERROR !!\n\nEl fichero no tiene palabras correctas.\n";
const char* const kWrongTypeCaption = "Error del tipo de archivo";
const char* const kFirstLineErrorText =
    "\n¡¡ ERROR !!\n\nError en la lectura del archivo de palabras.\n";
const char* const kReadErrorText = "\n¡¡ ERROR !!\n\nProblema al leer en fichero.\n";
const char* const kReadErrorCaption = "Error en fichero";
const char* const kBadWordsText =
    "\nError al leer archivo.\n\nEl archivo %s es extraño o tiene palabras incorrectas.\nNo "
    "es adecuado para jugar a Lurimba.\n";
const char* const kFewWordsText =
    "\n\nEl archivo leído tiene menos de 10 palabras, por lo que no es válido para jugar.\n\n";

}  // namespace

std::optional<WordFileMessage> LoadFailureMessage(LoadResult result) {
  switch (result) {
    case LoadResult::Ok:
      break;
    case LoadResult::CannotOpen:
      return WordFileMessage{Ansi(kCannotOpenText), kCaption};
    case LoadResult::WrongType:
      return WordFileMessage{Ansi(kWrongTypeText), kWrongTypeCaption};
    case LoadResult::FirstLineError:
      return WordFileMessage{Ansi(kFirstLineErrorText), kCaption};
    case LoadResult::ReadError:
      return WordFileMessage{Ansi(kReadErrorText), kReadErrorCaption};
  }
  return std::nullopt;
}

// The message names the file as far as Windows-1252 can write its name.
WordFileMessage BadWordsMessage(const std::string& path) {
  std::string text = Ansi(kBadWordsText);
  return {text.replace(text.find("%s"), 2, Utf8ToAnsi(path)), kCaption};
}

WordFileMessage FewWordsMessage() {
  return {Ansi(kFewWordsText), kCaption};
}

std::optional<WordFileMessage> CheckWordFile(const std::string& path, WordList& list) {
  if (auto failure = LoadFailureMessage(LoadWordFile(path, list)))
    return failure;
  list.CountWords(WordField::Raw);
  list.StripMarks();
  if (!list.CheckWordLengths())
    return BadWordsMessage(path);
  if (list.wordCount < kMinListWords)
    return FewWordsMessage();
  return std::nullopt;
}
