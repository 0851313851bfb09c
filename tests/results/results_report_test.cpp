// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed report, printed to PDF through "Imprimir..." and read back with
// pdftotext.
#include <QKeyEvent>
#include <QPrinter>

#include "results/results_window_support.h"
#include "support/pdf_text.h"

class ResultsReportTest : public ResultsWindowTest {
 protected:
  QString pdf() const { return folder.path() + "/informe.pdf"; }

  // Prints `records` (as a file named tres.rlm) through the window's button.
  void Print(const std::vector<PlayerRecord>& records,
             const std::function<void()>& beforePrinting = {}, const std::string& extra = "") {
    dialogs.printTo = {pdf()};
    dialogs.filesToOpen = {WriteResults("tres.rlm", records, extra)};
    Session([&] {
      if (beforePrinting)
        beforePrinting();
      QTest::mouseClick(ui().Button_imprimir, Qt::LeftButton);
    });
  }

  std::vector<PlayerRecord> Many(int count) {
    std::vector<PlayerRecord> records;
    for (int k = 1; k <= count; ++k)
      records.push_back(CountedPlayer("JUGADOR" + std::to_string(k), k));
    return records;
  }
};

TEST_F(ResultsReportTest, ThreeRecordsOnOneLandscapePage) {
  PlayerRecord first = CountedPlayer(Ansi("Begoña"), 0);
  PlayerRecord second = CountedPlayer("LUIS", 20000);
  second.month = 0;
  second.day = 17;
  second.year = 2002;
  PlayerRecord third = CountedPlayer("PEPA", 300);
  third.month = 12;
  Print({first, second, third});

  ASSERT_EQ(PdfPages(pdf()), 1);
  const QRegularExpressionMatch size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+))")
                                           .match(ToolOutput("pdfinfo", {pdf()}));
  ASSERT_TRUE(size.hasMatch());
  EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "landscape";
  const QString text = PdfText(pdf());
  // Title and headings are the screenshot's to show; the rows are the file's.
  EXPECT_TRUE(text.contains("Archivo: tres.rlm")) << text.toStdString();
  EXPECT_TRUE(
      text.contains(QString::fromUtf8("\n1 (5/Mar/2001) Begoña 1 2 3 4 5 6 100 10 20 30 "
                                      "40 50 60 200")))
      << text.toStdString();
  EXPECT_TRUE(text.contains("\n2 (17/ /2002) LUIS 20001 ")) << text.toStdString();
  EXPECT_TRUE(text.contains("\n3 (5/Dic/2001) PEPA 301 ")) << text.toStdString();
  EXPECT_FALSE(text.contains("\n4 ("));
  // The printer gets its own orientation back.
  EXPECT_EQ(window->printer().pageLayout().orientation(), QPageLayout::Portrait);
  EXPECT_EQ(window->printer().docName(), "Resultados Lurimba");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ResultsReportTest, LongReportFillsPagesWithoutLosingARow) {
  const int count = 60;                          // more than fifty: printing has no limit
  Print(Many(count), {}, std::string(70, 'x'));  // and part of a record

  const int pages = PdfPages(pdf());
  ASSERT_GT(pages, 1);
  QString all;
  for (int page = 1; page <= pages; ++page) {
    const QString text = PdfText(pdf(), page);
    EXPECT_TRUE(text.contains("Lurimba, archivo de RESULTADOS")) << "page " << page;
    all += text;
  }
  for (int k = 1; k <= count; ++k) {
    const QString row = QString("\n%1 (5/Mar/2001) JUGADOR%1 ").arg(k);
    EXPECT_EQ(all.count(row), 1) << row.toStdString();
  }
  EXPECT_FALSE(all.contains(QString("\n%1 (").arg(count + 1)));
}

