// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_draw.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <set>

namespace {

// A draw given the queued numbers, then 0, 1, 2, ...
struct ScriptedDraw {
  WordDraw draw;
  std::deque<int> queued;
  int counter = 0;
  ScriptedDraw() {
    draw.SetRandomSource([this] {
      const int value = queued.empty() ? counter++ : queued.front();
      if (!queued.empty())
        queued.pop_front();
      return value;
    });
  }
  int Draw(std::deque<int> numbers, int wordCount) {
    queued = std::move(numbers);
    return draw.DrawWord(wordCount);
  }
};

TEST(WordDrawTest, TenWordsStartOverAfterSevenDrawsAndAtAReset) {
  ScriptedDraw s;
  for (int k = 1; k <= 6; ++k)
    ASSERT_EQ(s.Draw({k}, 10), k);
  EXPECT_EQ(s.Draw({6, 7}, 10), 7);  // 6 was drawn already: the seventh draw still remembers it
  EXPECT_EQ(s.Draw({7}, 10), 7);     // the eighth draw starts over: the seventh may come again
  EXPECT_EQ(s.Draw({7, 3}, 10), 3);
  s.draw.ResetDraw();
  EXPECT_EQ(s.Draw({3}, 10), 3);
}

TEST(WordDrawTest, NoSlotTwiceBetweenResets) {
  for (int wordCount : {4, 10, 11, 23, 50}) {
    WordDraw draw;
    std::mt19937 generator(wordCount);
    draw.SetRandomSource([&] { return static_cast<int>(generator() & 0x7FFFFFFF); });
    for (int round = 0; round < 5; ++round) {
      std::set<int> drawn;
      for (int i = 0; i < wordCount - 3; ++i) {
        const int k = draw.DrawWord(wordCount);
        EXPECT_TRUE(k >= 1 && k <= wordCount && drawn.insert(k).second) << k << " of " << wordCount;
      }
    }
  }
}

// Every draw value 0..12 once, each on a fresh draw of twelve words: slot 1 comes out
// twice (0 counts as 1). Values past the count wrap round.
TEST(WordDrawTest, DrawValueZeroCountsAsSlotOne) {
  std::multiset<int> slots;
  for (int value : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 + 5}) {
    WordDraw draw;
    draw.SetRandomSource([value] { return value; });
    slots.insert(draw.DrawWord(12));
  }
  EXPECT_EQ(slots, (std::multiset<int>{1, 1, 2, 3, 4, 5, 5, 6, 7, 8, 9, 10, 11, 12}));
}

}  // namespace
