// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

constexpr int kFileRole = Qt::UserRole;
const QSize kFirstSize(820, 600);

QListWidgetItem* AddTopicItem(QListWidget* list, const QString& text, const QString& file) {
  auto* item = new QListWidgetItem(text, list);
  item->setData(kFileRole, file);
  return item;
}

}  // namespace

HelpWindow::HelpWindow(const HelpBook& book) : QWidget(nullptr, Qt::Window), book_(book) {
  setObjectName("HelpWindow");
  setWindowTitle("Ayuda de Lurimba");

  browser_ = new QTextBrowser;
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenLinks(false);  // only pages of the book are followed, below
  browser_->setOpenExternalLinks(false);
  QFont reading = browser_->font();
  reading.setPointSize(std::max(reading.pointSize(), 11));
  browser_->setFont(reading);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    const QUrl target = browser_->source().resolved(link);
    if (book_.TopicForFile(target.fileName()))
      Open(target);
  });
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SourceChanged);

  tabs_ = new QTabWidget;
  tabs_->addTab(MakeContentsTab(), "Contenido");
  tabs_->addTab(MakeIndexTab(), "Índice");
  tabs_->addTab(MakeSearchTab(), "Buscar");

  contentsButton_ = new QPushButton("Página principal");
  auto* back = new QPushButton("< Atrás");
  auto* forward = new QPushButton("Adelante >");
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contentsButton_, &QPushButton::clicked, this, [this] { Open(book_.ContentsUrl()); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contentsButton_);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();

  auto* splitter = new QSplitter;
  splitter->addWidget(tabs_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({240, kFirstSize.width() - 240});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);
  resize(kFirstSize);
}

QWidget* HelpWindow::MakeContentsTab() {
  contentsList_ = new QListWidget;
  contentsList_->setWordWrap(true);
  contentsList_->setSpacing(2);
  AddTopicItem(contentsList_, "Página principal", HelpBook::kContentsFile);
  for (const HelpTopic* topic : book_.ContentsOrder())
    AddTopicItem(contentsList_, topic->title, topic->file);
  connect(contentsList_, &QListWidget::itemClicked, this, &HelpWindow::OpenItem);
  connect(contentsList_, &QListWidget::itemActivated, this, &HelpWindow::OpenItem);
  return contentsList_;
}

