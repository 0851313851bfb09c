// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/help_book.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace {

QString ReadUtf8(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return QString::fromUtf8(file.readAll());
}

QString MetaContent(const QString& html, const QString& name) {
  const QRegularExpression meta(
      QString(R"re(<meta\s+name="%1"\s+content="([^"]*)")re").arg(QRegularExpression::escape(name)),
      QRegularExpression::CaseInsensitiveOption);
  return meta.match(html).captured(1);
}

HelpTopic ReadTopic(const QString& folder, const QString& file) {
  const QString html = ReadUtf8(folder + "/" + file);
  HelpTopic topic;
  topic.file = file;
  static const QRegularExpression title(
      "<title>(.*?)</title>",
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  QTextDocument document;
  document.setHtml(title.match(html).captured(1));
  topic.title = document.toPlainText().simplified();
  topic.context = MetaContent(html, "contexto").toInt();
  for (const QString& word : MetaContent(html, "indice").split(';', Qt::SkipEmptyParts)) {
    QTextDocument entity;  // the words may carry HTML entities
    entity.setHtml(word);
    const QString plain = entity.toPlainText().simplified();
    if (!plain.isEmpty())
      topic.indexWords << plain;
  }
  document.setHtml(html);
  topic.plainText = document.toPlainText();
  return topic;
}

// The topic files linked by the contents page, in the order they appear.
QStringList LinkedFiles(const QString& html) {
  static const QRegularExpression link(R"re(href="([^"#:]+)(#[^"]*)?")re");
  QStringList files;
  for (auto it = link.globalMatch(html); it.hasNext();) {
    const QString file = it.next().captured(1);
    if (!files.contains(file))
      files << file;
  }
  return files;
}

}  // namespace

QString FoldForSearch(const QString& text) {
  QString folded;
  folded.reserve(text.size());
  for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
    if (c.category() != QChar::Mark_NonSpacing)
      folded += c.toLower();
  }
  return folded;
}

HelpBook::HelpBook(const QString& folder) : folder_(folder) {
  const QStringList files = QDir(folder).entryList({"*.htm"}, QDir::Files, QDir::Name);
  topics_.reserve(files.size());  // the pointers below stay valid
  for (const QString& file : files)
    topics_.push_back(ReadTopic(folder, file));

  for (const QString& file : LinkedFiles(ReadUtf8(folder + "/" + kContentsFile))) {
    if (const HelpTopic* topic = TopicForFile(file); topic && topic->file != kContentsFile)
      contentsOrder_.push_back(topic);
  }

  for (const HelpTopic& topic : topics_) {
    for (const QString& word : topic.indexWords)
      index_.emplace_back(word, &topic);
  }
  QCollator spanish{QLocale(QLocale::Spanish, QLocale::Spain)};
  spanish.setCaseSensitivity(Qt::CaseInsensitive);
  std::stable_sort(index_.begin(), index_.end(), [&](const auto& a, const auto& b) {
    return spanish.compare(a.first, b.first) < 0;
  });
}

const HelpBook& HelpBook::Shipped() {
  static const HelpBook book(":/help");
  return book;
}

QUrl HelpBook::UrlOf(const QString& file) const {
  if (folder_.startsWith(":/"))
    return QUrl("qrc" + folder_ + "/" + file);
  return QUrl::fromLocalFile(folder_ + "/" + file);
}

const HelpTopic* HelpBook::TopicForContext(int context) const {
  for (const HelpTopic& topic : topics_) {
    if (topic.context == context && context != 0)
      return &topic;
  }
  return nullptr;
}

const HelpTopic* HelpBook::TopicForFile(const QString& file) const {
  for (const HelpTopic& topic : topics_) {
    if (topic.file == file)
      return &topic;
  }
  return nullptr;
}

std::vector<const HelpTopic*> HelpBook::Search(const QString& words) const {
  const QString phrase = FoldForSearch(words.simplified());
  const QStringList wanted = phrase.split(' ', Qt::SkipEmptyParts);
  if (wanted.isEmpty())
    return {};
  // A page named after what was asked comes first, then pages holding it as typed,
  // then the pages where the words are most often.
  std::vector<std::pair<int, const HelpTopic*>> hits;
  for (const HelpTopic& topic : topics_) {
    const QString title = FoldForSearch(topic.title);
    const QString text = FoldForSearch(topic.plainText);
    int score = 0;
    bool inTitle = true;
    for (const QString& word : wanted) {
      const int n = text.count(word);
      if (n == 0) {
        score = -1;
        break;
      }
      score += n;
      inTitle = inTitle && title.contains(word);
    }
    if (score < 0)
      continue;
    if (inTitle)
      score += title.contains(phrase) ? 100000 : 10000;
    if (wanted.size() > 1)
      score += 100 * text.count(phrase);
    hits.emplace_back(score, &topic);
  }
  std::stable_sort(hits.begin(), hits.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<const HelpTopic*> found;
  for (const auto& hit : hits)
    found.push_back(hit.second);
  return found;
}
