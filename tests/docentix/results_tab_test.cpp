// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The results tab: several files in one table, its filters, a file that is not a
// results file, and the export of the table as shown.
#include "docentix/results_tab.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "charset.h"
#include "files.h"
#include "support/pdf_text.h"
#include "support/window_fixture.h"

namespace {

const std::string kNotResults =
    Ansi("E R R O R\n\nEl fichero no es de Resultados\no no pertenece a esta serie.");

class ResultsTabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Class A played animals on two days; class B played fruit.
    Write(dir.filePath("clase-a.rlm"), ResultsBytes({{"ANA", "Animales", 2001, 5, 3, 1},
                                                     {"LUCAS", "Animales", 2001, 5, 3, 2},
                                                     {"ANTONIO", "Animales", 2001, 12, 3, 3}}));
    Write(dir.filePath("clase-b.rlm"), ResultsBytes({{"JULIANA", "Frutas", 2001, 12, 3, 4}}));
    Write(dir.filePath("lista.lma"), "LURIMBA\r\nanimales\r\n");
    // Accented names, and counts whose text order is not their numeric order.
    Write(dir.filePath("clase-c.rlm"),
          ResultsBytes({{AnsiToOem(Ansi("Zoe")), "Mar", 2001, 5, 3, 10},
                        {AnsiToOem(Ansi("Álvaro")), "Mar", 2001, 5, 3, 9},
                        {AnsiToOem(Ansi("Lucía")), "Mar", 2001, 5, 3, 100}}));
    tab.resize(900, 500);
    tab.show();
    ASSERT_TRUE(tab.OpenFiles({dir.filePath("clase-a.rlm"), dir.filePath("clase-b.rlm")}));
  }

  QStringList Names() const {
    QStringList names;
    for (const ResultsRow& row : tab.ShownRows())
      names << QString::fromStdString(AnsiToUtf8(row.record.name));
    return names;
  }

  QPushButton* Button(const QString& text) const {
    for (QPushButton* button : tab.findChildren<QPushButton*>())
      if (button->text() == text)
        return button;
    return nullptr;
  }

  // Chooses an entry of a filter list with the arrow keys, as a teacher would.
  static void Choose(QComboBox* box, const QString& text) {
    const int wanted = box->findText(text);
    ASSERT_GE(wanted, 0) << text.toStdString();
    box->setFocus();
    while (box->currentIndex() != wanted)
      QTest::keyClick(box, box->currentIndex() < wanted ? Qt::Key_Down : Qt::Key_Up);
  }

  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  ResultsTab tab{dir.path(), dialogs};
};

// Two files give one table; a file opened again is read again, not listed twice.
TEST_F(ResultsTabTest, TwoFilesGiveOneTableThatTheFiltersNarrow) {
  ASSERT_TRUE(tab.OpenFiles({dir.filePath("clase-a.rlm")}));
  EXPECT_EQ(Names(), QStringList({"ANA", "LUCAS", "ANTONIO", "JULIANA"}));
  EXPECT_EQ(tab.ShownRows().back().fileName, "clase-b.rlm");
  tab.nameFilter()->setFocus();
  QTest::keyClicks(tab.nameFilter(), "an");  // part of a name, in any case
  EXPECT_EQ(Names(), QStringList({"ANA", "ANTONIO", "JULIANA"}));
  Choose(tab.themeFilter(), "Animales");
  Choose(tab.dateFilter(), "12/03/2001");
  EXPECT_EQ(Names(), QStringList({"ANTONIO"}));
}

TEST_F(ResultsTabTest, NotAResultsFileLeavesTheTableAsItWas) {
  // Alone from the open dialog, or with a good file: nothing of either is added.
  dialogs.filesToOpen = {dir.filePath("lista.lma").toStdString()};
  QTest::mouseClick(Button("Abrir..."), Qt::LeftButton);
  EXPECT_FALSE(tab.OpenFiles({dir.filePath("clase-b.rlm"), dir.filePath("lista.lma")}));

  ASSERT_EQ(dialogs.messages.size(), 2u);
  for (const ShownMessage& message : dialogs.messages) {
    EXPECT_EQ(message.kind, "stop");
    EXPECT_EQ(message.text, kNotResults);
    EXPECT_EQ(message.caption, "Docentix: lista.lma");
  }
  EXPECT_EQ(dialogs.beeps, 2);
  EXPECT_EQ(Names(), QStringList({"ANA", "LUCAS", "ANTONIO", "JULIANA"}));
  EXPECT_EQ(Read(dir.filePath("lista.lma")), "LURIMBA\r\nanimales\r\n");
}

