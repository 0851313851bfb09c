// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Spanish dictionary (hunspell with Debian's hunspell-es), to underline the
// words of a list that it does not know.
#pragma once

#include <QList>
#include <QString>
#include <memory>

class Hunspell;

class SpellChecker {
 public:
  // The dictionary "es_ES" in `folder` (Debian puts it in /usr/share/hunspell).
  explicit SpellChecker(const QString& folder = QStringLiteral("/usr/share/hunspell"));
  ~SpellChecker();

  // False when the dictionary is missing: then every word counts as known.
  bool Available() const { return hunspell_ != nullptr; }

  struct Range {
    int start;
    int length;
  };
  // The words of `text` the dictionary does not know. A word is a run of
  // letters; the hide mark "/" inside a word is not part of it.
  QList<Range> UnknownWords(const QString& text) const;

 private:
  bool Known(const QString& word) const;

  std::unique_ptr<Hunspell> hunspell_;
  bool utf8_ = true;  // the dictionary's encoding: UTF-8, else ISO 8859-1
};
