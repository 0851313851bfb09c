// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_draw.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <random>
#include <set>

namespace {

// Gives the queued numbers, then 0, 1, 2, ...
struct Script {
  std::deque<int> queued;
  int counter = 0;
  int Next() {
    if (queued.empty())
      return counter++;
    const int value = queued.front();
    queued.pop_front();
    return value;
  }
};

TEST(WordDrawTest, TenWordsStartOverAfterSevenDraws) {
  WordDraw draw;
  Script script;
  draw.SetRandomSource([&] { return script.Next(); });
  for (int k = 1; k <= 6; ++k) {
    script.queued = {k};
    ASSERT_EQ(draw.DrawWord(10), k);
  }
  script.queued = {6, 7};  // 6 was drawn already: the seventh draw still remembers it
  EXPECT_EQ(draw.DrawWord(10), 7);
  script.queued = {7};  // the eighth draw starts over: the seventh word may come again
  EXPECT_EQ(draw.DrawWord(10), 7);
  script.queued = {7, 3};
  EXPECT_EQ(draw.DrawWord(10), 3);
}

TEST(WordDrawTest, ResetMakesEverySlotDrawable) {
  WordDraw draw;
  Script script{{4, 4, 5}};
  draw.SetRandomSource([&] { return script.Next(); });
  EXPECT_EQ(draw.DrawWord(20), 4);
  EXPECT_EQ(draw.DrawWord(20), 5);
  draw.ResetDraw();
  script.queued = {4};
  EXPECT_EQ(draw.DrawWord(20), 4);
}

TEST(WordDrawTest, NoSlotTwiceBetweenResets) {
  for (int wordCount : {4, 10, 11, 23, 50}) {
    SCOPED_TRACE(wordCount);
    WordDraw draw;
    std::mt19937 generator(wordCount);
    draw.SetRandomSource([&] { return static_cast<int>(generator() & 0x7FFFFFFF); });
    const int block = wordCount - 3;
    for (int round = 0; round < 5; ++round) {
      std::set<int> drawn;
      for (int i = 0; i < block; ++i) {
        const int k = draw.DrawWord(wordCount);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, wordCount);
        EXPECT_TRUE(drawn.insert(k).second) << "slot " << k << " drawn twice";
      }
    }
  }
}

TEST(WordDrawTest, DrawValueZeroCountsAsSlotOne) {
  // Every draw value 0..wordCount once, each on a fresh draw: slot 1 comes out twice.
  const int wordCount = 12;
  std::map<int, int> times;
  for (int r = 0; r <= wordCount; ++r) {
    WordDraw draw;
    draw.SetRandomSource([r] { return r; });
    ++times[draw.DrawWord(wordCount)];
  }
  // Values past the count wrap round: wordCount + 1 + 5 draws slot 5.
  WordDraw draw;
  draw.SetRandomSource([] { return 13 + 5; });
  EXPECT_EQ(draw.DrawWord(wordCount), 5);
  EXPECT_EQ(times[1], 2);
  for (int k = 2; k <= wordCount; ++k)
    EXPECT_EQ(times[k], 1) << "slot " << k;
}

}  // namespace