TEST_F(ResultsTabTest, ExportWritesTheRowsShownAndLeavesTheResultsFiles) {
  Choose(tab.themeFilter(), "Animales");
  tab.table()->sortByColumn(kNameColumn, Qt::DescendingOrder);

  dialogs.filesToSave = {dir.filePath("animales.csv").toStdString()};
  QTest::mouseClick(Button("Exportar..."), Qt::LeftButton);
  EXPECT_TRUE(dialogs.messages.empty());
  const QStringList lines = QString::fromUtf8(Read(dir.filePath("animales.csv"))).split("\r\n");
  ASSERT_EQ(lines.size(), 5);  // the header, three rows and the end of the last line
  EXPECT_TRUE(lines[1].startsWith("clase-a.rlm;LUCAS;"));
  EXPECT_TRUE(lines[2].startsWith("clase-a.rlm;ANTONIO;"));
  EXPECT_TRUE(lines[3].startsWith("clase-a.rlm;ANA;"));
  EXPECT_EQ(Read(dir.filePath("clase-b.rlm")),
            ResultsBytes({{"JULIANA", "Frutas", 2001, 12, 3, 4}}));
}

// The report of the rows shown says, under its title, which filter chose them.
TEST_F(ResultsTabTest, ReportSaysWhichFilterChoseTheRows) {
  tab.nameFilter()->setFocus();
  QTest::keyClicks(tab.nameFilter(), "lu");
  const QString pdf = dir.filePath("informe.pdf");
  dialogs.printTo = {pdf};
  QTest::mouseClick(Button("Imprimir..."), Qt::LeftButton);
  double titleTop = -1, filterTop = -1, rowTop = -1;
  for (const PdfWord& word : PdfWords(pdf)) {
    if (word.text == "Lurimba,")
      titleTop = word.box.top();
    if (word.text == "Filtro:")
      filterTop = word.box.top();
    if (word.text == "LUCAS" && rowTop < 0)  // its row, not its page of progress
      rowTop = word.box.top();
  }
  EXPECT_TRUE(PdfText(pdf).contains(QString::fromUtf8("Filtro: nombre «lu»")));
  EXPECT_LT(titleTop, filterTop);
  EXPECT_LT(filterTop, rowTop);
}

// Clicks on a column's heading sort by it, each click the other way round: names in
// Spanish alphabetical order, counts as numbers (the most first).
struct SortCase {
  const char* name;
  int column, clicks;
  const char* names;  // in the order shown
};

class ResultsSortTest : public ResultsTabTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(ResultsSortTest, ClickOnAHeadingSorts) {
  tab.Clear();
  ASSERT_TRUE(tab.OpenFiles({dir.filePath("clase-c.rlm")}));
  QHeaderView* header = tab.table()->horizontalHeader();
  const int column = GetParam().column;
  const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
  for (int click = 0; click < GetParam().clicks; ++click)
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
  EXPECT_EQ(Names().join(", ").toStdString(), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Headings, ResultsSortTest,
    ::testing::Values(SortCase{"NameOnce", kNameColumn, 1, "Álvaro, Lucía, Zoe"},
                      SortCase{"NameTwice", kNameColumn, 2, "Zoe, Lucía, Álvaro"},
                      SortCase{"CountOnce", kFirstCountColumn, 1, "Lucía, Zoe, Álvaro"},
                      SortCase{"CountTwice", kFirstCountColumn, 2, "Álvaro, Zoe, Lucía"}),
    [](const auto& info) { return std::string(info.param.name); });

// The name filter ignores case and accents.
struct FilterCase {
  const char* name;
  QString typed;
  const char* names;
};

class ResultsNameFilterTest : public ResultsTabTest,
                              public ::testing::WithParamInterface<FilterCase> {};

TEST_P(ResultsNameFilterTest, FindsTheNameWrittenEitherWay) {
  tab.Clear();
  ASSERT_TRUE(tab.OpenFiles({dir.filePath("clase-c.rlm")}));
  tab.nameFilter()->setFocus();
  for (QChar c : GetParam().typed)
    QTest::sendKeyEvent(QTest::Click, tab.nameFilter(), Qt::Key_unknown, QString(c), {});
  EXPECT_EQ(Names().join(", ").toStdString(), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(Typed, ResultsNameFilterTest,
                         ::testing::Values(FilterCase{"WithoutAccent", "lucia", "Lucía"},
                                           FilterCase{"InCapitals", "ALVARO", "Álvaro"},
                                           FilterCase{"AccentNotWritten", "zoé", "Zoe"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
