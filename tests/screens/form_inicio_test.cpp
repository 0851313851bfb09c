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

}  // namespace

class IntroTest : public ::testing::Test {
 protected:
  Ui::TForm_inicio& ui() { return *form->ui(); }
  std::vector<TGIFImage*> Gifs() { return {ui().GIFImage1, ui().GIFImage2, ui().GIFImage3}; }
  // The roll sets the window's outer height, title bar and border included.
  int Height() { return form->frameGeometry().height(); }
  // A window is never lower than its frame and one pixel of client area.
  std::vector<int> Shown(std::vector<int> heights) {
    const int frame = form->frameGeometry().height() - form->height();
    for (int& height : heights)
      height = std::max(height, frame + 1);
    return heights;
  }
  // Heights the window took, tick by tick.
  std::vector<int> Ticks(int count) {
    std::vector<int> heights;
    for (int i = 0; i < count; ++i) {
      form->Timer_inicioTimer();
      heights.push_back(Height());
    }
    return heights;
  }
  void ExpectState(int height, int growing, int phase) {
    EXPECT_EQ(form->introHeight, height);
    EXPECT_EQ(form->introGrowing, growing);
    EXPECT_EQ(form->introPhase, phase);
  }
  void ExpectCastlePage(bool castle) {
    EXPECT_EQ(ui().Image_logotamu->isVisibleTo(form), !castle);
    EXPECT_EQ(ui().Image_castillo->isVisibleTo(form), castle);
    EXPECT_EQ(ui().antLabel1->isVisibleTo(form), castle);
    for (TGIFImage* gif : Gifs()) {
      EXPECT_EQ(gif->Animate(), castle) << gif->objectName().toStdString();
      EXPECT_EQ(gif->isVisibleTo(form), castle) << gif->objectName().toStdString();
    }
  }

  QWidget owner;
  TForm_inicio* form = new TForm_inicio(&owner);
};

std::vector<int> Unrolling() {
  std::vector<int> heights;
  for (int i = 0; i < kRollTicks - 1; ++i)
    heights.push_back(1 + 20 * i);
  heights.push_back(505);
  return heights;
}

std::vector<int> RollingUp() {
  std::vector<int> heights;
  for (int i = 0; i < kRollTicks; ++i)
    heights.push_back(505 - 20 * i);
  return heights;
}

TEST_F(IntroTest, PresentPlacesTheRolledUpWindowInTheCorner) {
  form->Present();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->isModal());
  EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(1, 1));
  EXPECT_EQ(form->frameGeometry().size(), QSize(639, Shown({1})[0]));
  EXPECT_TRUE(form->Timer_inicio.isActive());
  ExpectState(1, 1, 0);
  ExpectCastlePage(false);
  ui().antLabel1->show();
  ui().GIFImage2->SetAnimate(true);
  // Presented again while showing: back to the corner, the pages untouched.
  form->Present();
  EXPECT_EQ(form->frameGeometry().size(), QSize(639, Shown({1})[0]));
  EXPECT_TRUE(ui().antLabel1->isVisibleTo(form));
  EXPECT_TRUE(ui().GIFImage2->Animate());
}

TEST_F(IntroTest, AWholePresentation) {
  form->Present();
  // Phase 1: the logo unrolls and waits.
  EXPECT_EQ(Ticks(kRollTicks), Shown(Unrolling()));
  EXPECT_FALSE(form->Timer_inicio.isActive());
  EXPECT_TRUE(ui().Button_Seguir->isVisible());
  ExpectState(505, 0, 1);
  ExpectCastlePage(false);
  EXPECT_EQ(ui().antLabel1->Caption(), "antLabel1");

  ui().Button_Seguir->click();
  EXPECT_TRUE(ui().antLabel1->Caption().startsWith(kStory));
  EXPECT_TRUE(form->Timer_inicio.isActive());
  EXPECT_FALSE(ui().Button_Seguir->isVisible());

  // Phase 2: it rolls up; at the top the page turns to the castle.
  std::vector<int> heights = Ticks(kRollTicks - 1);
  ExpectState(5, 0, 1);
  ExpectCastlePage(false);
  heights.push_back(Ticks(1).back());
  EXPECT_EQ(heights, RollingUp());
  ExpectState(1, 1, 2);
  ExpectCastlePage(true);
  EXPECT_TRUE(form->Timer_inicio.isActive());
  EXPECT_TRUE(ui().Button_Seguir->isVisible());

  // Phase 3: the castle unrolls and waits.
  EXPECT_EQ(Ticks(kRollTicks), Shown(Unrolling()));
  ExpectState(505, 0, 3);
  EXPECT_FALSE(form->Timer_inicio.isActive());

  // Phase 4: rolled up again, the window hides and everything starts over.
  QTest::keyClick(form, Qt::Key_Return);
  EXPECT_FALSE(ui().Button_Seguir->isVisible());
  EXPECT_TRUE(form->Timer_inicio.isActive());
  std::vector<int> rollingUp = RollingUp();
  rollingUp.pop_back();
  EXPECT_EQ(Ticks(kRollTicks - 1), rollingUp);
  EXPECT_TRUE(form->isVisible());
  form->Timer_inicioTimer();
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(form->Timer_inicio.isActive());
  ExpectState(1, 1, 0);
  ExpectCastlePage(false);
  // "Seguir" stays, so the next presentation shows it from its first roll.
  EXPECT_TRUE(ui().Button_Seguir->isVisibleTo(form));
}

