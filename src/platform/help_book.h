// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help book: one HTML page per topic, built into the program under ":/help".
// Each topic names its help context and its index words in its own metadata:
//   <title>...</title>
//   <meta name="contexto" content="504">
//   <meta name="indice" content="palabra; otra palabra">
// The contents page "contenido.htm" lists the topics in reading order.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <utility>
#include <vector>

struct HelpTopic {
  QString file;  // name inside the book's folder, e.g. "menu_ver.htm"
  QString title;
  int context = 0;  // 0 for a page without a help context (the contents page)
  QStringList indexWords;
  QString plainText;  // what the reader sees, for the search
};

class HelpBook {
 public:
  // Reads every page of `folder` (":/help" for the book built into the program).
  explicit HelpBook(const QString& folder);
  static const HelpBook& Shipped();

  static constexpr int kFirstContext = 500;
  static constexpr int kLastContext = 519;
  static constexpr const char* kContentsFile = "contenido.htm";

  QUrl UrlOf(const QString& file) const;
  QUrl ContentsUrl() const { return UrlOf(kContentsFile); }
  const HelpTopic* TopicForContext(int context) const;
  const HelpTopic* TopicForFile(const QString& file) const;
  // The topics in the order the contents page links them.
  const std::vector<const HelpTopic*>& ContentsOrder() const { return contentsOrder_; }
  // Every index word with its topic, in Spanish alphabetical order.
  const std::vector<std::pair<QString, const HelpTopic*>>& Index() const { return index_; }
  // Topics holding every word of `words` (case and accents ignored), most hits first.
  std::vector<const HelpTopic*> Search(const QString& words) const;

 private:
  QString folder_;
  std::vector<HelpTopic> topics_;
  std::vector<const HelpTopic*> contentsOrder_;
  std::vector<std::pair<QString, const HelpTopic*>> index_;
};

// Lower case without accents, so that "canción" is found by "cancion".
QString FoldForSearch(const QString& text);
