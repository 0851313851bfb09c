// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/spell_checker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <hunspell/hunspell.hxx>

#include "platform/whole_file.h"

namespace {

// A word file bigger than this is not read (nor written over); longer lines are skipped.
constexpr std::size_t kMaxWordFileBytes = 256 * 1024;
constexpr int kMaxWordLength = 60;
constexpr int kMaxSuggestions = 5;
// hunspell takes up to half a second over a word of 30 letters (the longest word the game
// plays), and longer over longer ones.
constexpr int kMaxSuggestedLength = 30;

bool IsWord(const QString& line) {
  if (line.isEmpty() || line.size() > kMaxWordLength)
    return false;
  return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.isLetter(); });
}

// What a word sounds like in Spanish, near enough to find the word meant among the
// dictionary's offers: "colorez" and "colores", "Kasa" and "casa", "girafa" and "jirafa",
// "ierba" and "hierba" sound the same.
QString SoundOf(const QString& word) {
  QString sound;
  for (QChar c : word.toLower().normalized(QString::NormalizationForm_D)) {
    if (c.category() != QChar::Mark_NonSpacing)
      sound += c;
  }
  sound.replace("ch", "1").remove('h').replace("qu", "k").replace('q', 'k');
  sound.replace("gue", "2e").replace("gui", "2i").replace("ge", "je").replace("gi", "ji");
  sound.replace("ce", "se").replace("ci", "si").replace('c', 'k').replace('z', 's');
  return sound.replace('v', 'b').replace("ll", "y").replace('2', 'g');
}

}  // namespace

SpellChecker::SpellChecker(const QString& userWords, const QString& folder)
    : userWords_(userWords) {
  const QString aff = folder + "/es_ES.aff";
  const QString dic = folder + "/es_ES.dic";
  if (!QFileInfo(aff).isFile() || !QFileInfo(dic).isFile())
    return;
  hunspell_ = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                         QFile::encodeName(dic).constData());
  // Debian's Spanish dictionary says "SET UTF-8"; older ones were ISO 8859-1.
  utf8_ =
      QString::fromLatin1(hunspell_->get_dic_encoding()).compare("UTF-8", Qt::CaseInsensitive) == 0;
  QFile shipped(QStringLiteral(":/docentix/palabras.dic"));
  if (shipped.open(QIODevice::ReadOnly))
    AddWords(shipped.read(kMaxWordFileBytes));
  std::string bytes;
  if (!userWords_.isEmpty() && ReadWholeFile(QFile::encodeName(userWords_).toStdString(), bytes,
                                             kMaxWordFileBytes) == ReadState::Read)
    AddWords(QByteArray::fromStdString(bytes));
}

SpellChecker::~SpellChecker() = default;

QString SpellChecker::UserWordsPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         "/lurimba/palabras.dic";
}

void SpellChecker::AddWords(const QByteArray& file) {
  for (const QByteArray& bytes : file.split('\n')) {
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString line = QString(decode(bytes)).trimmed();
    if (!decode.hasError() && IsWord(line))
      Ignore(line);
  }
}

std::string SpellChecker::Encoded(const QString& word) const {
  return (utf8_ ? word.toUtf8() : word.toLatin1()).toStdString();
}

bool SpellChecker::Known(const QString& word) const {
  return !hunspell_ || hunspell_->spell(Encoded(word));
}

QStringList SpellChecker::Suggestions(const QString& word) const {
  QStringList words;
  if (!hunspell_ || word.size() > kMaxSuggestedLength)
    return words;
  for (const std::string& bytes : hunspell_->suggest(Encoded(word))) {
    const QByteArray suggested = QByteArray::fromStdString(bytes);
    words.append(utf8_ ? QString::fromUtf8(suggested) : QString::fromLatin1(suggested));
  }
  // The words that sound as the one written come first: Spanish spelling goes wrong between
  // b and v, c, z and s, g and j, ll and y, and at a silent h.
  const QString sound = SoundOf(word);
  std::stable_partition(words.begin(), words.end(),
                        [&](const QString& suggested) { return SoundOf(suggested) == sound; });
  return words.mid(0, kMaxSuggestions);
}

void SpellChecker::Ignore(const QString& word) {
  if (hunspell_)
    hunspell_->add(Encoded(word));
}

// The file keeps what it held, bad lines too; the word is one line more.
bool SpellChecker::AddToDictionary(const QString& word) {
  if (userWords_.isEmpty() || !IsWord(word))
    return false;
  const std::string path = QFile::encodeName(userWords_).toStdString();
  std::string bytes;
  const ReadState state = ReadWholeFile(path, bytes, kMaxWordFileBytes);
  if (state != ReadState::Read && state != ReadState::Missing)
    return false;
  if (!bytes.empty() && bytes.back() != '\n')
    bytes += '\n';
  bytes += word.toUtf8().toStdString() + '\n';
  if (bytes.size() > kMaxWordFileBytes || !QDir().mkpath(QFileInfo(userWords_).absolutePath()) ||
      !SaveWholeFile(path, bytes))
    return false;
  Ignore(word);
  return true;
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
