// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: contents, index and search beside the page being read.
// It is not modal, lives until the program ends once it has been opened, and keeps
// its size and place from one showing to the next.
#pragma once

#include <QWidget>

#include "platform/help_book.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(const HelpBook& book);

  // Shows the topic of `context`; a context without a topic shows the contents page.
  void ShowContext(int context);
  void ShowContents();

  // The page shown and the controls, for the tests and the screenshots.
  QTextBrowser* Browser() const { return browser_; }
  QTabWidget* Tabs() const { return tabs_; }
  QListWidget* ContentsList() const { return contentsList_; }
  QLineEdit* IndexField() const { return indexField_; }
  QListWidget* IndexList() const { return indexList_; }
  QLineEdit* SearchField() const { return searchField_; }
  QListWidget* SearchResults() const { return searchResults_; }
  QPushButton* ContentsButton() const { return contentsButton_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;  // Esc closes the window

 private:
  void SetOwner(QWidget* owner);
  QWidget* MakeContentsTab();
  QWidget* MakeIndexTab();
  QWidget* MakeSearchTab();
  void Open(const QUrl& url);
  void OpenItem(QListWidgetItem* item);
  void FilterIndex(const QString& text);
  void RunSearch();
  void SourceChanged(const QUrl& url);
  void Present();

  const HelpBook& book_;
  QString lastSearch_;
  bool placed_ = false;  // shown before: its size and place are the user's
  QTextBrowser* browser_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QListWidget* contentsList_ = nullptr;
  QLineEdit* indexField_ = nullptr;
  QListWidget* indexList_ = nullptr;
  QLineEdit* searchField_ = nullptr;
  QListWidget* searchResults_ = nullptr;
  QPushButton* contentsButton_ = nullptr;
};
