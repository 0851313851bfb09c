// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "list_files.h"

namespace {

using namespace std::string_literals;

LoadResult LoadBytes(const std::string& bytes, WordList& list) {
  TempDir dir;
  return LoadWordFile(dir.Write("lista.lma", bytes), list);
}

// A list already in memory, to see whether a load leaves it alone.
WordList OldList() {
  WordList list;
  list.theme = "Viejo";
  for (int k = 1; k <= 10; ++k)
    list.slots[k].rawWord = "vie/jo" + std::to_string(k);
  list.CountWords(WordField::Raw);
  list.StripMarks();
  list.loaded = true;
  return list;
}

void ExpectOldList(const WordList& list) {
  EXPECT_TRUE(list.loaded);
  EXPECT_EQ(list.theme, "Viejo");
  EXPECT_EQ(list.slots[1].rawWord, "vie/jo1");
  EXPECT_EQ(list.slots[10].rawWord, "vie/jo10");
}

TEST(WordListTest, ReadsThemeWordsAndHintsFromCodePage850) {
  WordList list;
  const std::string bytes = kMagicLine + "Animales de la granja\r\n" + "ca/sa\r\n\r\n" +
                            "ni/\xA4o\nUn chico peque\xA4o\n" + "\xA0r/bol\r\nTiene hojas\r\n";
  ASSERT_EQ(LoadBytes(bytes, list), LoadResult::Ok);
  EXPECT_TRUE(list.loaded);
  EXPECT_EQ(list.theme, "Animales de la granja");
  EXPECT_EQ(list.slots[1].rawWord, "ca/sa");
  EXPECT_EQ(list.slots[1].hint, "");
  EXPECT_EQ(list.slots[2].rawWord, "ni/\xF1o");
  EXPECT_EQ(list.slots[2].hint, "Un chico peque\xF1o");
  EXPECT_EQ(list.slots[3].rawWord, "\xE1r/bol");
  EXPECT_EQ(list.slots[4].rawWord, "");
  list.CountWords(WordField::Raw);
  EXPECT_EQ(list.wordCount, 3);
  list.StripMarks();
  EXPECT_EQ(list.slots[1].word, "casa");
  EXPECT_EQ(list.slots[2].word, "ni\xF1o");
  EXPECT_TRUE(list.allMarked);
}

TEST(WordListTest, FieldsAreCutToTheirLengths) {
  const std::string seventy(70, 'x');
  WordList list;
  ASSERT_EQ(LoadBytes(ListBytes(seventy, {{seventy, seventy}}), list), LoadResult::Ok);
  EXPECT_EQ(list.theme, std::string(65, 'x'));
  EXPECT_EQ(list.slots[1].rawWord, std::string(60, 'x'));
  EXPECT_EQ(list.slots[1].hint, std::string(65, 'x'));
}

// A line holds 80 characters; the 81st is taken for the line end and what
// follows it is read as the next line.
struct LongLineCase {
  int hintLength;
  std::string word2, hint2;
  int wordCount;
};

class LongHintTest : public testing::TestWithParam<LongLineCase> {};

TEST_P(LongHintTest, SplitsAfterEightyOneBytes) {
  const LongLineCase& c = GetParam();
  std::string hint(80, 'h');
  hint.resize(c.hintLength, 'Z');
  WordList list;
  ASSERT_EQ(LoadBytes(ListBytes("T", {{"uno", hint}, {"dos", "h2"}}), list), LoadResult::Ok);
  EXPECT_EQ(list.slots[1].hint, std::string(65, 'h'));
  EXPECT_EQ(list.slots[2].rawWord, c.word2);
  EXPECT_EQ(list.slots[2].hint, c.hint2);
  list.CountWords(WordField::Raw);
  EXPECT_EQ(list.wordCount, c.wordCount);
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongHintTest,
                         testing::Values(LongLineCase{80, "dos", "h2", 2},
                                         LongLineCase{81, "", "dos", 1},
                                         LongLineCase{82, "Z", "dos", 3}),
                         [](const testing::TestParamInfo<LongLineCase>& info) {
                           return "Hint" + std::to_string(info.param.hintLength);
                         });

TEST(WordListTest, LongWordLineGivesItsTailAsTheHint) {
  std::string word;
  for (int i = 0; i < 85; ++i)
    word += static_cast<char>('A' + i % 26);
  WordList list;
  ASSERT_EQ(LoadBytes(ListBytes("T", {{word, "pista"}}), list), LoadResult::Ok);
  EXPECT_EQ(list.slots[1].rawWord, word.substr(0, 60));
  EXPECT_EQ(list.slots[1].hint, word.substr(81, 4));  // characters 82 to 85
  EXPECT_EQ(list.slots[2].rawWord, "pista");
}

TEST(WordListTest, ReadsFiftyPairsAtMost) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int k = 1; k <= 60; ++k)
    pairs.emplace_back("w" + std::to_string(k), "h" + std::to_string(k));
  WordList list;
  ASSERT_EQ(LoadBytes(ListBytes("T", pairs), list), LoadResult::Ok);
  list.CountWords(WordField::Raw);
  EXPECT_EQ(list.wordCount, 50);
  EXPECT_EQ(list.slots[50].rawWord, "w50");
  EXPECT_EQ(list.slots[50].hint, "h50");
}

