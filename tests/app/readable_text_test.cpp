// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hint and the counters' captions stand on the background itself: over every
// background the game ships they must stand out as well as printed text does.
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "settings/background.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

double Luminance(QRgb colour) {
  const auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
         0.0722 * linear(qBlue(colour));
}

// The contrast of `text` against what lies around its letters within `area`.
double Contrast(const QImage& shown, const QRect& area, QColor text) {
  double sum = 0;
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = shown.pixelColor(x, y);
      if (std::abs(c.red() - text.red()) + std::abs(c.green() - text.green()) +
              std::abs(c.blue() - text.blue()) >
          150) {
        sum += Luminance(c.rgb());
        ++count;
      }
    }
  }
  const double around = sum / std::max(count, 1);
  const double letters = Luminance(text.rgb());
  return (std::max(around, letters) + 0.05) / (std::min(around, letters) + 0.05);
}

class ReadableTextTest : public WindowTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(ReadableTextTest, HintAndCaptionsStandOut) {
  StartUp({"ANA"});
  Background& background = main().background();
  const QString file = QString::fromStdString(GetParam());
  ASSERT_TRUE(file.startsWith("fondos") ? background.ApplyPicture(file)
                                        : background.ApplyTexture(file));
  const QImage shown = main().grab().toImage();
  const Ui::TForm_juego& ui = *main().ui();
  const QLabel& hint = *ui.Label_pista;
  const QRect letters = hint.style()->itemTextRect(hint.fontMetrics(), hint.contentsRect(),
                                                   int(hint.alignment()), true, hint.text());
  EXPECT_GE(Contrast(shown, letters.translated(hint.mapTo(&main(), QPoint())),
                     hint.palette().color(QPalette::WindowText)),
            4.5)
      << "the hint";
  for (const QGroupBox* box : {ui.GroupBox_oportunidades, ui.GroupBox_puntos}) {
    const QRect caption(box->mapTo(&main(), QPoint()),
                        QSize(box->width(), box->fontMetrics().height()));
    EXPECT_GE(Contrast(shown, caption, box->palette().color(QPalette::WindowText)), 4.5)
        << qPrintable(box->title());
  }
}

std::vector<std::string> ShippedBackgrounds() {
  std::vector<std::string> files;
  for (const QString& kind : {"fondos", "texturas"}) {
    for (const QString& name : QDir(QStringLiteral(DATA_DIR "/") + kind).entryList(QDir::Files))
      files.push_back((kind + "/" + name).toStdString());
  }
  return files;
}

INSTANTIATE_TEST_SUITE_P(Shipped, ReadableTextTest, ::testing::ValuesIn(ShippedBackgrounds()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace_if(
                               name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                               '_');
                           return name;
                         });

}  // namespace
