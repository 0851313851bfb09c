// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word font and colours between the settings and the widgets.
#include "settings/word_font.h"

#include <gtest/gtest.h>

// The design's font, bold and underlined, every style, plain.
TEST(WordFontTest, GoesToTheWidgetAndBackUnchanged) {
  for (const WordFont& font :
       {WordFont{}, WordFont{"Arial", kFontBold | kFontUnderline, 26, 0xFF},
        WordFont{"Liberation Serif", kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut, 12,
                 0x00595900},
        WordFont{"Arial", 0, 48, 0x00FFFFFF}}) {
    const QFont shown = ToQFont(font, QFont("Arial", 9));
    EXPECT_EQ(shown.pointSize(), font.pointSize) << font.name;
    EXPECT_EQ(FromQFont(shown, FromColourRef(font.colour)), font);
  }
}

TEST(WordFontTest, ASizeOfZeroOrLessKeepsTheWidgetsSize) {
  EXPECT_EQ(ToQFont({"Arial", 0, 0, 0}, QFont("Arial", 17)).pointSize(), 17);
  EXPECT_EQ(ToQFont({"Arial", 0, -5, 0}, QFont("Arial", 17)).pointSize(), 17);
}

// The word display's design font is 40 pixels high: 30 points at 96 dots per inch.
TEST(WordFontTest, AFontInPixelsIsStoredInPoints) {
  QFont font("Times New Roman");
  font.setPixelSize(40);
  EXPECT_EQ(FromQFont(font, Qt::white).pointSize, 30);
}

TEST(WordFontTest, ColoursAreKeptAsBlueGreenRed) {
  EXPECT_EQ(ToColourRef(QColor(0, 89, 89)), 0x00595900u);
  EXPECT_EQ(ToColourRef(QColor(255, 0, 0)), 0x000000FFu);
  EXPECT_EQ(FromColourRef(0x00D26900), QColor(0, 105, 210));
}
