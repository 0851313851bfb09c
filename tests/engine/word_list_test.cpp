// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "list_files.h"
#include "word_file_messages.h"

namespace {

using namespace std::string_literals;

// A list already in memory, to see whether a load leaves it alone.
WordList OldList() {
  WordList list;
  list.theme = "Viejo";
  for (int k = 1; k <= 10; ++k)
    list.slots[k] = {"vie/jo" + std::to_string(k), "viejo", "pista"};
  list.loaded = true;
  return list;
}

// The theme, then "word|hint" for every slot holding either, with the words counted.
std::string Shown(WordList& list) {
  std::string text = list.theme;
  for (int k = 1; k <= kMaxWords; ++k) {
    const WordEntry& e = list.slots[k];
    if (!e.rawWord.empty() || !e.hint.empty() || !e.word.empty())
      text += " ; " + std::to_string(k) + ":" + e.rawWord + "|" + e.hint;
  }
  list.CountWords(WordField::Raw);
  return text + " ; " + std::to_string(list.wordCount) + " words";
}

struct LoadCase {
  const char* name;
  std::string afterMagic;  // the file's bytes after its first line
  std::string shown;
};

class LoadWordFileTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadWordFileTest, ReplacesTheWholeList) {
  TempDir dir;
  WordList list = OldList();
  ASSERT_EQ(LoadWordFile(dir.Write("l.lma", kMagicLine + GetParam().afterMagic), list),
            LoadResult::Ok);
  EXPECT_TRUE(list.loaded);
  EXPECT_EQ(Shown(list), GetParam().shown);
}