// No two words of a page overlap, headings included; every heading is there on both sides.
TEST_F(ResultsReportTest, HeadingsFitTheirColumns) {
  Print(Many(3));
  QStringList headings;
  const std::vector<PdfWord> words = PdfWords(pdf());
  for (std::size_t a = 0; a < words.size(); ++a) {
    headings << words[a].text;
    for (std::size_t b = a + 1; b < words.size(); ++b) {
      const QRectF overlap = words[a].box.intersected(words[b].box);
      EXPECT_TRUE(overlap.width() < 0.5 || overlap.height() < 0.5)
          << words[a].text.toStdString() << " overlaps " << words[b].text.toStdString();
    }
  }
  for (const char* heading : {"Vocales", "Conso-", "nantes", "Prim./", "última", "Fácil", "Difícil",
                              "Marca-", "das", "TOTAL"})
    EXPECT_EQ(headings.count(QString::fromUtf8(heading)), 2) << heading;
}

// Every page says which page of how many it is, when it was printed and the themes of the
// rows, on the lines it already had: the rows stand where they stand without them.
TEST_F(ResultsReportTest, EveryPageSaysWhenWhatAndWhichPage) {
  auto rowTops = [&] {
    std::vector<std::pair<int, double>> tops;
    for (const PdfWord& word : PdfWords(pdf()))
      if (word.text.startsWith("JUGADOR"))
        tops.emplace_back(word.page, word.box.top());
    return tops;
  };
  std::vector<PlayerRecord> records = Many(60);
  Print(records);
  const auto plainTops = rowTops();
  for (std::size_t k = 0; k < records.size(); ++k)
    records[k].theme = k % 2 ? std::string(49, 'T') : "Animales";
  Print(records);
  EXPECT_EQ(rowTops(), plainTops);
  ASSERT_EQ(plainTops.size(), records.size());

  const int pages = PdfPages(pdf());
  ASSERT_GT(pages, 1);
  const QString today = QLocale(QLocale::Spanish, QLocale::Spain)
                            .toString(QDate::currentDate(), "d 'de' MMMM 'de' yyyy");
  for (int page = 1; page <= pages; ++page) {
    const QString text = PdfText(pdf(), page);
    SCOPED_TRACE(text.toStdString());
    EXPECT_TRUE(text.contains(QString::fromUtf8("Página %1 de %2").arg(page).arg(pages)));
    EXPECT_TRUE(text.contains("Impreso el " + today + ", a las "));
    EXPECT_TRUE(text.contains("Temas: Animales, TTTT"));
  }
}

class ReportStopTest : public ResultsReportTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ReportStopTest, KeyPressAsksWhetherToStop) {
  Print(Many(5), [&] {
    dialogs.answers = {GetParam()};
    // A key waiting when the first row has printed.
    QCoreApplication::postEvent(ui().ComboBox_nombres,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
  });
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "question");
  EXPECT_TRUE(dialogs.messages[0].noDefault);
  EXPECT_EQ(dialogs.messages[0].text, Ansi("\n¿ Detener la impresión de Resultados ?\n"));
  EXPECT_EQ(dialogs.messages[0].caption, "Lurimba");
  // The key stopped at the report: the window did not get it.
  EXPECT_EQ(ui().ComboBox_nombres->currentIndex(), 0);

  const QString text = PdfText(pdf());
  EXPECT_TRUE(text.contains("\n1 (5/Mar/2001) JUGADOR1 "));
  EXPECT_EQ(text.contains("\n2 (5/Mar/2001) JUGADOR2 "), !GetParam());
  EXPECT_EQ(text.contains("\n5 (5/Mar/2001) JUGADOR5 "), !GetParam());
  EXPECT_EQ(text.contains(QString::fromUtf8("------ Impresión detenida -------")), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Answers, ReportStopTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "YesStops" : "NoGoesOn"; });

TEST_F(ResultsReportTest, CancelledPrinterOrFilePrintsNothing) {
  dialogs.filesToOpen = {WriteResults("tres.rlm", Many(2))};
  Session([&] { QTest::mouseClick(ui().Button_imprimir, Qt::LeftButton); });  // no printer
  EXPECT_TRUE(dialogs.fileRequests.empty());
  dialogs.printTo = {pdf()};
  dialogs.filesToOpen = {std::nullopt};
  Session([&] { QTest::mouseClick(ui().Button_imprimir, Qt::LeftButton); });
  EXPECT_FALSE(QFile::exists(pdf()));
  // The file chooser says what the file is chosen for.
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].title, "Imprimir archivo de Resultados");
  EXPECT_EQ(dialogs.fileRequests[0].acceptLabel, "Imprimir");
}
