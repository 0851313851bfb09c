// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Words a teacher already has elsewhere: a text or CSV file (one word and
// its hint a line) or a vocabulary file of the KDE educational programs (kvtml 2);
// and the list written back out as UTF-8 text.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "word_list_draft.h"

struct ImportedList {
  WordListDraft draft;     // the theme: a kvtml file's title; empty for text
  QList<int> sourceLines;  // the line of the file where each entry is (a kvtml entry's first line)
  QString error;           // why nothing was imported (Spanish); empty when it was read
};

// A line is "word;hint", "word<TAB>hint" or "word,hint" (the first of these separators the
// line holds); a field may be quoted as in CSV. Blank lines, and a first line that names the
// columns ("Palabra,Pista"), are passed over.
// The text is UTF-8 (with or without its mark), UTF-16 with its mark, or Windows-1252.
ImportedList ImportText(const QByteArray& bytes);
// The title is the theme. Each entry's translation in the first language (identifier 0): its
// text is the word, its comment the hint. An entry without one is passed over.
ImportedList ImportKvtml(const QByteArray& xml);
// Reads the file and takes it as kvtml when its name ends in ".kvtml", as text else. Only a
// regular file of at most 1 MiB is read; every refusal names the file.
ImportedList ImportListFile(const QString& path);

// The words and hints as "word;hint" lines, UTF-8, that ImportText reads back (after a
// heading line when the first of them would read as one).
QByteArray ExportText(const WordListDraft& draft);
