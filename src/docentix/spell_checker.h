// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Spanish dictionary (hunspell with Debian's hunspell-es), to underline the
// words of a list that it does not know and to offer the words it knows instead.
// Besides the dictionary's own words it knows the program's word file (correct words
// the dictionary lacks, such as "pingüino"), the teacher's word file and the words
// ignored since Docentix started.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class Hunspell;

class SpellChecker {
 public:
  // The dictionary "es_ES" in `folder` (Debian puts it in /usr/share/hunspell), with the
  // words of the teacher's word file `userWords` ("": none).
  explicit SpellChecker(const QString& userWords = QString(),
                        const QString& folder = QStringLiteral("/usr/share/hunspell"));
  ~SpellChecker();

  // The teacher's word file: "lurimba/palabras.dic" in the user's configuration folder.
  static QString UserWordsPath();

  // False when the dictionary is missing: then every word counts as known.
  bool Available() const { return hunspell_ != nullptr; }

  struct Range {
    int start;
    int length;
  };
  // The words of `text` the dictionary does not know. A word is a run of
  // letters; the hide mark "/" inside a word is not part of it.
  QList<Range> UnknownWords(const QString& text) const;
  // The dictionary's words closest to `word`, at most five: first those that sound as it
  // does, then the closest.
  QStringList Suggestions(const QString& word) const;

  // Knows `word` until the program ends.
  void Ignore(const QString& word);
  // Knows `word` from now on: adds it to the teacher's word file, which is made at the first
  // word. False when that file cannot be written; then nothing has changed.
  bool AddToDictionary(const QString& word);
  const QString& UserWords() const { return userWords_; }

 private:
  bool Known(const QString& word) const;
  // Teaches the dictionary the words of a word file: one word a line, UTF-8.
  void AddWords(const QByteArray& file);
  std::string Encoded(const QString& word) const;

  std::unique_ptr<Hunspell> hunspell_;
  bool utf8_ = true;  // the dictionary's encoding: UTF-8, else ISO 8859-1
  QString userWords_;
};
