// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list_draft.h"

#include <gtest/gtest.h>

#include "charset.h"
#include "game_state.h"
#include "list_files.h"
#include "word_file_messages.h"

namespace {

// `count` good words (all different), each with a hint.
WordListDraft Words(std::size_t count = 10) {
  WordListDraft draft{"Animales", {}};
  for (const char* word :
       {"perro", "gato", "vaca", "oveja", "cerdo", "pato", "burro", "gallina", "conejo", "caballo"})
    draft.entries.push_back({word, std::string("Un animal: ") + word});
  for (std::size_t k = 0; draft.entries.size() < count; ++k)
    draft.entries.push_back({"palabra" + std::string(k / 26 + 1, 'a' + k % 26), ""});
  draft.entries.resize(count);
  return draft;
}

struct ProblemCase {
  std::string name;
  std::size_t words;
  int at;  // the entry changed; -1 for the theme
  bool hint;
  std::string value;
  // The first problem found, and how many there are in all.
  int entry;
  DraftPart part;
  bool blocks;
  std::string says;  // part of the text (UTF-8)
  std::size_t count = 1;
};

class CheckWordListTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(CheckWordListTest, FindsTheProblem) {
  const ProblemCase& c = GetParam();
  WordListDraft draft = Words(c.words);
  if (c.at < 0)
    draft.theme = c.value;
  else
    (c.hint ? draft.entries[c.at].hint : draft.entries[c.at].word) = c.value;
  const std::vector<DraftProblem> problems = CheckWordList(draft);
  ASSERT_EQ(problems.size(), c.count);
  const std::string described = AnsiToUtf8(DescribeProblem(problems[0]));
  EXPECT_NE(described.find(c.says), std::string::npos) << described;
  EXPECT_EQ(problems[0].entry, c.entry);
  EXPECT_EQ(problems[0].part, c.part);
  EXPECT_EQ(problems[0].blocksSaving, c.blocks);
  EXPECT_EQ(EncodeWordList(draft).has_value(), !c.blocks);
}

std::string Marked(int letters, const std::string& end = "") {
  std::string word;
  for (int k = 0; k < letters; ++k)
    word += "/a";
  return word + end;
}

using P = DraftPart;

INSTANTIATE_TEST_SUITE_P(
    Rules, CheckWordListTest,
    ::testing::Values(
        ProblemCase{"HintOver80", 10, 0, true,
                    "Un animal doméstico de cuatro patas que ladra y guarda la casa; es el mejor "
                    "amigo del niño",
                    0, P::Hint, true,
                    "Línea 4 (pista de la palabra 1, «perro»): tiene 90 caracteres"},
        ProblemCase{"HintOver65", 10, 1, true, std::string(66, 'x'), 1, P::Hint, true,
                    "Línea 6 (pista de la palabra 2, «gato»): tiene 66"},
        ProblemCase{"WordOver60", 10, 2, false, Marked(30, "b"), 2, P::Word, true,
                    "tiene 61 caracteres; el juego sólo guarda los 60", 3},
        ProblemCase{"ThemeOver65", 10, -1, false, std::string(66, 'x'), -1, P::Theme, true,
                    "Línea 2 (tema): tiene 66"},
        ProblemCase{"ThemeEmpty", 10, -1, false, "", -1, P::Theme, true,
                    "Línea 2 (tema): falta el tema"},
        ProblemCase{"ThemeOnlySpaces", 10, -1, false, "  ", -1, P::Theme, true, "falta el tema"},
        ProblemCase{"EuroNotInCodePage850", 10, 3, false, "pe€o", 3, P::Word, true, "«€» no cabe"},
        ProblemCase{"ArrowNotInWindows1252", 10, 3, true, "va → viene", 3, P::Hint, true,
                    "el carácter U+2192 no cabe"},
        ProblemCase{"OneLetter", 10, 4, false, "/a", 4, P::Word, true, "al menos 2 letras", 2},
        ProblemCase{"ThirtyOneLetters", 10, 4, false, std::string(31, 'a'), 4, P::Word, true,
                    "tiene 31 letras"},
        ProblemCase{"ThirtyLettersAndMarks", 10, 4, false, "/" + std::string(30, 'a'), -1, P::List,
                    false, "sin marcas"},
        ProblemCase{"MarkAtTheEnd", 10, 5, false, "pato/", 5, P::Word, true,
                    "marca «/» que no va delante", 2},
        ProblemCase{"MarkBeforeSpace", 10, 5, false, "pa/ to", 5, P::Word, true, "marca «/»", 2},
        ProblemCase{"DuplicateInOtherCase", 10, 6, false, "Pe/rro", 6, P::Word, false, "repetida",
                    2},
        ProblemCase{"WordMissingUnderAHint", 10, 7, false, "", 7, P::Word, true,
                    "falta la palabra"},
        ProblemCase{"NineWords", 9, 0, false, "perro", -1, P::List, true, "menos de 10 palabras"},
        ProblemCase{"FiftyOneWords", 51, 0, false, "perro", -1, P::List, true,
                    "sólo lee las 50 primeras"}),
    [](const auto& info) { return info.param.name; });

TEST(CheckWordListTest, CountsCharactersNotBytesAndSkipsBlankRows) {
  WordListDraft draft = Words();
  draft.entries[0] = {"ñandú", std::string(65, 'x')};
  draft.entries[1].hint = std::string(60, 'a') + "ñüáéí";  // 65 characters, 70 bytes
  draft.entries.insert(draft.entries.begin() + 2, DraftEntry{});
  EXPECT_TRUE(CheckWordList(draft).empty());
}

std::string Text(const WordListDraft& draft) {
  std::string text = draft.theme;
  for (const DraftEntry& e : draft.entries)
    text += "; " + e.word + "|" + e.hint;
  return text;
}

// The file the game reads back: magic, theme, word and hint lines in code page 850, CR LF.
TEST(EncodeWordListTest, WritesTheGameFormatAndLoadsBack) {
  WordListDraft draft = Words();
  draft.theme = "Animales del año";
  draft.entries[0] = {"ca/ña", "Planta de tallo hueco"};
  draft.entries[1] = {"pin/güino", ""};
  draft.entries.insert(draft.entries.begin() + 1, DraftEntry{});
  const auto bytes = EncodeWordList(draft);
  ASSERT_TRUE(bytes);
  std::string expected = kMagicLine + "Animales del a\xA4o\r\nca/\xA4" +
                         "a\r\nPlanta de tallo hueco\r\npin/g\x81ino\r\n\r\n";
  for (std::size_t i = 3; i < draft.entries.size(); ++i)
    expected += draft.entries[i].word + "\r\n" + draft.entries[i].hint + "\r\n";
  EXPECT_EQ(*bytes, expected);

  TempDir dir;
  WordList list;
  ASSERT_FALSE(CheckWordFile(dir.Write("lista.lma", *bytes), list));
  draft.entries.erase(draft.entries.begin() + 1);
  EXPECT_EQ(Text(DraftFromList(list)), Text(draft));
}

TEST(PreviewWordTest, ShowsEachModeAsTheGame) {
  const std::string shown[] = {"ñ . n d . ", ". a . . ú ", "ñ . . . ú ",
                               "ñ . n . ú ", ". . . d . ", ". a n . ú "};
  for (int mode = 1; mode <= kModeCount; ++mode)
    EXPECT_EQ(AnsiToUtf8(PreviewWord({"/ñan/dú", ""}, mode)), shown[mode - 1]) << mode;
}

TEST(ToggleMarkTest, WritesOrTakesTheMark) {
  const std::tuple<std::string, int, std::string> marks[] = {
      {"casa", 0, "/casa"},
      {"/casa", 1, "/c/asa"},
      {"ca/sa", 2, "casa"},
      {"niño", 2, "ni/ño"},
      {"sol", 3, "sol"}};  // past the end: the word is kept
  for (const auto& [before, index, after] : marks)
    EXPECT_EQ(ToggleMark(before, index), after) << before << " " << index;
}

}  // namespace
