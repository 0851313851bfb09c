// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help book and its window: every help context opens a real topic, every link
// and picture of the book resolves, the index and the search find their pages, and the
// window stays usable beside the program's modal windows.
#include "platform/help.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "platform/help_window.h"

namespace {

QString ReadSource(const QString& file) {
  QFile in(HELP_DIR "/" + file);
  EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
  return QString::fromUtf8(in.readAll());
}

std::string ShownFile(HelpWindow& window) {
  return window.Browser()->source().fileName().toStdString();
}

QListWidgetItem* ItemFor(QListWidget* list, const QString& file) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->data(Qt::UserRole).toString() == file)
      return list->item(row);
  }
  return nullptr;
}

// Clicks the item of `file` through its window, as the window system delivers a click,
// so that a window blocked by a modal one does not get it.
void ClickItem(QListWidget* list, const QString& file) {
  QListWidgetItem* item = ItemFor(list, file);
  ASSERT_NE(item, nullptr) << file.toStdString();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  list->scrollToItem(item);
  QCoreApplication::processEvents();
  const QPoint at = list->viewport()->mapTo(list->window(), list->visualItemRect(item).center());
  QTest::mouseClick(list->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class HelpTest : public ::testing::Test {
 protected:
  Help help;
};

// F1 calls ShowHelp with the help context in play; "Ayuda..." of the background
// menu with 519. Every topic is also in the contents list and in the index.
class HelpContextTest : public HelpTest, public ::testing::WithParamInterface<int> {};

TEST_P(HelpContextTest, OpensItsOwnTitledTopicListedInTheContentsAndTheIndex) {
  static const QRegularExpression context(R"re(<meta\s+name="contexto"\s+content="(\d+)")re");
  static const QRegularExpression title("<title>([^<]*)</title>");
  help.ShowHelp(GetParam());
  HelpWindow& window = help.Window();
  EXPECT_TRUE(window.isVisible());
  const QString file = QString::fromStdString(ShownFile(window));
  const QString html = ReadSource(file);
  EXPECT_EQ(context.match(html).captured(1).toInt(), GetParam()) << file.toStdString();
  const QString wanted = title.match(html).captured(1).trimmed();
  const QString text = window.Browser()->document()->toPlainText().trimmed();
  EXPECT_TRUE(text.startsWith(wanted)) << text.left(80).toStdString();
  EXPECT_GT(text.simplified().size(), 400) << "a topic says more than its title";
  EXPECT_TRUE(window.windowTitle().contains(wanted));
  EXPECT_NE(ItemFor(window.ContentsList(), file), nullptr);
  EXPECT_NE(ItemFor(window.IndexList(), file), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryContext, HelpContextTest, ::testing::Range(500, 520),
                         [](const auto& info) { return "Contexto" + std::to_string(info.param); });

TEST_F(HelpTest, TheNamesOfTheHelpFileOpenTheBook) {
  const std::tuple<QString, int, const char*> cases[] = {{"lurimba.chm", 508, "contenido.htm"},
                                                         {"LURIMBA.HLP", 519, "fondo.htm"},
                                                         {"lurimba.hlp", 0, "contenido.htm"},
                                                         {"otro.hlp", 504, ""}};
  for (const auto& [name, context, file] : cases) {
    SCOPED_TRACE(name.toStdString() + " " + std::to_string(context));
    help.CloseHelp();
    EXPECT_EQ(help.OpenHelpFile(name, context), *file != '\0');
    EXPECT_EQ(help.Window().isVisible() ? ShownFile(help.Window()) : "", file);
  }
}

// What a teacher reads: links and pictures that all resolve.
TEST_F(HelpTest, EveryLinkAndPictureOfTheBookResolves) {
  static const QRegularExpression href(R"re(href="([^"]*)")re");
  static const QRegularExpression src(R"re(<img[^>]*\ssrc="([^"]*)")re");
  const QStringList pages = QDir(HELP_DIR).entryList({"*.htm"}, QDir::Files);
  ASSERT_GE(pages.size(), 21);
  int links = 0;
  int pictures = 0;
  for (const QString& file : pages) {
    SCOPED_TRACE(file.toStdString());
    EXPECT_TRUE(QFile::exists(":/help/" + file)) << "built into the program";
    const QString html = ReadSource(file);
    for (auto it = href.globalMatch(html); it.hasNext(); ++links) {
      const QString target = it.next().captured(1);
      EXPECT_TRUE(pages.contains(target.section('#', 0, 0))) << target.toStdString();
    }
    for (auto it = src.globalMatch(html); it.hasNext(); ++pictures) {
      const QString picture = it.next().captured(1);
      EXPECT_FALSE(QImage(":/help/" + picture).isNull()) << picture.toStdString();
    }
  }
  EXPECT_GT(links, 60);
  EXPECT_GT(pictures, 5);
}

TEST_F(HelpTest, ALinkOpensItsTopicTheSearchFindsWordsWithOrWithoutAccentsAndTheIndexAsYouType) {
  const std::tuple<QString, QString, QString> cases[] = {
      {"camion", "solo_vocales.htm", "solo_vocales.htm"},
      {"IMPRESIÓN", "resultados.htm", "resultados.htm"},
      {"letras marcadas", "letras_marcadas.htm", "opciones_de_juego.htm"},
      {"zzqxj", "", ""}};
  help.ShowHelpContents();
  HelpWindow& window = help.Window();
  QTextBrowser* browser = window.Browser();
  QTextCursor link(browser->document());
  while (!link.atEnd() && link.charFormat().anchorHref() != "jugar_una_palabra.htm")
    link.movePosition(QTextCursor::NextCharacter);
  ASSERT_FALSE(link.atEnd());
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier,
                    browser->cursorRect(link).center());
  EXPECT_EQ(ShownFile(window), "jugar_una_palabra.htm");
  browser->backward();
  EXPECT_EQ(ShownFile(window), "contenido.htm");
  window.Tabs()->setCurrentIndex(2);
  for (const auto& [typed, first, alsoFound] : cases) {
    SCOPED_TRACE(typed.toStdString());
    window.SearchField()->clear();
    window.SearchField()->setFocus();
    QTest::keyClicks(window.SearchField(), typed);
    QTest::keyClick(window.SearchField(), Qt::Key_Return);
    QListWidget* results = window.SearchResults();
    const QString status = window.findChild<QLabel*>("HelpSearchStatus")->text();
    EXPECT_EQ(status.startsWith("No hay ninguna página"), first.isEmpty());
    EXPECT_EQ(results->count() > 0 ? results->item(0)->data(Qt::UserRole).toString() : "", first);
    if (first.isEmpty())
      continue;
    EXPECT_NE(ItemFor(results, alsoFound), nullptr);
    ClickItem(results, first);
    EXPECT_EQ(ShownFile(window), first.toStdString());
  }
  window.Tabs()->setCurrentIndex(1);
  window.IndexField()->setFocus();
  QTest::keyClicks(window.IndexField(), "Intercam");
  ASSERT_NE(window.IndexList()->currentItem(), nullptr);
  EXPECT_EQ(window.IndexList()->currentItem()->text(), "Intercambiar");
  QTest::keyClick(window.IndexField(), Qt::Key_Return);
  EXPECT_EQ(ShownFile(window), "resultados.htm");
}

// The results window is modal; its "Ayuda" opens the help, which must take clicks
// while that window is still open, and stay open when it closes. Closed by Esc, the help
// comes back at the size it was given.
TEST_F(HelpTest, HelpOpenedFromAModalWindowTakesClicksWhileItIsOpen) {
  QDialog modal;
  std::string shownWhileModal;
  QTimer::singleShot(0, &modal, [&] {
    help.ShowHelpContents();
    EXPECT_FALSE(help.Window().isModal());
    help.Window().resize(640, 420);
    ClickItem(help.Window().ContentsList(), "resultados.htm");
    shownWhileModal = ShownFile(help.Window());
    modal.reject();
  });
  modal.exec();
  EXPECT_EQ(shownWhileModal, "resultados.htm");
  EXPECT_TRUE(help.Window().isVisible()) << "closing the modal window leaves the help open";
  help.Window().Browser()->setFocus();
  QTest::keyClick(help.Window().Browser(), Qt::Key_Escape);
  EXPECT_FALSE(help.Window().isVisible()) << "Esc closes the help window";
  help.ShowHelp(510);
  EXPECT_TRUE(help.Window().isVisible());
  EXPECT_EQ(help.Window().size(), QSize(640, 420));
}