const std::string k80 = std::string(80, 'h');
const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// A line holds 80 characters; the 81st is taken for the line end and what
// follows it is read as the next line.
INSTANTIATE_TEST_SUITE_P(
    Files, LoadWordFileTest,
    testing::Values(
        LoadCase{
            "CodePage850AndBothLineEnds",
            "Granja\r\nca/sa\r\n\r\nni/\xA4o\nUn chico peque\xA4o\n\xA0r/bol\r\nTiene hojas\r\n",
            "Granja ; 1:ca/sa| ; 2:ni/\xF1o|Un chico peque\xF1o ; 3:\xE1r/bol|Tiene hojas ; 3 "
            "words"},
        LoadCase{"FieldsAreCutToTheirLengths",
                 std::string(70, 't') + "\r\n" + std::string(70, 'w') + "\r\n" +
                     std::string(70, 'h') + "\r\n",
                 std::string(65, 't') + " ; 1:" + std::string(60, 'w') + "|" +
                     std::string(65, 'h') + " ; 1 words"},
        LoadCase{"HintOf80", "T\r\nuno\r\n" + k80 + "\r\ndos\r\nh2\r\n",
                 "T ; 1:uno|" + k80.substr(15) + " ; 2:dos|h2 ; 2 words"},
        LoadCase{"HintOf81", "T\r\nuno\r\n" + k80 + "Z\r\ndos\r\nh2\r\n",
                 "T ; 1:uno|" + k80.substr(15) + " ; 2:|dos ; 3:h2| ; 1 words"},
        LoadCase{"HintOf82", "T\r\nuno\r\n" + k80 + "ZZ\r\ndos\r\nh2\r\n",
                 "T ; 1:uno|" + k80.substr(15) + " ; 2:Z|dos ; 3:h2| ; 3 words"},
        LoadCase{"WordOf85GivesItsTailAsTheHint",
                 "T\r\n" + kAlphabet + kAlphabet + kAlphabet + "ABCDEFG\r\npista\r\n",
                 "T ; 1:" + (kAlphabet + kAlphabet + kAlphabet).substr(0, 60) +
                     "|DEFG ; 2:pista| ; 2 words"},
        LoadCase{"EmptySeventhWordEndsTheCount",
                 "T\r\n1\r\n\r\n2\r\n\r\n3\r\n\r\n4\r\n\r\n5\r\n\r\n6\r\n\r\n\r\nh\r\n8\r\n\r\n",
                 "T ; 1:1| ; 2:2| ; 3:3| ; 4:4| ; 5:5| ; 6:6| ; 7:|h ; 8:8| ; 6 words"},
        LoadCase{"LastLineWithoutLineEndIsIgnored", "T\r\nuno\r\nh1\r\ndos\r\nh2",
                 "T ; 1:uno|h1 ; 2:dos| ; 2 words"},
        LoadCase{"ThemeWithoutLineEnd", "Sin fin", " ; 0 words"},
        // A hint starting with NUL is empty and takes nothing from the word before it;
        // the character before a NUL is taken as the line end.
        LoadCase{"NulBytesEndWhatIsRead", "T\r\nuno\r\n\0oculto\r\ndo\0s\r\nh2\r\n"s,
                 "T ; 1:uno| ; 2:d|h2 ; 2 words"},
        LoadCase{"CtrlZEndsTheFile", "T\r\nuno\r\nh1\r\ndos\r\n\x1Ah2\r\ntres\r\nh3\r\n",
                 "T ; 1:uno|h1 ; 2:dos| ; 2 words"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordListTest, ReadsFiftyPairsAtMost) {
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int k = 1; k <= 60; ++k)
    pairs.emplace_back("w" + std::to_string(k), "h" + std::to_string(k));
  TempDir dir;
  WordList list;
  ASSERT_EQ(LoadWordFile(dir.Write("l.lma", ListBytes("T", pairs)), list), LoadResult::Ok);
  list.CountWords(WordField::Raw);
  EXPECT_EQ(list.wordCount, 50);
  EXPECT_EQ(list.slots[50].rawWord + list.slots[50].hint, "w50h50");
}

TEST(WordListTest, FilesOfTheWrongTypeOrUnreadableLeaveTheListAlone) {
  TempDir dir;
  const std::string rest = "T\r\nuno\r\nh1\r\n";
  std::vector<std::pair<std::string, LoadResult>> files;
  for (const std::string& bytes :
       {"K. L. TAMU P. LURIMBA \r\n" + rest, "k. l. tamu p. lurimba\r\n" + rest,
        "K. L. TAMU P. LURIMBA"s, "K.  L. TAMU P. LURIMBA\r\n" + rest, ""s,
        "\r\n" + kMagicLine + rest})
    files.emplace_back(dir.Write("f" + std::to_string(files.size()), bytes), LoadResult::WrongType);
  // A folder or a pipe named like a list is no list; a pipe would block the
  // program in its opening if it were opened.
  std::filesystem::create_directory(dir.Path("carpeta.lma"));
  ASSERT_EQ(mkfifo(dir.Path("ejemplo").c_str(), 0600), 0);
  for (const char* name : {"no-existe.lma", "carpeta.lma", "ejemplo"})
    files.emplace_back(dir.Path(name), LoadResult::CannotOpen);
  WordList old = OldList();
  const std::string oldShown = Shown(old);
  for (const auto& [path, result] : files) {
    WordList list = OldList();
    EXPECT_EQ(LoadWordFile(path, list), result) << path;
    EXPECT_EQ(Shown(list), oldShown);
    EXPECT_TRUE(list.loaded);
  }
  // A link to a list is read as the list.
  std::filesystem::create_symlink(dir.Write("real.lma", NumberedList(10)), dir.Path("enlace.lma"));
  WordList list;
  EXPECT_EQ(LoadWordFile(dir.Path("enlace.lma"), list), LoadResult::Ok);
}

TEST(WordListTest, StripMarksCountAndCheckLengths) {
  struct Case {
    std::vector<std::string> rawWords;
    std::string words;  // of the counted slots, each followed by a space
    bool allMarked;
    int strippedCount;
    bool lengthsValid;
  };
  const std::string longRaw = "/" + std::string(35, 'a');  // 35 characters to show
  const Case cases[] = {
      {{"ca/sa", "/sol"}, "casa sol ", true, 2, true},
      {{"ca/sa", "sol"}, "casa sol ", false, 2, true},
      {{"/a/b", "x"}, "ab x ", false, 2, false},
      {{"u/no", "/", "t/res"}, "uno  tres ", true, 1, false},
      {{longRaw}, std::string(30, 'a') + " ", true, 1, true},
      {{"pan duro", "co-op"}, "pan duro co-op ", false, 2, true},
  };
  for (const Case& c : cases) {
    WordList list;
    for (std::size_t k = 0; k < c.rawWords.size(); ++k)
      list.slots[k + 1].rawWord = c.rawWords[k];
    list.CountWords(WordField::Raw);
    list.StripMarks();
    std::string words;
    for (int k = 1; k <= list.wordCount; ++k)
      words += list.slots[k].word + " ";
    EXPECT_EQ(words, c.words);
    EXPECT_EQ(list.allMarked, c.allMarked) << c.words;
    EXPECT_EQ(list.CheckWordLengths(), c.lengthsValid) << c.words;
    list.CountWords(WordField::Stripped);
    EXPECT_EQ(list.wordCount, c.strippedCount) << c.words;
  }
}

// Every shipped list loads with at least ten words, all marked and short enough to be
// shown whole in mode 6.
TEST(WordListTest, ShippedListsArePlayable) {
  int lists = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(DATA_DIR)) {
    if (entry.path().extension() != ".lma" && entry.path().filename() != "ejemplo")
      continue;
    WordList list;
    EXPECT_FALSE(CheckWordFile(entry.path().string(), list)) << entry.path();
    EXPECT_TRUE(list.allMarked && !list.theme.empty()) << entry.path();
    for (int k = 1; k <= list.wordCount; ++k) {
      const std::string& raw = list.slots[k].rawWord;
      EXPECT_LE(raw.size() - std::count(raw.begin(), raw.end(), kHideMark), kWordLength) << raw;
    }
    ++lists;
  }
  EXPECT_GE(lists, 3);
}

}  // namespace
