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
  QLabel* Ui::TForm_juego::*label;
  void (TForm_juego::*show)(const std::string& text);
  std::string text;
  bool fitsAsDesigned;  // measured at the design font: shown exactly as it is
  int smallest;         // pixel size the text never goes below
  bool elided;          // too wide even at that size: ends with "…"
};

class FitTest : public WindowTest, public ::testing::WithParamInterface<FitCase> {};

int PixelSize(const QFont& font) {
  return QFontInfo(font).pixelSize();
}

// A font chosen as the word's is measured as the word shows it.
TEST_P(FitTest, TextIsWholeWithinItsLabel) {
  const FitCase& row = GetParam();
  QLabel& label = *(main().ui()->*row.label);
  const bool word = &label == main().ui()->Label_palabra;
  const QFont design = word ? main().ui()->Panel_palabra->font() : label.font();
  const QString text = QString::fromLatin1(row.text.data(), static_cast<int>(row.text.size()));
  const int room = label.contentsRect().width();
  // The label as designed: whether the text fits there already.
  EXPECT_EQ(QFontMetrics(design).horizontalAdvance(text) <= room, row.fitsAsDesigned);

  (main().*row.show)(row.text);
  EXPECT_LE(QFontMetrics(label.font()).horizontalAdvance(label.text()), room);
  if (row.fitsAsDesigned) {
    EXPECT_EQ(label.font(), design);
    EXPECT_EQ(label.text(), text);
    return;
  }
  EXPECT_LT(PixelSize(label.font()), PixelSize(design));
  if (row.elided) {
    EXPECT_TRUE(label.text().endsWith(QChar(0x2026))) << label.text().toStdString();
    EXPECT_EQ(PixelSize(label.font()), row.smallest);
  } else {
    EXPECT_EQ(label.text(), text);
    EXPECT_GE(PixelSize(label.font()), row.smallest);
    // Not smaller than needed: one pixel more would not fit.
    QFont larger = label.font();
    larger.setPixelSize(PixelSize(label.font()) + 1);
    EXPECT_GT(QFontMetrics(larger).horizontalAdvance(text), room);
  }
}

using Ui::TForm_juego;
constexpr auto kWord = &TForm_juego::Label_palabra;
constexpr auto kTheme = &TForm_juego::Label_tema;
constexpr auto kPoints = &TForm_juego::Label_puntos;
constexpr auto kShowWord = &::TForm_juego::SetWordText;
constexpr auto kShowTheme = &::TForm_juego::SetThemeText;
constexpr auto kShowPoints = &::TForm_juego::SetPointsText;

// A theme of 65 characters is the longest a list gives.
INSTANTIATE_TEST_SUITE_P(
    Texts, FitTest,
    ::testing::Values(
        FitCase{"ShortWord", kWord, kShowWord, "m u r c i \xE9 l a g o", true, 20, false},
        FitCase{"ThirtyLetterWord", kWord, kShowWord, "ESTERNOCLEIDOMASTOIDEOMUSCULAR", false, 20,
                false},
        FitCase{"LongestTheme", kTheme, kShowTheme,
                "Tema: ANIMALES DE LA GRANJA, DEL BOSQUE, DEL MAR Y DE LA SELVA TROPICAL", false,
                12, false},
        FitCase{"ThemeOfWideLetters", kTheme, kShowTheme, "Tema: " + std::string(65, 'W'), false,
                12, true},
        FitCase{"ManyPoints", kPoints, kShowPoints, "1250 / 10400", false, 14, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A shrunk word grows back to its full size for a word that fits again.
TEST_F(WindowTest, AShrunkWordGrowsBackForAShortOne) {
  StartUp();
  main().SetWordText("ESTERNOCLEIDOMASTOIDEOMUSCULAR");
  EXPECT_NE(main().ui()->Label_palabra->font(), main().ui()->Panel_palabra->font());
  main().SetWordText("sol");
  EXPECT_EQ(main().ui()->Label_palabra->font(), main().ui()->Panel_palabra->font());
}

// The right press on the word asks its font, then its colour; the wrong letters take the
// font's name only.
struct ColourCase {
  const char* name;
  std::optional<QColor> chosen;  // nullopt: the colour dialog cancelled
  QColor shown;
};

class WordColourTest : public WindowTest, public ::testing::WithParamInterface<ColourCase> {};

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
  EXPECT_EQ(game().settings().wordFont,
            (WordFont{"Liberation Serif", kFontBold, 26, ToColourRef(GetParam().shown)}));
  EXPECT_EQ(word.font().family() + QString::number(word.font().pointSize()), "Liberation Serif26");
  const QFont letter = main().ui()->Label_letrafallo3->font();
  EXPECT_EQ(letter.family(), "Liberation Serif");
  EXPECT_NE(letter.pointSize(), 26);
  EXPECT_EQ(word.palette().color(QPalette::WindowText), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, WordColourTest,
    ::testing::Values(ColourCase{"Orange", QColor(255, 140, 0), QColor(255, 140, 0)},
                      ColourCase{"CancelledKeepsWhite", std::nullopt, QColor(255, 255, 255)}),
    [](const auto& info) { return std::string(info.param.name); });

// Another list read shows its theme, and its file's name as the theme's hint. Every hint of
// every window, that one too, stays five seconds.
TEST_F(WindowTest, ReadingAnotherListChangesThemeAndHint) {
  StartUp();
  const std::string path = (folder.path() + "/archivos/animales.lma").toStdString();
  dialogs.filesToOpen = {path};
  main().M_LeerpalabrasdearchivoClick();
  ASSERT_EQ(dialogs.fileRequests.size(), 1u);
  EXPECT_EQ(dialogs.fileRequests[0].pattern, folder.path().toStdString() + "/archivos/*.lma");
  EXPECT_EQ(main().ui()->Label_tema->text(), "Tema: Animales");
  EXPECT_EQ(main().ui()->Label_tema->toolTip(), QString::fromStdString(path));
  EXPECT_EQ(main().ui()->ListBox_temas->count(), 2);
  EXPECT_TRUE(dialogs.messages.empty());
  for (QWidget* widget : main().findChildren<QWidget*>()) {
    if (!widget->toolTip().isEmpty()) {
      EXPECT_EQ(widget->toolTipDuration(), 5000) << widget->toolTip().toStdString();
    }
  }
}

}  // namespace
