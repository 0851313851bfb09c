// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help book and its window: every help context opens a real topic, every link
// and picture of the book resolves, the index and the search find their pages, and the
// window stays usable beside the program's modal windows.
#include "platform/help.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <map>

#include "platform/help_window.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

const QString kSourceFolder = HELP_DIR;

QString ReadSource(const QString& file) {
  QFile in(kSourceFolder + "/" + file);
  EXPECT_TRUE(in.open(QIODevice::ReadOnly)) << file.toStdString();
  return QString::fromUtf8(in.readAll());
}

QStringList SourcePages() {
  return QDir(kSourceFolder).entryList({"*.htm"}, QDir::Files, QDir::Name);
}

// What each page of the source folder declares, read here independently of the program.
struct DeclaredPage {
  QString file;
  QString title;
};

std::multimap<int, DeclaredPage> PagesByContext() {
  static const QRegularExpression context(R"re(<meta\s+name="contexto"\s+content="(\d+)")re");
  static const QRegularExpression title("<title>([^<]*)</title>");
  std::multimap<int, DeclaredPage> pages;
  for (const QString& file : SourcePages()) {
    const QString html = ReadSource(file);
    const auto match = context.match(html);
    if (match.hasMatch())
      pages.insert({match.captured(1).toInt(), {file, title.match(html).captured(1)}});
  }
  return pages;
}

QString ShownFile(HelpWindow& window) {
  return window.Browser()->source().fileName();
}

QString ShownText(HelpWindow& window) {
  return window.Browser()->document()->toPlainText();
}

// Clicks `item` of `list` the way the window system delivers a click: through the
// window, so that a window blocked by a modal one does not get it.
void ClickItem(QListWidget* list, QListWidgetItem* item) {
  EXPECT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  list->scrollToItem(item);
  QCoreApplication::processEvents();
  const QPoint inViewport = list->visualItemRect(item).center();
  QWidget* window = list->window();
  const QPoint inWindow = list->viewport()->mapTo(window, inViewport);
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, inWindow);
}

QListWidgetItem* ItemFor(QListWidget* list, const QString& file) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->data(Qt::UserRole).toString() == file)
      return list->item(row);
  }
  return nullptr;
}

}  // namespace

class HelpTest : public ::testing::Test {
 protected:
  Help help;
};

// F1 calls ShowHelp with the help context in play; "Ayuda..." of the background
// menu with 519.
class HelpContextTest : public HelpTest, public ::testing::WithParamInterface<int> {};

TEST_P(HelpContextTest, OpensItsOwnTitledTopic) {
  const int context = GetParam();
  const auto pages = PagesByContext();
  ASSERT_EQ(pages.count(context), 1u) << "exactly one page declares context " << context;
  const DeclaredPage& page = pages.find(context)->second;

  help.ShowHelp(context);
  HelpWindow& window = help.Window();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(ShownFile(window), page.file);
  const QString text = ShownText(window);
  EXPECT_TRUE(text.trimmed().startsWith(page.title.trimmed())) << text.left(80).toStdString();
  EXPECT_GT(text.simplified().size(), 400) << "a topic says more than its title";
  EXPECT_EQ(window.Browser()->document()->metaInformation(QTextDocument::DocumentTitle),
            page.title);
  EXPECT_TRUE(window.windowTitle().contains(page.title));
}

INSTANTIATE_TEST_SUITE_P(EveryContext, HelpContextTest, ::testing::Range(500, 520),
                         [](const auto& info) { return "Contexto" + std::to_string(info.param); });

TEST_F(HelpTest, EveryNameOfTheHelpFileOpensTheBook) {
  struct Case {
    QString name;
    int context;
    bool opens;
    QString file;
  };
  const Case cases[] = {{"lurimba.chm", 0, true, "contenido.htm"},
                        {"lurimba.chm", 508, true, "contenido.htm"},
                        {"lurimba.hlp", 0, true, "contenido.htm"},
                        {"LURIMBA.HLP", 519, true, "fondo.htm"},
                        {"./lurimba.hlp", 504, true, "opciones_de_juego.htm"},
                        {"otro.hlp", 504, false, ""},
                        {"lurim_w.htm", 0, false, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString() + " " + std::to_string(c.context));
    if (help.Window().isVisible())
      help.CloseHelp();
    EXPECT_EQ(help.OpenHelpFile(c.name, c.context), c.opens);
    EXPECT_EQ(help.Window().isVisible(), c.opens);
    if (c.opens) {
      EXPECT_EQ(ShownFile(help.Window()), c.file);
    }
  }
}