TEST_F(IntroTest, SeguirWhileUnrollingOnlySetsTheStory) {
  form->Present();
  Ticks(kRollTicks);
  ui().Button_Seguir->click();
  Ticks(2 * kRollTicks);
  ui().Button_Seguir->click();
  Ticks(kRollTicks);
  ASSERT_FALSE(form->isVisible());

  form->Present();
  EXPECT_TRUE(ui().Button_Seguir->isVisible());
  Ticks(5);
  ui().antLabel1->SetCaption("antLabel1");
  ui().Button_Seguir->click();
  EXPECT_FALSE(ui().Button_Seguir->isVisible());
  EXPECT_TRUE(ui().antLabel1->Caption().startsWith(kStory));
  ExpectState(101, 1, 0);
  std::vector<int> rest = Unrolling();
  rest.erase(rest.begin(), rest.begin() + 5);
  EXPECT_EQ(Ticks(kRollTicks - 5), rest);
  ExpectState(505, 0, 1);
}

TEST_F(IntroTest, EscapeDoesNothingAndEnterNeedsAVisibleSeguir) {
  form->Present();
  Ticks(3);
  QTest::keyClick(form, Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());
  QTest::keyClick(form, Qt::Key_Return);
  EXPECT_EQ(ui().antLabel1->Caption(), "antLabel1");
  ExpectState(61, 1, 0);
}

struct ClosedCase {
  const char* name;
  int before;   // ticks before "Seguir"
  bool seguir;  // whether it is pressed
  int after;    // ticks after it, before the window is closed
  int height, growing, phase;
  int nextHeight;  // the height the next presentation's first tick gives
};

void PrintTo(const ClosedCase& row, std::ostream* out) {
  *out << row.name;
}

class IntroClosedTest : public IntroTest, public ::testing::WithParamInterface<ClosedCase> {};

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
  ExpectState(c.height, c.growing, c.phase);

  form->Present();
  EXPECT_TRUE(form->Timer_inicio.isActive());
  EXPECT_EQ(Height(), Shown({1})[0]);
  ExpectState(c.height, c.growing, c.phase);
  // The castle's animations and story wait for the next turn of the page.
  for (TGIFImage* gif : Gifs())
    EXPECT_FALSE(gif->Animate());
  EXPECT_FALSE(ui().antLabel1->isVisibleTo(form));
  Ticks(1);
  EXPECT_EQ(Height(), c.nextHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IntroClosedTest,
    ::testing::Values(ClosedCase{"WhileUnrolling", 10, false, 0, 201, 1, 0, 201},
                      ClosedCase{"WhileWaiting", kRollTicks, false, 0, 505, 0, 1, 505},
                      ClosedCase{"WhileRollingUp", kRollTicks, true, 3, 445, 0, 1, 445},
                      ClosedCase{"OnTheCastlePage", kRollTicks, true, kRollTicks + 2, 41, 1, 2, 41},
                      // The castle page waits; the next presentation rolls it up.
                      ClosedCase{"OnTheWaitingCastlePage", kRollTicks, true, 2 * kRollTicks, 505, 0,
                                 3, 505}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IntroTest, PagesFollowTheWindowsWidth) {
  form->Present();
  Ticks(kRollTicks);
  for (QWidget* page : {ui().Image_logotamu, ui().Image_castillo})
    EXPECT_EQ(page->geometry(), QRect(0, 0, form->width(), 480));
}
