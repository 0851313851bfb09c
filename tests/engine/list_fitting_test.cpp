// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "list_fitting.h"

#include <gtest/gtest.h>

#include "charset.h"

namespace {

struct SplitCase {
  std::string name;
  int words;
  std::vector<int> sizes;
};

class SplitDraftTest : public ::testing::TestWithParam<SplitCase> {};

// The lists hold every word once, in order, numbered in their themes.
TEST_P(SplitDraftTest, GivesEvenListsOfAtMostFifty) {
  WordListDraft draft{"Animales", {}};
  for (int k = 0; k < GetParam().words; ++k)
    draft.entries.push_back({"palabra" + std::to_string(k), "pista"});
  std::vector<int> sizes;
  std::vector<DraftEntry> joined;
  const std::vector<WordListDraft> parts = SplitDraft(draft);
  for (std::size_t k = 0; k < parts.size(); ++k) {
    sizes.push_back(static_cast<int>(parts[k].entries.size()));
    joined.insert(joined.end(), parts[k].entries.begin(), parts[k].entries.end());
    EXPECT_EQ(parts[k].theme, parts.size() == 1 ? "Animales" : "Animales " + std::to_string(k + 1));
  }
  EXPECT_EQ(sizes, GetParam().sizes);
  ASSERT_EQ(joined.size(), draft.entries.size());
  for (std::size_t k = 0; k < joined.size(); ++k)
    EXPECT_EQ(joined[k].word, draft.entries[k].word);
}

INSTANTIATE_TEST_SUITE_P(Words, SplitDraftTest,
                         ::testing::Values(SplitCase{"Ten", 10, {10}}, SplitCase{"Fifty", 50, {50}},
                                           SplitCase{"FiftyOne", 51, {26, 25}},
                                           SplitCase{"EightyThree", 83, {42, 41}},
                                           SplitCase{"Hundred", 100, {50, 50}},
                                           SplitCase{"HundredAndOne", 101, {34, 34, 33}}),
                         [](const auto& info) { return info.param.name; });

TEST(PartThemeTest, NumbersAndUnnumbers) {
  EXPECT_EQ(PartTheme("", 2), "");
  EXPECT_EQ(BaseTheme(PartTheme("Animales", 2), 2), "Animales");
  EXPECT_EQ(BaseTheme("Animales 12", 2), "Animales 12");
}

std::string Repeated(const std::string& text, int times) {
  std::string out;
  while (times-- > 0)
    out += text;
  return out;
}

struct ShortenCase {
  std::string name;
  std::string hint;
  std::string kept;  // the hint itself when it fits
};

class ShortenHintTest : public ::testing::TestWithParam<ShortenCase> {};

// What is kept fits the game in Windows-1252, and the list marks the hint for review.
TEST_P(ShortenHintTest, KeepsWholeWordsAndMarksForReview) {
  const ShortenCase& c = GetParam();
  WordListDraft draft{"Animales", {}};
  for (const char* word :
       {"perro", "gato", "vaca", "oveja", "cerdo", "pato", "burro", "gallina", "conejo", "caballo"})
    draft.entries.push_back({word, "Un animal"});
  draft.entries[3].hint = c.hint;
  EXPECT_EQ(ShortenLongHints(draft), c.kept == c.hint ? 0 : 1);
  EXPECT_EQ(draft.entries[3].hint, c.kept);
  EXPECT_LE(Utf8ToAnsi(c.kept).size(), 65u);
  const std::vector<DraftProblem> problems = CheckWordList(draft);
  ASSERT_EQ(problems.size(), c.kept == c.hint ? 0u : 1u);
  if (!problems.empty()) {
    EXPECT_EQ(problems[0].entry, 3);
    EXPECT_EQ(problems[0].part, DraftPart::Hint);
    EXPECT_FALSE(problems[0].blocksSaving);
    const std::string text = AnsiToUtf8(DescribeProblem(problems[0]));
    EXPECT_NE(text.find("Línea 10 (pista de la palabra 4, «oveja»): tenía "), std::string::npos)
        << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Hints, ShortenHintTest,
    ::testing::Values(
        ShortenCase{"AccentedFitsIn65Characters",
                    "Pájaro pequeño, de plumas marrones, que anida bajo los tejados ñu",
                    "Pájaro pequeño, de plumas marrones, que anida bajo los tejados ñu"},
        ShortenCase{"CutAfterTheLastWholeWord",
                    "Animal doméstico que ladra cuando alguien se acerca a la casa sola y nada más",
                    "Animal doméstico que ladra cuando alguien se acerca a la casa"},
        ShortenCase{"WordEndingAtTheLimitAndEarlyCommaPassedOver",
                    "Ballena, el mamífero más grande que vive en los océanos del mundo entero hoy",
                    "Ballena, el mamífero más grande que vive en los océanos del mundo"},
        ShortenCase{"CutAfterTheLastClauseWithoutItsComma",
                    "Mamífero muy grande de la sabana africana, con trompa y colmillos de marfil",
                    "Mamífero muy grande de la sabana africana"},
        ShortenCase{"NoSpaceBeforeTheLimit", Repeated("ñandú", 14), Repeated("ñandú", 13)}),
    [](const auto& info) { return info.param.name; });

}  // namespace