TEST(WordListTest, EmptySeventhWordEndsTheList) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int k = 1; k <= 12; ++k)
    pairs.emplace_back(k == 7 ? "" : "w" + std::to_string(k), "h");
  WordList list;
  ASSERT_EQ(LoadBytes(ListBytes("T", pairs), list), LoadResult::Ok);
  list.CountWords(WordField::Raw);
  EXPECT_EQ(list.wordCount, 6);
}

TEST(WordListTest, LastLineWithoutLineEndIsIgnored) {
  WordList list;
  ASSERT_EQ(LoadBytes(kMagicLine + "T\r\nuno\r\nh1\r\ndos\r\nh2", list), LoadResult::Ok);
  EXPECT_EQ(list.slots[2].rawWord, "dos");
  EXPECT_EQ(list.slots[2].hint, "");
  ASSERT_EQ(LoadBytes(kMagicLine + "T\r\nuno\r\nh1\r\ndos", list), LoadResult::Ok);
  EXPECT_EQ(list.slots[2].rawWord, "");
  ASSERT_EQ(LoadBytes(kMagicLine + "Sin fin", list), LoadResult::Ok);
  EXPECT_EQ(list.theme, "");
}

TEST(WordListTest, NulBytesEndWhatARead) {
  WordList list;
  // A hint starting with NUL is empty and takes nothing from the word before it.
  const std::string bytes = kMagicLine + "T\r\nuno\r\n\0oculto\r\ndo\0s\r\nh2\r\n"s;
  ASSERT_EQ(LoadBytes(bytes, list), LoadResult::Ok);
  EXPECT_EQ(list.slots[1].rawWord, "uno");
  EXPECT_EQ(list.slots[1].hint, "");
  EXPECT_EQ(list.slots[2].rawWord, "d");  // the character before the NUL is taken as the line end
  EXPECT_EQ(list.slots[2].hint, "h2");
}

TEST(WordListTest, CtrlZEndsTheFile) {
  WordList list;
  ASSERT_EQ(LoadBytes(kMagicLine + "T\r\nuno\r\nh1\r\ndos\r\n\x1Ah2\r\ntres\r\nh3\r\n", list),
            LoadResult::Ok);
  list.CountWords(WordField::Raw);
  EXPECT_EQ(list.wordCount, 2);
  EXPECT_EQ(list.slots[2].hint, "");
  EXPECT_EQ(list.slots[3].rawWord, "");
}

TEST(WordListTest, FilesOfTheWrongTypeLeaveTheListAlone) {
  const std::string rest = "T\r\nuno\r\nh1\r\n";
  const std::string files[] = {"K. L. TAMU P. LURIMBA \r\n" + rest,
                               "k. l. tamu p. lurimba\r\n" + rest,
                               "K. L. TAMU P. LURIMBA",
                               "K.  L. TAMU P. LURIMBA\r\n" + rest,
                               "",
                               "\r\n" + kMagicLine + rest};
  for (const std::string& bytes : files) {
    WordList list = OldList();
    EXPECT_EQ(LoadBytes(bytes, list), LoadResult::WrongType) << bytes;
    ExpectOldList(list);
  }
}

