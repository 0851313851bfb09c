// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feedback.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Which of the first three decorations show (1 a shown one, 0 not) and where the fourth is.
std::string Shown(const DecorationScene& s) {
  return std::to_string(s.showFirst) + std::to_string(s.showSecond) + std::to_string(s.showThird) +
         " " + std::to_string(s.fourthLeft);
}

TEST(FeedbackTest, CleanSolvesCycleTheSevenScenes) {
  const std::string expected[] = {"100 450", "010 430", "001 380", "110 430",
                                  "011 380", "101 400", "111 380"};
  int scene = 1;  // the first scene of a run
  for (int solve = 0; solve < 15; ++solve) {
    EXPECT_EQ(Shown(SceneFor(scene)), expected[solve % kSceneCount]) << "solve " << solve + 1;
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
  int failureCount = 0;
  for (int failure = 1; failure <= 13; ++failure) {
    const DialogText text = FailedText(failureCount);
    const bool isLong = failure % 6 == 0;
    EXPECT_EQ(text.text,
              isLong ? "¡ Estás fallando mucho !\n\nSigue probando\npero debes pensar mejor."
                     : "¡¡ Has fallado !!\nPrueba con otra palabra")
        << failure;
    EXPECT_EQ(text.layout, isLong ? DialogLayout::Long : DialogLayout::Short) << failure;
    EXPECT_EQ(failureCount, failure % 6);
  }
}

}  // namespace
