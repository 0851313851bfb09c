// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hide_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "charset.h"

namespace {

// "c.s." -> "c . s . ": every character of the mask followed by one space.
std::string Spaced(const std::string& mask) {
  std::string text;
  for (char c : mask)
    text += std::string(1, c) + " ";
  return text;
}

WordEntry Entry(const std::string& raw) {
  WordEntry entry{raw, "", ""};
  for (char c : raw) {
    if (c != '/')
      entry.word += c;
  }
  return entry;
}

struct HideCase {
  int mode;
  std::string raw;     // as written in the list
  std::string shown;   // the mask of displayText
  std::string hidden;  // hiddenLetters in word order
  int findable;
  bool toggleBefore = false, toggleAfter = false;
  int counterBefore = 0, counterAfter = 0;
};

class HideRulesTest : public testing::TestWithParam<HideCase> {};

// The word in a test's name: its plain letters, the rest as "x".
std::string TestName(const std::string& word) {
  std::string name;
  for (char c : word)
    name += (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ? c : 'x';
  return name;
}

TEST_P(HideRulesTest, BuildsTheWordShown) {
  const HideCase& c = GetParam();
  GameState state;
  state.easyToggle = c.toggleBefore;
  state.manyCounter = c.counterBefore;
  ClearBuild(state);
  const WordEntry entry = Entry(c.raw);
  EXPECT_EQ(BuildWord(state, c.mode, entry), static_cast<int>(entry.word.size()));
  EXPECT_EQ(state.displayText, Spaced(c.shown));
  ASSERT_EQ(state.hiddenCount, static_cast<int>(c.hidden.size()));
  EXPECT_EQ(
      std::string(state.hiddenLetters.begin(), state.hiddenLetters.begin() + state.hiddenCount),
      c.hidden);
  EXPECT_EQ(FindableCount(state), c.findable);
  EXPECT_EQ(state.easyToggle, c.toggleAfter);
  EXPECT_EQ(state.manyCounter, c.counterAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, HideRulesTest,
    testing::Values(
        HideCase{1, "casa", "c.s.", "aa", 2}, HideCase{1, Ansi("árbol"), ".rb.l", Ansi("áo"), 2},
        HideCase{1, "xyz", "xyz", "", 0}, HideCase{2, "casa", ".a.a", "cs", 2},
        HideCase{2, Ansi("oía"), Ansi("oía"), "", 0},
        HideCase{2, Ansi("Ñandú"), Ansi(".a..ú"), Ansi("Ñnd"), 3},
        HideCase{2, Ansi("ça"), Ansi("ça"), "", 0}, HideCase{3, "sol", "s.l", "o", 1},
        HideCase{3, "tu", "t.", "u", 1}, HideCase{3, "pan duro", "p.. ...o", "an dur", 5},
        HideCase{3, "co-op", "c.-.p", "o-o", 2}, HideCase{4, "sol", "s.l", "o", 1, true, true},
        HideCase{4, "tu", "t.", "u", 1, true, true}, HideCase{4, "casa", "c.s.", "aa", 2},
        HideCase{4, "gatos", "g.t.s", "ao", 2, false, true},
        HideCase{4, "perro", ".e.r.", "pro", 3, true, false}, HideCase{4, "12", "12", "2", 0},
        HideCase{5, "mariposa", "...i...a", "marpos", 6},
        HideCase{5, "ya", ".a", "y", 1, false, false, 2, 2}, HideCase{5, "sol", ".o.", "sl", 2},
        HideCase{5, "gato", ".a..", "gto", 3, false, false, 2, 2},
        HideCase{6, "/ca/sa", ".a.a", "cs", 2}, HideCase{6, "casa/", "casa", "", 0},
        HideCase{6, "/c/a/s/a/", "....", "casa", 4},
        HideCase{6, "pan/ d/uro", "pan d.ro", " u", 1}),
    [](const testing::TestParamInfo<HideCase>& info) {
      return "Mode" + std::to_string(info.param.mode) + "_" + TestName(info.param.raw) + "_" +
             std::to_string(info.index);
    });

// Words built one after the other in one state: "word:mode" and what each shows.
TEST(HideRulesTest, ModeFourAndFiveCarryOverFromWordToWord) {
  GameState state;
  std::string shown;
  for (const std::string word : {"casa:4", "gatos:4", "sol:4", "casa:4", "perro:4", "mariposa:5",
                                 "gato:5", "ya:5", "pelota:5", "luna:5"}) {
    ClearBuild(state);
    BuildWord(state, word.back() - '0', Entry(word.substr(0, word.size() - 2)));
    shown += state.displayText + "| ";
  }
  EXPECT_EQ(shown, Spaced("c.s.|g.t.s|s.l|.a.a|.e.r.|...i...a|...o|.a|...o..|.u..|"));
}

TEST(HideRulesTest, MarkedWordStopsAtItsThirtyFirstCharacter) {
  for (const auto& [shownLength, emitted] :
       std::vector<std::pair<int, int>>{{30, 30}, {31, 31}, {40, 31}}) {
    GameState state;
    ClearBuild(state);
    std::string raw;
    for (int i = 0; i < shownLength; ++i)
      raw += "/a";  // every character marked
    WordEntry entry{raw, std::string(30, 'a'), ""};
    EXPECT_EQ(BuildWord(state, kHideMarked, entry), emitted) << shownLength;
    EXPECT_EQ(state.displayText, Spaced(std::string(emitted, '.')));
    EXPECT_EQ(state.hiddenCount, emitted);
    EXPECT_LE(state.hiddenCount, kMaxHidden);
  }
}

}  // namespace
