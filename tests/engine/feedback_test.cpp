// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feedback.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FeedbackTest, CleanSolvesCycleTheSevenScenes) {
  struct Scene {
    bool first, second, third;
    int fourthLeft;
  };
  const Scene expected[] = {{true, false, false, 450}, {false, true, false, 430},
                            {false, false, true, 380}, {true, true, false, 430},
                            {false, true, true, 380},  {true, false, true, 400},
                            {true, true, true, 380}};
  int scene = 1;  // the first scene of a run
  for (int solve = 0; solve < 15; ++solve) {
    const Scene& want = expected[solve % kSceneCount];
    SCOPED_TRACE(testing::Message() << "solve " << solve + 1 << ", scene " << scene);
    ASSERT_EQ(scene, solve % kSceneCount + 1);
    const DecorationScene got = SceneFor(scene);
    EXPECT_EQ(got.showFirst, want.first);
    EXPECT_EQ(got.showSecond, want.second);
    EXPECT_EQ(got.showThird, want.third);
    EXPECT_EQ(got.fourthLeft, want.fourthLeft);
    scene = NextScene(scene);
  }
}

TEST(FeedbackTest, SolvedTexts) {
  const DialogText afterFailures = SolvedText(false, true);
  EXPECT_EQ(afterFailures.text, "Has acertado,\npero no puedes pasar");
  EXPECT_EQ(afterFailures.layout, DialogLayout::Short);
  EXPECT_EQ(SolvedText(false, false).text, afterFailures.text);
  const DialogText withPuzzle = SolvedText(true, true);
  EXPECT_EQ(withPuzzle.text, "¡¡ HURRA !!\nAcertaste sin errores y puedes pasar");
  EXPECT_EQ(withPuzzle.layout, DialogLayout::Short);
  const DialogText withoutPuzzle = SolvedText(true, false);
  EXPECT_EQ(withoutPuzzle.text, "¡¡ HURRA !!\n\nAcertaste\nsin errores\ny puedes pasar");
  EXPECT_EQ(withoutPuzzle.layout, DialogLayout::Long);
}

TEST(FeedbackTest, EverySixthFailureGetsTheLongText) {
  const std::string shortText = "¡¡ Has fallado !!\nPrueba con otra palabra";
  const std::string longText =
      "¡ Estás fallando mucho !\n\nSigue probando\npero debes pensar mejor.";
  int failureCount = 0;
  for (int failure = 1; failure <= 13; ++failure) {
    SCOPED_TRACE(failure);
    const DialogText text = FailedText(failureCount);
    const bool isLong = failure % 6 == 0;
    EXPECT_EQ(text.text, isLong ? longText : shortText);
    EXPECT_EQ(text.layout, isLong ? DialogLayout::Long : DialogLayout::Short);
    EXPECT_EQ(failureCount, failure % 6);
  }
}

}  // namespace
