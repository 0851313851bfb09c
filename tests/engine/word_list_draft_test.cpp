// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list_draft.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "charset.h"
#include "game_state.h"
#include "list_files.h"
#include "word_file_messages.h"

namespace {

// Ten good words, each with a hint.
WordListDraft TenWords() {
  WordListDraft draft{"Animales", {}};
  for (const char* word :
       {"perro", "gato", "vaca", "oveja", "cerdo", "pato", "burro", "gallina", "conejo", "caballo"})
    draft.entries.push_back({word, std::string("Un animal: ") + word});
  return draft;
}

struct ProblemCase {
  std::string name;
  std::function<void(WordListDraft&)> edit;
  int entry;
  DraftPart part;
  bool blocks;
  std::string says;       // part of the text (UTF-8)
  std::size_t count = 1;  // problems in all; the first one is checked
};

class CheckWordListTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(CheckWordListTest, FindsTheOneProblem) {
  const ProblemCase& c = GetParam();
  WordListDraft draft = TenWords();
  c.edit(draft);
  const std::vector<DraftProblem> problems = CheckWordList(draft);
  ASSERT_EQ(problems.size(), c.count)
      << (problems.empty() ? "" : AnsiToUtf8(DescribeProblem(problems[0])));
  EXPECT_EQ(problems[0].entry, c.entry);
  EXPECT_EQ(problems[0].part, c.part);
  EXPECT_EQ(problems[0].blocksSaving, c.blocks);
  const std::string described = AnsiToUtf8(DescribeProblem(problems[0]));
  EXPECT_NE(described.find(c.says), std::string::npos) << described;
  EXPECT_EQ(EncodeWordList(draft).has_value(), !c.blocks);
}

const std::string k90 =
    "Un animal doméstico de cuatro patas que ladra y guarda la casa; "
    "es el mejor amigo del niño";

INSTANTIATE_TEST_SUITE_P(
    Rules, CheckWordListTest,
    ::testing::Values(
        ProblemCase{"HintOver80", [](auto& d) { d.entries[0].hint = k90; }, 0, DraftPart::Hint,
                    true, "Línea 4 (pista de la palabra 1, «perro»): tiene 90 caracteres"},
        ProblemCase{"HintOver65", [](auto& d) { d.entries[1].hint = std::string(66, 'x'); }, 1,
                    DraftPart::Hint, true, "Línea 6 (pista de la palabra 2, «gato»): tiene 66"},
        ProblemCase{"WordOver60",
                    [](auto& d) {
                      d.entries[2].word.clear();
                      for (int k = 0; k < 30; ++k)
                        d.entries[2].word += "/a";
                      d.entries[2].word += "b";
                    },
                    2, DraftPart::Word, true, "tiene 61 caracteres; el juego sólo guarda los 60",
                    3},
        ProblemCase{"ThemeOver65", [](auto& d) { d.theme = std::string(66, 'x'); }, -1,
                    DraftPart::Theme, true, "Línea 2 (tema): tiene 66"},
        ProblemCase{"EuroNotInCodePage850", [](auto& d) { d.entries[3].word = "pe€o"; }, 3,
                    DraftPart::Word, true, "«€» no cabe"},
        ProblemCase{"ArrowNotInWindows1252", [](auto& d) { d.entries[3].hint = "va → viene"; }, 3,
                    DraftPart::Hint, true, "el carácter U+2192 no cabe"},
        ProblemCase{"OneLetter", [](auto& d) { d.entries[4].word = "/a"; }, 4, DraftPart::Word,
                    true, "al menos 2 letras", 2},
        ProblemCase{"ThirtyOneLetters", [](auto& d) { d.entries[4].word = std::string(31, 'a'); },
                    4, DraftPart::Word, true, "tiene 31 letras"},
        ProblemCase{"ThirtyLettersAndMarks",
                    [](auto& d) { d.entries[4].word = "/" + std::string(30, 'a'); }, -1,
                    DraftPart::List, false, "sin marcas"},
        ProblemCase{"MarkAtTheEnd", [](auto& d) { d.entries[5].word = "pato/"; }, 5,
                    DraftPart::Word, true, "marca «/» que no va delante", 2},
        ProblemCase{"MarkBeforeSpace", [](auto& d) { d.entries[5].word = "pa/ to"; }, 5,
                    DraftPart::Word, true, "marca «/»", 2},
        ProblemCase{"DuplicateInOtherCase", [](auto& d) { d.entries[6].word = "Pe/rro"; }, 6,
                    DraftPart::Word, false, "repetida", 2},
        ProblemCase{"WordMissingUnderAHint", [](auto& d) { d.entries[7].word.clear(); }, 7,
                    DraftPart::Word, true, "falta la palabra"},
        ProblemCase{"NineWords", [](auto& d) { d.entries.pop_back(); }, -1, DraftPart::List, true,
                    "menos de 10 palabras"},
        ProblemCase{
            "FiftyOneWords",
            [](auto& d) {
              for (int k = 0; k < 41; ++k)
                d.entries.push_back({"palabra" + std::string(k / 26 + 1, 'a' + k % 26), ""});
            },
            -1, DraftPart::List, true, "sólo lee las 50 primeras"}),
    [](const auto& info) { return info.param.name; });

TEST(CheckWordListTest, CountsCharactersNotBytesAndSkipsBlankRows) {
  WordListDraft draft = TenWords();
  draft.entries[0] = {"ñandú", std::string(65, 'x') + ""};
  draft.entries[1].hint = std::string(60, 'a') + "ñüáéí";  // 65 characters, 70 bytes
  draft.entries.insert(draft.entries.begin() + 2, DraftEntry{});
  EXPECT_TRUE(CheckWordList(draft).empty());
}

// The file the game reads back: magic, theme, word and hint lines in code page 850, CR LF.
TEST(EncodeWordListTest, WritesTheGameFormatAndLoadsBack) {
  WordListDraft draft = TenWords();
  draft.theme = "Animales del año";
  draft.entries[0] = {"ca/ña", "Planta de tallo hueco"};
  draft.entries[1] = {"pin/güino", ""};
  draft.entries.insert(draft.entries.begin() + 1, DraftEntry{});
  const auto bytes = EncodeWordList(draft);
  ASSERT_TRUE(bytes);
  std::string expected = kMagicLine +
                         "Animales del a\xA4o\r\nca/\xA4"
                         "a\r\nPlanta de tallo hueco\r\n" +
                         "pin/g\x81ino\r\n\r\n";
  for (std::size_t i = 3; i < draft.entries.size(); ++i)
    expected += draft.entries[i].word + "\r\n" + draft.entries[i].hint + "\r\n";
  EXPECT_EQ(*bytes, expected);

  TempDir dir;
  WordList list;
  ASSERT_FALSE(CheckWordFile(dir.Write("lista.lma", *bytes), list));
  EXPECT_EQ(list.wordCount, 10);
  draft.entries.erase(draft.entries.begin() + 1);
  const WordListDraft back = DraftFromList(list);
  EXPECT_EQ(back.theme, draft.theme);
  ASSERT_EQ(back.entries.size(), draft.entries.size());
  for (std::size_t i = 0; i < draft.entries.size(); ++i) {
    EXPECT_EQ(back.entries[i].word, draft.entries[i].word);
    EXPECT_EQ(back.entries[i].hint, draft.entries[i].hint);
  }
}

struct PreviewCase {
  std::string name;
  std::string word;
  std::vector<std::string> shown;  // modes 1..6
};

class PreviewWordTest : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(PreviewWordTest, ShowsEachModeAsTheGame) {
  for (int mode = 1; mode <= kModeCount; ++mode)
    EXPECT_EQ(AnsiToUtf8(PreviewWord({GetParam().word, ""}, mode)), GetParam().shown[mode - 1])
        << "mode " << mode;
}

INSTANTIATE_TEST_SUITE_P(Words, PreviewWordTest,
                         ::testing::Values(PreviewCase{"Mariposa",
                                                       "ma/ri/po/sa",
                                                       {"m . r . p . s . ", ". a . i . o . a ",
                                                        "m . . . . . . a ", "m . r . p . s . ",
                                                        ". . . i . . . a ", "m a . i . o . a "}},
                                           PreviewCase{"Nandu",
                                                       "/ñan/dú",
                                                       {"ñ . n d . ", ". a . . ú ", "ñ . . . ú ",
                                                        "ñ . n . ú ", ". . . d . ", ". a n . ú "}}),
                         [](const auto& info) { return info.param.name; });

struct MarkCase {
  std::string name;
  std::string before;
  int index;
  std::string after;
};

class ToggleMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(ToggleMarkTest, WritesOrTakesTheMark) {
  EXPECT_EQ(ToggleMark(GetParam().before, GetParam().index), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Marks, ToggleMarkTest,
                         ::testing::Values(MarkCase{"MarksTheFirst", "casa", 0, "/casa"},
                                           MarkCase{"MarksAfterAMark", "/casa", 1, "/c/asa"},
                                           MarkCase{"UnmarksAMarked", "ca/sa", 2, "casa"},
                                           MarkCase{"MarksAnEnye", "niño", 2, "ni/ño"},
                                           MarkCase{"PastTheEndKeepsTheWord", "sol", 3, "sol"}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
