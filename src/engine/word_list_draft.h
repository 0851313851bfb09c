// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A word list as a teacher writes it: checked against the game's rules while it
// is written, and turned into exactly the file the game reads.
//
// The draft keeps the teacher's text as typed (UTF-8), so that a character the
// file cannot hold is named to the teacher instead of being lost on the way.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "word_list.h"

struct DraftEntry {
  std::string word;  // hide marks "/" included
  std::string hint;
  // The hint as the imported file had it, when it was too long and `hint` is what was kept of
  // it; empty else. The teacher is asked to review such a hint.
  std::string fullHint = {};
};

struct WordListDraft {
  std::string theme;
  // A blank entry (no word, no hint) is an empty row of the editor: it is not
  // part of the list and is never written.
  std::vector<DraftEntry> entries;
};

// The UTF-8 text cut into its characters (a broken byte counts as one).
std::vector<std::string> Utf8Characters(const std::string& utf8);

// The list the game read (Windows-1252): its theme and its words as written.
WordListDraft DraftFromList(const WordList& list);

enum class DraftPart { List, Theme, Word, Hint };

struct DraftProblem {
  int entry = -1;  // index into entries; -1 for the theme and the whole list
  DraftPart part = DraftPart::List;
  bool blocksSaving = true;  // false: a warning, the file is written all the same
  int line = 0;              // the line of the file; 0 for the whole list
  std::string subject;       // "pista de la palabra 3, «perro»" (Windows-1252)
  std::string text;          // what is wrong, one sentence or two (Windows-1252)
};

// "Línea 8 (pista de la palabra 3, «perro»): tiene 90 caracteres; ..."
std::string DescribeProblem(const DraftProblem& problem);

// Every way the draft breaks the game's rules, in the order of the file: the
// theme, then each word and its hint, then the list as a whole.
std::vector<DraftProblem> CheckWordList(const WordListDraft& draft);

// The bytes of the file (code page 850, CR LF, the magic line first) that the
// game reads back as this draft, or nothing when a problem blocks saving.
std::optional<std::string> EncodeWordList(const WordListDraft& draft);

// The word as the game shows it in `mode` (1..6) as the first word of a game:
// every character followed by a space, hidden letters as "." (Windows-1252).
std::string PreviewWord(const DraftEntry& entry, int mode);

// The characters of a word as written, marks left out (UTF-8, one string a
// character), and whether each is marked.
struct MarkedLetter {
  std::string letter;
  bool marked = false;
};
std::vector<MarkedLetter> MarkedLetters(const std::string& rawWord);
// Puts a mark before the letter at `index` of MarkedLetters, or takes it away.
std::string ToggleMark(const std::string& rawWord, int index);
