// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each pupil's progress: the tab, its chart, the printed pages and the spreadsheet as
// LibreOffice reads it.
#include "docentix/progress_tab.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "docentix/progress_chart.h"
#include "docentix/results_tab.h"
#include "files.h"
#include "support/pdf_text.h"
#include "support/window_fixture.h"

namespace {

class ProgressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // MARÍA played in both classes' files, on two dates; LUCAS once.
    Write(dir.filePath("clase-a.rlm"), ResultsBytes({{"MAR\xD6"
                                                      "A",
                                                      "Animales", 2001, 5, 3, 1},
                                                     {"LUCAS", "Animales", 2001, 5, 3, 40}}));
    Write(dir.filePath("clase-b.rlm"), ResultsBytes({{"MAR\xD6"
                                                      "A",
                                                      "Frutas", 2001, 12, 4, 2}}));
    progress.resize(1000, 600);
    progress.show();
    ASSERT_TRUE(results.OpenFiles({dir.filePath("clase-a.rlm"), dir.filePath("clase-b.rlm")}));
  }

  QPushButton* Button(const QString& text) const {
    for (QPushButton* button : results.findChildren<QPushButton*>())
      if (button->text() == text)
        return button;
    return nullptr;
  }

  // A row of the progress table, its cells joined by "|".
  QString TableRow(int row) const {
    QStringList cells;
    for (int column = 0; column < progress.table()->columnCount(); ++column)
      cells << progress.table()->item(row, column)->text();
    return cells.join('|');
  }

  QTemporaryDir dir;
  ScriptedDialogs dialogs;
  ResultsTab results{dir.path(), dialogs};
  ProgressTab progress{results};
};

// Chosen with the keys, or narrowed by the name filter of the results: the pupil's table
// (solved i = base + i, failed i = base + 10 + i, totals base + 100 and base + 200) and
// the chart of their sessions, both colours drawn.
struct PupilCase {
  const char* name;
  const char* typed;  // in the results tab's name filter
  int downs;          // arrow-key presses on the pupil list
  const char *pupils, *first, *total;
  int sessions;
};

class ProgressTabTest : public ProgressTest, public ::testing::WithParamInterface<PupilCase> {};

TEST_P(ProgressTabTest, ShowsTheChosenPupil) {
  const PupilCase& c = GetParam();
  results.nameFilter()->setFocus();
  QTest::keyClicks(results.nameFilter(), c.typed);
  progress.pupilChooser()->setFocus();
  for (int down = 0; down < c.downs; ++down)
    QTest::keyClick(progress.pupilChooser(), Qt::Key_Down);
  QStringList pupils;
  for (int index = 0; index < progress.pupilChooser()->count(); ++index)
    pupils << progress.pupilChooser()->itemText(index);
  EXPECT_EQ(pupils.join(", ").toStdString(), c.pupils);
  EXPECT_EQ(TableRow(0).toStdString(), c.first);
  EXPECT_EQ(TableRow(kModeCount).toStdString(), c.total);

  ASSERT_TRUE(progress.chart()->Pupil());
  EXPECT_EQ(int(progress.chart()->Pupil()->sessions.size()), c.sessions);
  const QImage chart = progress.chart()->grab().toImage();
  int solved = 0, failed = 0;
  for (int y = 0; y < chart.height(); ++y)
    for (int x = 0; x < chart.width(); ++x) {
      solved += chart.pixelColor(x, y) == kChartSolvedColour;
      failed += chart.pixelColor(x, y) == kChartFailedColour;
    }
  // A legend box and a bar per session of each colour; the failed bars are the taller.
  EXPECT_GT(solved, 200 * c.sessions);
  EXPECT_GT(failed, solved);
}

INSTANTIATE_TEST_SUITE_P(Pupils, ProgressTabTest,
                         ::testing::Values(PupilCase{"TwoFilesTwoSessions", "", 1, "LUCAS, MARÍA",
                                                     "Ocultar sólo vocales|3|23|12 %",
                                                     "Todos los modos|203|403|33 %", 2},
                                           PupilCase{"NarrowedByTheFilter", "luc", 0, "LUCAS",
                                                     "Ocultar sólo vocales|40|50|44 %",
                                                     "Todos los modos|140|240|37 %", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgressTest, PrintedReportEndsWithAPageForEachPupil) {
  const QString pdf = dir.filePath("informe.pdf");
  dialogs.printTo = {pdf};
  QTest::mouseClick(Button("Imprimir..."), Qt::LeftButton);
  ASSERT_EQ(PdfPages(pdf), 3);
  const QString maria = PdfText(pdf, 3);
  for (const char* text : {"Progreso de MARÍA", "2 sesiones, del 05/03/2001 al 12/04/2001",
                           "Ocultar sólo vocales 3 23 12 %", "Todos los modos 203 403 33 %",
                           "Palabras por sesión", "Fecha de la sesión"})
    EXPECT_TRUE(maria.contains(QString::fromUtf8(text))) << text << "\n" << maria.toStdString();
  EXPECT_TRUE(PdfText(pdf, 2).contains("Progreso de LUCAS"));
}

// LibreOffice Calc reads every sheet of the exported spreadsheet, accents, numbers,
// percentages and dates as they are meant.
TEST_F(ProgressTest, CalcReadsTheSpreadsheetAsItIs) {
  const QString soffice = QStandardPaths::findExecutable("soffice");
  if (soffice.isEmpty())
    GTEST_SKIP() << "LibreOffice (soffice) is not installed: make test installs it";
  dialogs.filesToSave = {dir.filePath("clase.fods").toStdString()};
  QTest::mouseClick(Button("Exportar..."), Qt::LeftButton);
  ASSERT_TRUE(dialogs.messages.empty());

  // Every sheet to a CSV file of its own, in UTF-8, text cells quoted, values as stored (a
  // date unquoted, as the profile's language writes dates), with a profile of its own.
  QProcess calc;
  calc.start(soffice,
             {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("perfil")).toString(),
              "--headless", "--convert-to",
              "csv:Text - txt - csv (StarCalc):59,34,76,1,,0,true,true,false,false,false,-1",
              "--outdir", dir.filePath("csv"), dir.filePath("clase.fods")});
  ASSERT_TRUE(calc.waitForFinished(120000)) << "LibreOffice took more than two minutes";
  const auto line = [&](const char* sheet, int row) {
    const QStringList lines =
        QString::fromUtf8(Read(dir.filePath("csv/clase-%1.csv").arg(sheet))).split('\n');
    return lines.value(row);
  };
  // The whole line is `pattern`.
  const auto matches = [](const QString& text, const char* pattern) {
    return QRegularExpression(QString::fromUtf8("^(%1)$").arg(pattern)).match(text).hasMatch();
  };
  EXPECT_TRUE(matches(line("Resultados", 1),
                      "\"clase-a.rlm\";\"MARÍA\";\"Animales\";[0-9/.-]+;"
                      "1;2;3;4;5;6;101;11;12;13;14;15;16;201"))
      << line("Resultados", 1).toStdString();
  EXPECT_EQ(line("Progreso", 14), QString::fromUtf8("\"MARÍA\";\"Todos los modos\";203;403;33%"));
  EXPECT_TRUE(matches(line("Sesiones", 3), "\"MARÍA\";[0-9/.-]+;1;102;202"))
      << line("Sesiones", 3).toStdString();
}

}  // namespace
