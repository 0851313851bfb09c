// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Words a teacher already has elsewhere: a UTF-8 text or CSV file (one word and
// its hint a line) or a vocabulary file of the KDE educational programs (kvtml 2);
// and the list written back out as UTF-8 text.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "word_list_draft.h"

struct ImportedList {
  WordListDraft draft;     // the theme: a kvtml file's title; empty for text
  QList<int> sourceLines;  // where each entry came from: its line, or its kvtml entry number
  QString error;           // why nothing was imported (Spanish); empty when it was read
};

// A line is "word;hint", "word<TAB>hint" or "word,hint" (the first of these separators the
// line holds); a field may be quoted as in CSV. Blank lines, and a first line that names the
// columns ("Palabra,Pista"), are passed over.
ImportedList ImportText(const QByteArray& utf8);
// The title is the theme. Each entry's translation in the first language (identifier 0): its
// text is the word, its comment the hint. An entry without one is passed over.
ImportedList ImportKvtml(const QByteArray& xml);
// Reads the file and takes it as kvtml when its name ends in ".kvtml", as text else.
ImportedList ImportListFile(const QString& path);

// The words and hints as "word;hint" lines, UTF-8, that ImportText reads back.
QByteArray ExportText(const WordListDraft& draft);
