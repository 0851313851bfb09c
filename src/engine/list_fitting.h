// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A list from elsewhere made to fit the game: more than fifty words become several lists,
// and a hint longer than the game keeps is cut where a word ends.
#pragma once

#include <string>
#include <vector>

#include "word_list_draft.h"

// The draft's entries in as few lists of at most fifty as hold them, in order, their sizes as
// even as can be (the first ones one word longer): 51 words give 26 and 25, 101 give 34, 34
// and 33. So every list of a split has at least 26 words, well over the game's ten. A draft
// of at most fifty entries stays whole. Each list's theme is PartTheme(draft.theme, k).
std::vector<WordListDraft> SplitDraft(const WordListDraft& draft);

// "Animales" for list 2 of a split: "Animales 2"; an empty theme stays empty.
std::string PartTheme(const std::string& theme, int part);
// The theme the next lists are numbered from, once list `part` was saved with `theme`:
// "Animales 2" gives "Animales", a theme without that number stays as it is.
std::string BaseTheme(const std::string& theme, int part);

// A hint (UTF-8) cut to the 65 characters the game keeps, each one byte in Windows-1252:
// after the last comma, semicolon, colon, full stop or closing bracket that keeps at least 32
// characters, else after its last whole word, else (one long word) at the 65th character.
// The commas and spaces the cut leaves at its end go too. A hint that fits is given back.
std::string ShortenHint(const std::string& hint);
// Shortens every hint too long for the game, keeping the whole one in its entry's fullHint;
// the number of hints shortened.
int ShortenLongHints(WordListDraft& draft);
