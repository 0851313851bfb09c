// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The introduction window: a whole presentation tick by tick, and
// what a closed or finished presentation leaves for the next one.
#include "screens/form_inicio.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "controls/ant_label.h"
#include "controls/gif_image.h"
#include "support/window_fixture.h"
#include "ui_form_inicio.h"

namespace {

// The story's first words: "Seguir" puts the story in the label.
const QString kStory = "Bienvenido al juego de las LURIMBA.";
constexpr int kRollTicks = 26;

class IntroTest : public ::testing::Test {
 protected:
  Ui::TForm_inicio& ui() { return *form->ui(); }
  // The outer heights the window took, tick by tick (a window is never lower than its
  // frame and one pixel of client area).
  std::vector<int> Ticks(int count) {
    std::vector<int> heights;
    for (int i = 0; i < count; ++i) {
      form->Timer_inicioTimer();
      heights.push_back(form->frameGeometry().height());
    }
    return heights;
  }
  int Lowest() { return form->frameGeometry().height() - form->height() + 1; }
  // The heights of a roll from `from` in steps of `step`.
  std::vector<int> Roll(int from, int step, int count, int last) {
    std::vector<int> heights;
    for (int i = 0; i < count - 1; ++i)
      heights.push_back(std::max(from + step * i, Lowest()));
    heights.push_back(std::max(last, Lowest()));
    return heights;
  }
  std::string Rolling() {
    return std::to_string(form->introHeight) + " " + std::to_string(form->introGrowing) + " " +
           std::to_string(form->introPhase);
  }
  // The roll's state and what the page shows: the castle with its animations, or the logo.
  std::string State() {
    std::string state = Rolling() + " ";
    state += ui().Image_logotamu->isVisibleTo(form) ? "logo" : "";
    state += ui().Image_castillo->isVisibleTo(form) ? "castle" : "";
    state += ui().antLabel1->isVisibleTo(form) ? " story" : "";
    for (TGIFImage* gif : {ui().GIFImage1, ui().GIFImage2, ui().GIFImage3})
      state += std::string(gif->Animate() ? " moving" : "") + (gif->isVisibleTo(form) ? "+" : "");
    return state;
  }

  QWidget owner;
  TForm_inicio* form = new TForm_inicio(&owner);
};

TEST_F(IntroTest, AWholePresentation) {
  form->Present();
  // Rolled up in the corner, not modal.
  EXPECT_FALSE(form->isModal());
  EXPECT_EQ(form->frameGeometry(), QRect(QPoint(1, 1), QSize(639, Lowest())));
  EXPECT_TRUE(form->Timer_inicio.isActive());
  EXPECT_EQ(State(), "1 1 0 logo");
  // Esc does nothing; Enter does not reach "Seguir" while the logo unrolls.
  QTest::keyClick(form, Qt::Key_Escape);
  QTest::keyClick(form, Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  // Phase 1: the logo unrolls and waits, as wide as the window.
  EXPECT_EQ(Ticks(kRollTicks), Roll(1, 20, kRollTicks, 505));
  EXPECT_FALSE(form->Timer_inicio.isActive());
  EXPECT_TRUE(ui().Button_Seguir->isVisible());
  EXPECT_EQ(State(), "505 0 1 logo");
  EXPECT_EQ(ui().antLabel1->Caption(), "antLabel1");
  for (QWidget* page : {ui().Image_logotamu, ui().Image_castillo})
    EXPECT_EQ(page->geometry(), QRect(0, 0, form->width(), 480));

  ui().Button_Seguir->click();
  EXPECT_TRUE(ui().antLabel1->Caption().startsWith(kStory));
  EXPECT_TRUE(form->Timer_inicio.isActive());
  EXPECT_FALSE(ui().Button_Seguir->isVisible());

  // Phase 2: it rolls up; at the top the page turns to the castle.
  std::vector<int> heights = Ticks(kRollTicks - 1);
  EXPECT_EQ(State(), "5 0 1 logo");
  heights.push_back(Ticks(1).back());
  EXPECT_EQ(heights, Roll(505, -20, kRollTicks, 5));
  EXPECT_EQ(State(), "1 1 2 castle story moving+ moving+ moving+");
  EXPECT_TRUE(form->Timer_inicio.isActive());
  EXPECT_TRUE(ui().Button_Seguir->isVisible());

  // Phase 3: the castle unrolls and waits.
  EXPECT_EQ(Ticks(kRollTicks), Roll(1, 20, kRollTicks, 505));
  EXPECT_EQ(State(), "505 0 3 castle story moving+ moving+ moving+");
  EXPECT_FALSE(form->Timer_inicio.isActive());
  // Minimised and restored, the window is not presented again.
  EXPECT_GE(MinimiseAndRestore(*form), 1);
  EXPECT_EQ(State(), "505 0 3 castle story moving+ moving+ moving+");
  EXPECT_FALSE(form->Timer_inicio.isActive());

  // Phase 4: rolled up again, the window hides and everything starts over.
  QTest::keyClick(form, Qt::Key_Return);
  EXPECT_FALSE(ui().Button_Seguir->isVisible());
  EXPECT_EQ(Ticks(kRollTicks - 1), Roll(505, -20, kRollTicks - 1, 25));
  EXPECT_TRUE(form->isVisible());
  form->Timer_inicioTimer();
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer_inicio.isActive());
  EXPECT_EQ(State(), "1 1 0 logo");
  // "Seguir" stays, so the next presentation shows it from its first roll.
  EXPECT_TRUE(ui().Button_Seguir->isVisibleTo(form));
}

struct ClosedCase {
  const char* name;
  int before;         // ticks before "Seguir"
  bool seguir;        // whether it is pressed
  int after;          // ticks after it, before the window is closed
  const char* state;  // the roll's state the window keeps
};

class IntroClosedTest : public IntroTest, public ::testing::WithParamInterface<ClosedCase> {};

// The next presentation goes on from where the closed one was, rolled up, with the castle's
// animations and story waiting for the next turn of the page.
TEST_P(IntroClosedTest, NextPresentationGoesOnFromAClosedWindow) {
  const ClosedCase c = GetParam();
  form->Present();
  Ticks(c.before);
  if (c.seguir)
    ui().Button_Seguir->click();
  Ticks(c.after);
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer_inicio.isActive());
  EXPECT_EQ(Rolling(), c.state);

  form->Present();
  EXPECT_TRUE(form->Timer_inicio.isActive());
  EXPECT_EQ(form->frameGeometry().height(), Lowest());
  EXPECT_EQ(Rolling(), c.state);
  EXPECT_EQ(State().find("story"), std::string::npos);
  EXPECT_EQ(State().find("moving"), std::string::npos);
  EXPECT_EQ(Ticks(1).back(), std::stoi(c.state));
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntroClosedTest,
    ::testing::Values(ClosedCase{"WhileUnrolling", 10, false, 0, "201 1 0"},
                      ClosedCase{"WhileRollingUp", kRollTicks, true, 3, "445 0 1"},
                      // The castle page waits; the next presentation rolls it up.
                      ClosedCase{"OnTheWaitingCastlePage", kRollTicks, true, 2 * kRollTicks,
                                 "505 0 3"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
