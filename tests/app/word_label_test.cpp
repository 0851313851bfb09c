// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word, the theme and the points: all of each is seen, in the word's own
// font and colour.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include "settings/word_font.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

struct FitCase {
  const char* name;
  QLabel* (*label)(Ui::TForm_juego& ui);
  void (*show)(TForm_juego& window, const std::string& text);
  std::string text;
  bool fitsAsDesigned;  // measured at the design font: shown exactly as it is
  int smallest;         // pixel size the text never goes below
  bool elided;          // too wide even at that size: ends with "…"
};

void PrintTo(const FitCase& row, std::ostream* out) {
  *out << row.name;
}

class FitTest : public WindowTest, public ::testing::WithParamInterface<FitCase> {};

QLabel* Word(Ui::TForm_juego& ui) {
  return ui.Label_palabra;
}
QLabel* Theme(Ui::TForm_juego& ui) {
  return ui.Label_tema;
}
QLabel* Points(Ui::TForm_juego& ui) {
  return ui.Label_puntos;
}
void ShowWord(TForm_juego& w, const std::string& text) {
  w.SetWordText(text);
}
void ShowTheme(TForm_juego& w, const std::string& text) {
  w.SetThemeText(text);
}
void ShowPoints(TForm_juego& w, const std::string& text) {
  w.SetPointsText(text);
}

int Width(const QLabel& label, const QString& text) {
  return QFontMetrics(label.font()).horizontalAdvance(text);
}

// A font chosen as the word's is measured as the word shows it.
TEST_P(FitTest, TextIsWholeWithinItsLabel) {
  const FitCase& row = GetParam();
  QLabel& label = *row.label(*main().ui());
  const QFont design = row.label == Word ? main().ui()->Panel_palabra->font() : label.font();
  const QString text = QString::fromLatin1(row.text.data(), static_cast<int>(row.text.size()));
  // The label as designed: whether the text fits there already.
  EXPECT_EQ(QFontMetrics(design).horizontalAdvance(text) <= label.contentsRect().width(),
            row.fitsAsDesigned);

  row.show(main(), row.text);
  EXPECT_LE(Width(label, label.text()), label.contentsRect().width());
  if (row.fitsAsDesigned) {
    EXPECT_EQ(label.font(), design);
    EXPECT_EQ(label.text(), text);
    return;
  }
  EXPECT_GE(QFontInfo(label.font()).pixelSize(), row.smallest);
  EXPECT_LT(QFontInfo(label.font()).pixelSize(), QFontInfo(design).pixelSize());
  if (row.elided) {
    EXPECT_TRUE(label.text().endsWith(QChar(0x2026))) << label.text().toStdString();
    EXPECT_EQ(QFontInfo(label.font()).pixelSize(), row.smallest);
  } else {
    EXPECT_EQ(label.text(), text);
    // Not smaller than needed: one pixel more would not fit.
    QFont larger = label.font();
    larger.setPixelSize(QFontInfo(label.font()).pixelSize() + 1);
    EXPECT_GT(QFontMetrics(larger).horizontalAdvance(text), label.contentsRect().width());
  }
}

// A theme of 65 characters, the longest a list gives.
const std::string kLongTheme =
    "Tema: ANIMALES DE LA GRANJA, DEL BOSQUE, DEL MAR Y DE LA SELVA TROPICAL";

