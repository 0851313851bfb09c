// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game says about a word-list file it cannot play, and the one
// verdict "would the game play this file?" that the game's menu command and the
// teacher's companion both give.
#pragma once

#include <optional>
#include <string>

#include "word_list.h"

// A message box's text and caption, Windows-1252.
struct WordFileMessage {
  std::string text;
  std::string caption;
};

// The message for a load that failed (nothing for LoadResult::Ok).
std::optional<WordFileMessage> LoadFailureMessage(LoadResult result);
// A word of fewer than two letters; names the file (a UTF-8 path).
WordFileMessage BadWordsMessage(const std::string& path);
// Fewer than ten words.
WordFileMessage FewWordsMessage();

// Reads `path` into `list` as "Leer palabras de archivo..." does and applies its
// checks: the file opens, its first line is the magic, every word has at least
// two letters and there are at least ten words. Nothing when the game would play
// the file, else the message the game shows for it.
std::optional<WordFileMessage> CheckWordFile(const std::string& path, WordList& list);