TEST(WordListTest, FilesThatCannotBeReadLeaveTheListAlone) {
  TempDir dir;
  WordList list = OldList();
  EXPECT_EQ(LoadWordFile(dir.Path("no-existe.lma"), list), LoadResult::CannotOpen);
  ExpectOldList(list);
  // A folder or a pipe named like a list is no list; a pipe would block the
  // program in its opening if it were opened.
  std::filesystem::create_directory(dir.Path("carpeta.lma"));
  ASSERT_EQ(mkfifo(dir.Path("ejemplo").c_str(), 0600), 0);
  for (const char* name : {"carpeta.lma", "ejemplo"}) {
    EXPECT_EQ(LoadWordFile(dir.Path(name), list), LoadResult::CannotOpen) << name;
    ExpectOldList(list);
  }
  // A link to a list is read as the list.
  const std::string real = dir.Write("real.lma", NumberedList(10));
  std::filesystem::create_symlink(real, dir.Path("enlace.lma"));
  EXPECT_EQ(LoadWordFile(dir.Path("enlace.lma"), list), LoadResult::Ok);
}

TEST(WordListTest, AcceptedMagicReplacesTheWholeList) {
  WordList list = OldList();
  ASSERT_EQ(LoadBytes(ListBytes("", {{"uno", "h1"}}), list), LoadResult::Ok);
  EXPECT_EQ(list.theme, "");
  EXPECT_EQ(list.slots[1].rawWord, "uno");
  EXPECT_EQ(list.slots[2].rawWord, "");
  EXPECT_EQ(list.slots[10].rawWord, "");
  EXPECT_EQ(list.slots[2].word, "");
}

struct StripCase {
  std::vector<std::string> rawWords;
  std::vector<std::string> words;  // of the counted slots
  bool allMarked;
  int strippedCount;
  bool lengthsValid;
};

TEST(WordListTest, StripMarksCountAndCheckLengths) {
  const std::string longRaw = "/" + std::string(35, 'a');  // 35 characters to show
  const StripCase cases[] = {
      {{"ca/sa", "/sol"}, {"casa", "sol"}, true, 2, true},
      {{"ca/sa", "sol"}, {"casa", "sol"}, false, 2, true},
      {{"/a/b", "x"}, {"ab", "x"}, false, 2, false},
      {{"u/no", "/", "t/res"}, {"uno", "", "tres"}, true, 1, false},
      {{longRaw}, {std::string(30, 'a')}, true, 1, true},
      {{"pan duro", "co-op"}, {"pan duro", "co-op"}, false, 2, true},
  };
  for (const StripCase& c : cases) {
    SCOPED_TRACE(c.rawWords[0] + " ...");
    WordList list;
    for (std::size_t k = 0; k < c.rawWords.size(); ++k)
      list.slots[k + 1].rawWord = c.rawWords[k];
    list.CountWords(WordField::Raw);
    EXPECT_EQ(list.wordCount, static_cast<int>(c.rawWords.size()));
    list.StripMarks();
    for (std::size_t k = 0; k < c.words.size(); ++k)
      EXPECT_EQ(list.slots[k + 1].word, c.words[k]);
    EXPECT_EQ(list.allMarked, c.allMarked);
    EXPECT_EQ(list.CheckWordLengths(), c.lengthsValid);
    list.CountWords(WordField::Stripped);
    EXPECT_EQ(list.wordCount, c.strippedCount);
  }
}

TEST(WordListTest, ShippedListsArePlayable) {
  std::vector<std::filesystem::path> files = {std::filesystem::path(DATA_DIR) / "ejemplo"};
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(DATA_DIR) / "archivos")) {
    if (entry.path().extension() == ".lma")
      files.push_back(entry.path());
  }
  ASSERT_GE(files.size(), 3u);
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    WordList list;
    ASSERT_EQ(LoadWordFile(file.string(), list), LoadResult::Ok);
    EXPECT_FALSE(list.theme.empty());
    list.CountWords(WordField::Raw);
    const int rawCount = list.wordCount;
    list.StripMarks();
    list.CountWords(WordField::Stripped);
    EXPECT_GE(list.wordCount, kMinListWords);
    EXPECT_EQ(list.wordCount, rawCount);
    EXPECT_TRUE(list.CheckWordLengths());
    EXPECT_TRUE(list.allMarked);
    for (int k = 1; k <= list.wordCount; ++k) {  // short enough to be shown whole in mode 6
      const std::string& raw = list.slots[k].rawWord;
      EXPECT_LE(raw.size() - std::count(raw.begin(), raw.end(), kHideMark), kWordLength) << raw;
    }
  }
}

}  // namespace