INSTANTIATE_TEST_SUITE_P(
    Texts, FitTest,
    ::testing::Values(FitCase{"ShortWord", Word, ShowWord, "m u r c i \xE9 l a g o", true, 20,
                              false},
                      FitCase{"ThirtyLetterWord", Word, ShowWord, "ESTERNOCLEIDOMASTOIDEOMUSCULAR",
                              false, 20, false},
                      FitCase{"ShortTheme", Theme, ShowTheme, "Tema: Animales", true, 12, false},
                      FitCase{"LongestTheme", Theme, ShowTheme, kLongTheme, false, 12, false},
                      FitCase{"ThemeOfWideLetters", Theme, ShowTheme,
                              "Tema: " + std::string(65, 'W'), false, 12, true},
                      FitCase{"FewPoints", Points, ShowPoints, "0 / 0", true, 14, false},
                      FitCase{"ManyPoints", Points, ShowPoints, "1250 / 10400", false, 14, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A new word font brings back the word's full size when it fits again.
TEST_F(WindowTest, AShrunkWordGrowsBackForAShortOne) {
  StartUp();
  QLabel& word = *main().ui()->Label_palabra;
  main().SetWordText("ESTERNOCLEIDOMASTOIDEOMUSCULAR");
  EXPECT_NE(word.font(), main().ui()->Panel_palabra->font());
  main().SetWordText("sol");
  EXPECT_EQ(word.font(), main().ui()->Panel_palabra->font());
}

// The right press on the word asks its font, then its colour; the wrong letters take the
// font's name only.
struct ColourCase {
  const char* name;
  std::optional<QColor> chosen;  // nullopt: the colour dialog cancelled
  QColor shown;
};

void PrintTo(const ColourCase& row, std::ostream* out) {
  *out << row.name;
}

class WordColourTest : public WindowTest, public ::testing::WithParamInterface<ColourCase> {};

int PixelsOf(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      count += image.pixelColor(x, y).rgb() == colour.rgb();
  }
  return count;
}

TEST_P(WordColourTest, TheWholeFontOfTheWordIsChosen) {
  StartUp();
  QFont chosen("Liberation Serif", 26);
  chosen.setBold(true);
  dialogs.fonts = {chosen};
  dialogs.colours = {GetParam().chosen};
  QLabel& word = *main().ui()->Label_palabra;
  QTest::mouseClick(&word, Qt::LeftButton);  // only the right button acts
  EXPECT_TRUE(dialogs.fontAndColourTitles.isEmpty());
  QTest::mouseClick(&word, Qt::RightButton);
  EXPECT_EQ(dialogs.fontAndColourTitles.join(" | ").toStdString(),
            "Tipo de letra de la palabra | Color de la palabra");
  const WordFont& stored = game().settings().wordFont;
  EXPECT_EQ(stored.name, "Liberation Serif");
  EXPECT_EQ(stored.pointSize, 26);
  EXPECT_EQ(stored.style, kFontBold);
  EXPECT_EQ(stored.colour, ToColourRef(GetParam().shown));
  EXPECT_EQ(word.font().family(), "Liberation Serif");
  EXPECT_EQ(word.font().pointSize(), 26);
  const QFont letter = main().ui()->Label_letrafallo3->font();
  EXPECT_EQ(letter.family(), "Liberation Serif");
  EXPECT_NE(letter.pointSize(), 26);
  EXPECT_EQ(word.palette().color(QPalette::WindowText), GetParam().shown);
  // The letters are drawn in it.
  EXPECT_GT(PixelsOf(word.grab().toImage(), GetParam().shown), 20);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, WordColourTest,
    ::testing::Values(ColourCase{"Orange", QColor(255, 140, 0), QColor(255, 140, 0)},
                      ColourCase{"CancelledKeepsWhite", std::nullopt, QColor(255, 255, 255)}),
    [](const auto& info) { return std::string(info.param.name); });

// Every hint of every window, also one given after start-up (the theme's file
// name), stays five seconds.
TEST_F(WindowTest, EveryHintStaysFiveSeconds) {
  StartUp();
  dialogs.filesToOpen = {(folder.path() + "/archivos/animales.lma").toStdString()};
  main().M_LeerpalabrasdearchivoClick();
  ASSERT_FALSE(main().ui()->Label_tema->toolTip().isEmpty());
  for (QWidget* widget : main().findChildren<QWidget*>()) {
    if (!widget->toolTip().isEmpty()) {
      EXPECT_EQ(widget->toolTipDuration(), 5000)
          << widget->metaObject()->className() << " " << widget->toolTip().toStdString();
    }
  }
}

}  // namespace
