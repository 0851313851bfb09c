// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/spell_checker.h"

#include <QFileInfo>
#include <hunspell/hunspell.hxx>

SpellChecker::SpellChecker(const QString& folder) {
  const QString aff = folder + "/es_ES.aff";
  const QString dic = folder + "/es_ES.dic";
  if (!QFileInfo(aff).isFile() || !QFileInfo(dic).isFile())
    return;
  hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                         QFile::encodeName(dic).constData());
  // Debian's Spanish dictionary says "SET UTF-8"; older ones were ISO 8859-1.
  utf8_ =
      QString::fromLatin1(hunspell_->get_dic_encoding()).compare("UTF-8", Qt::CaseInsensitive) == 0;
}

SpellChecker::~SpellChecker() = default;

bool SpellChecker::Known(const QString& word) const {
  if (!hunspell_)
    return true;
  const QByteArray bytes = utf8_ ? word.toUtf8() : word.toLatin1();
  return hunspell_->spell(bytes.toStdString());
}

QList<SpellChecker::Range> SpellChecker::UnknownWords(const QString& text) const {
  QList<Range> unknown;
  int i = 0;
  while (i < text.size()) {
    if (!text.at(i).isLetter()) {
      ++i;
      continue;
    }
    const int start = i;
    QString word;
    while (i < text.size() && (text.at(i).isLetter() || (text.at(i) == '/' && i + 1 < text.size() &&
                                                         text.at(i + 1).isLetter()))) {
      if (text.at(i) != '/')
        word += text.at(i);
      ++i;
    }
    if (!Known(word))
      unknown.append({start, i - start});
  }
  return unknown;
}