QWidget* HelpWindow::MakeIndexTab() {
  indexField_ = new QLineEdit;
  indexField_->setPlaceholderText("Escribe una palabra");
  indexList_ = new QListWidget;
  QMap<QString, int> uses;  // a word that leads to several topics names each topic
  for (const auto& [word, topic] : book_.Index())
    ++uses[FoldForSearch(word)];
  for (const auto& [word, topic] : book_.Index()) {
    const bool shared = uses.value(FoldForSearch(word)) > 1;
    AddTopicItem(indexList_, shared ? word + " (" + topic->title + ")" : word, topic->file)
        ->setToolTip(topic->title);
  }
  connect(indexField_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
  connect(indexField_, &QLineEdit::returnPressed, this,
          [this] { OpenItem(indexList_->currentItem()); });
  connect(indexList_, &QListWidget::itemClicked, this, &HelpWindow::OpenItem);
  connect(indexList_, &QListWidget::itemActivated, this, &HelpWindow::OpenItem);

  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(new QLabel("Busca una palabra en el índice:"));
  layout->addWidget(indexField_);
  layout->addWidget(indexList_, 1);
  return tab;
}

QWidget* HelpWindow::MakeSearchTab() {
  searchField_ = new QLineEdit;
  searchField_->setPlaceholderText("Palabras que buscar");
  auto* searchButton = new QPushButton("Buscar");
  auto* status = new QLabel;
  status->setObjectName("HelpSearchStatus");
  status->setWordWrap(true);
  searchResults_ = new QListWidget;
  searchResults_->setWordWrap(true);
  connect(searchField_, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
  connect(searchButton, &QPushButton::clicked, this, &HelpWindow::RunSearch);
  connect(searchResults_, &QListWidget::itemClicked, this, &HelpWindow::OpenItem);
  connect(searchResults_, &QListWidget::itemActivated, this, &HelpWindow::OpenItem);

  auto* row = new QHBoxLayout;
  row->addWidget(searchField_, 1);
  row->addWidget(searchButton);
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(new QLabel("Escribe una o varias palabras:"));
  layout->addLayout(row);
  layout->addWidget(status);
  layout->addWidget(searchResults_, 1);
  return tab;
}

void HelpWindow::ShowContext(int context) {
  const HelpTopic* topic = book_.TopicForContext(context);
  Open(topic ? book_.UrlOf(topic->file) : book_.ContentsUrl());
  Present();
}

void HelpWindow::ShowContents() {
  Open(book_.ContentsUrl());
  Present();
}

void HelpWindow::Open(const QUrl& url) {
  if (browser_->source() == url)
    browser_->reload();  // back to the top of the page
  else
    browser_->setSource(url);
}

void HelpWindow::OpenItem(QListWidgetItem* item) {
  if (item == nullptr)
    return;
  Open(book_.UrlOf(item->data(kFileRole).toString()));
  if (item->listWidget() == searchResults_ && !lastSearch_.isEmpty()) {
    // Shows where the first word searched for stands in the page, when it is written
    // there as it was typed.
    browser_->moveCursor(QTextCursor::Start);
    browser_->find(lastSearch_.split(' ', Qt::SkipEmptyParts).value(0));
  }
}

void HelpWindow::FilterIndex(const QString& text) {
  const QString typed = FoldForSearch(text.trimmed());
  for (int row = 0; row < indexList_->count(); ++row) {
    if (FoldForSearch(indexList_->item(row)->text()).startsWith(typed)) {
      indexList_->setCurrentRow(row);
      indexList_->scrollToItem(indexList_->item(row), QAbstractItemView::PositionAtTop);
      return;
    }
  }
}

void HelpWindow::RunSearch() {
  lastSearch_ = searchField_->text().simplified();
  searchResults_->clear();
  auto* status = findChild<QLabel*>("HelpSearchStatus");
  if (lastSearch_.isEmpty()) {
    status->clear();
    return;
  }
  const std::vector<const HelpTopic*> found = book_.Search(lastSearch_);
  for (const HelpTopic* topic : found)
    AddTopicItem(searchResults_, topic->title, topic->file);
  if (found.empty())
    status->setText(QString("No hay ninguna página con «%1».").arg(lastSearch_));
  else if (found.size() == 1)
    status->setText("Una página:");
  else
    status->setText(QString("%1 páginas:").arg(found.size()));
  if (!found.empty())
    searchResults_->setCurrentRow(0);
}

void HelpWindow::SourceChanged(const QUrl& url) {
  const HelpTopic* topic = book_.TopicForFile(url.fileName());
  setWindowTitle(topic && !topic->title.isEmpty() ? "Ayuda de Lurimba - " + topic->title
                                                  : "Ayuda de Lurimba");
  for (int row = 0; row < contentsList_->count(); ++row) {
    if (contentsList_->item(row)->data(kFileRole).toString() == url.fileName()) {
      QSignalBlocker quiet(contentsList_);
      contentsList_->setCurrentRow(row);
      return;
    }
  }
  contentsList_->clearSelection();
}

void HelpWindow::SetOwner(QWidget* owner) {
  if (parentWidget() == owner)
    return;
  if (parentWidget() != nullptr)
    parentWidget()->removeEventFilter(this);
  const QRect place = geometry();  // kept while hidden; a new parent would lose it
  setParent(owner, Qt::Window);
  if (placed_)
    setGeometry(place);
  if (owner != nullptr)
    owner->installEventFilter(this);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
    close();
  else
    QWidget::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // When the modal window that owns the help closes, the help stays open on its
  // own; a minimised owner takes its help along and brings it back.
  if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous()) {
    const bool wasVisible = isVisible();
    SetOwner(nullptr);
    if (wasVisible)
      show();
  }
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::Present() {
  // A window the program shows modally blocks every other window but its own
  // children: the help opened from such a window becomes its child while it is open.
  QWidget* modal = QApplication::activeModalWidget();
  SetOwner(modal != nullptr && modal != this ? modal : nullptr);
  if (!placed_) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(kFirstSize.boundedTo(screen.size()));
    move(screen.center() - rect().center());
  }
  if (isMinimized())
    showNormal();
  else
    show();
  raise();
  activateWindow();
  placed_ = true;
}