// Every topic is listed on the contents page, in the contents list and in the index.
TEST_F(HelpTest, ContentsAndIndexListEveryTopicAndAContextWithoutTopicFallsBackToThem) {
  help.ShowHelpContents();
  HelpWindow& window = help.Window();
  EXPECT_EQ(ShownFile(window), "contenido.htm");
  EXPECT_TRUE(ShownText(window).contains("Ayuda de Lurimba"));

  const QString contents = ReadSource("contenido.htm");
  for (const auto& [context, page] : PagesByContext()) {
    SCOPED_TRACE(page.file.toStdString());
    EXPECT_TRUE(contents.contains("href=\"" + page.file + "\""));
    EXPECT_NE(ItemFor(window.ContentsList(), page.file), nullptr);
    EXPECT_NE(ItemFor(window.IndexList(), page.file), nullptr);
  }

  help.ShowHelp(507);
  help.ShowHelp(499);
  EXPECT_EQ(ShownFile(window), "contenido.htm");
}

TEST_F(HelpTest, EveryLinkAndPictureOfTheBookResolves) {
  static const QRegularExpression href(R"re(href="([^"]*)")re");
  static const QRegularExpression src(R"re(<img[^>]*\ssrc="([^"]*)")re");
  const QStringList pages = SourcePages();
  ASSERT_GE(pages.size(), 21);
  int links = 0;
  int pictures = 0;
  for (const QString& file : pages) {
    SCOPED_TRACE(file.toStdString());
    EXPECT_TRUE(QFile::exists(":/help/" + file)) << "built into the program";
    const QString html = ReadSource(file);
    for (auto it = href.globalMatch(html); it.hasNext(); ++links) {
      const QString target = it.next().captured(1);
      EXPECT_FALSE(target.contains(':')) << "no link leaves the book: " << target.toStdString();
      const QString targetFile = target.section('#', 0, 0);
      EXPECT_TRUE(pages.contains(targetFile)) << target.toStdString();
    }
    for (auto it = src.globalMatch(html); it.hasNext(); ++pictures) {
      const QString picture = it.next().captured(1);
      EXPECT_FALSE(QImage(kSourceFolder + "/" + picture).isNull()) << picture.toStdString();
      EXPECT_FALSE(QImage(":/help/" + picture).isNull()) << picture.toStdString();
    }
  }
  EXPECT_GT(links, 60);
  EXPECT_GT(pictures, 5);
}

TEST_F(HelpTest, AClickOnALinkOpensItsTopicAndBackReturns) {
  help.ShowHelpContents();
  HelpWindow& window = help.Window();
  QTextBrowser* browser = window.Browser();
  // Finds the link to "jugar_una_palabra.htm" in the laid-out page and clicks it.
  QRect linkRect;
  for (QTextBlock block = browser->document()->begin(); block.isValid() && linkRect.isNull();
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().anchorHref() == "jugar_una_palabra.htm") {
        QTextCursor cursor(browser->document());
        cursor.setPosition(fragment.position() + 1);
        linkRect = browser->cursorRect(cursor);
        break;
      }
    }
  }
  ASSERT_FALSE(linkRect.isNull());
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, linkRect.center());
  EXPECT_EQ(ShownFile(window), "jugar_una_palabra.htm");
  browser->backward();
  EXPECT_EQ(ShownFile(window), "contenido.htm");
}

TEST_F(HelpTest, SearchFindsWordsWithOrWithoutAccents) {
  struct Case {
    QString typed;
    QString expectedFirst;  // empty: nothing found
    QString alsoFound;
  };
  const Case cases[] = {{"textura", "fondo.htm", "configuracion_guardada.htm"},
                        {"camion", "solo_vocales.htm", ""},
                        {"IMPRESIÓN", "resultados.htm", ""},
                        {"letras marcadas", "letras_marcadas.htm", "opciones_de_juego.htm"},
                        {"zzqxj", "", ""}};
  help.ShowHelpContents();
  HelpWindow& window = help.Window();
  window.Tabs()->setCurrentIndex(2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    window.SearchField()->clear();
    window.SearchField()->setFocus();
    QTest::keyClicks(window.SearchField(), c.typed);
    QTest::keyClick(window.SearchField(), Qt::Key_Return);
    QListWidget* results = window.SearchResults();
    auto* status = window.findChild<QLabel*>("HelpSearchStatus");
    if (c.expectedFirst.isEmpty()) {
      EXPECT_EQ(results->count(), 0);
      EXPECT_TRUE(status->text().startsWith("No hay ninguna página"));
      continue;
    }
    ASSERT_GT(results->count(), 0);
    EXPECT_EQ(results->item(0)->data(Qt::UserRole).toString(), c.expectedFirst);
    if (!c.alsoFound.isEmpty()) {
      EXPECT_NE(ItemFor(results, c.alsoFound), nullptr);
    }
    ClickItem(results, results->item(0));
    EXPECT_EQ(ShownFile(window), c.expectedFirst);
  }
}

TEST_F(HelpTest, TypingInTheIndexPicksTheWordAndEnterOpensItsTopic) {
  help.ShowHelpContents();
  HelpWindow& window = help.Window();
  window.Tabs()->setCurrentIndex(1);
  window.IndexField()->setFocus();
  QTest::keyClicks(window.IndexField(), "Intercam");
  QListWidgetItem* current = window.IndexList()->currentItem();
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(current->text(), "Intercambiar");
  QTest::keyClick(window.IndexField(), Qt::Key_Return);
  EXPECT_EQ(ShownFile(window), "resultados.htm");
}

// The results window is modal; its "Ayuda" opens the help, which must take clicks
// while that window is still open, and stay open when it closes. Closed by Esc, the help
// comes back at the size it was given.
TEST_F(HelpTest, HelpOpenedFromAModalWindowTakesClicksWhileItIsOpen) {
  QDialog modal;
  QString shownWhileModal;
  bool visibleAfterModal = false;
  QTimer::singleShot(0, &modal, [&] {
    help.ShowHelpContents();
    HelpWindow& window = help.Window();
    EXPECT_FALSE(window.isModal());
    window.resize(640, 420);
    ClickItem(window.ContentsList(), ItemFor(window.ContentsList(), "resultados.htm"));
    shownWhileModal = ShownFile(window);
    modal.reject();
  });
  modal.exec();
  visibleAfterModal = help.Window().isVisible();
  EXPECT_EQ(shownWhileModal, "resultados.htm");
  EXPECT_TRUE(visibleAfterModal) << "closing the modal window leaves the help open";

  // Back in the main window, F1 brings the same window back, at the same size.
  help.Window().Browser()->setFocus();
  QTest::keyClick(help.Window().Browser(), Qt::Key_Escape);
  EXPECT_FALSE(help.Window().isVisible()) << "Esc closes the help window";
  help.ShowHelp(510);
  EXPECT_TRUE(help.Window().isVisible());
  EXPECT_EQ(help.Window().size(), QSize(640, 420));
}

// What a teacher reads: Spanish, without the marks of unfinished text.
TEST_F(HelpTest, NoTopicHoldsPlaceholdersOrEnglish) {
  static const QRegularExpression unfinished(
      R"(\b(TODO|FIXME|XXX|TBD|[Ll]orem|[Ii]psum)\b|\?\?\?|\[\.\.\.\])");
  static const QRegularExpression english(R"(\b(the|and|click|help|file|window|press|you|page)\b)",
                                          QRegularExpression::CaseInsensitiveOption);
  for (const QString& file : SourcePages()) {
    SCOPED_TRACE(file.toStdString());
    QTextDocument document;
    document.setHtml(ReadSource(file));
    const QString text = document.toPlainText();
    EXPECT_FALSE(unfinished.match(text).hasMatch())
        << unfinished.match(text).captured().toStdString();
    EXPECT_FALSE(english.match(text).hasMatch()) << english.match(text).captured().toStdString();
  }
}
