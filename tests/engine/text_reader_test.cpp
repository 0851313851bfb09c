// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list_files.h"

namespace {

using Status = TextReader::Status;
using namespace std::string_literals;

struct Read {
  Status status;
  std::string text;
};

struct ReaderCase {
  const char* name;
  std::string bytes;
  int capacity;
  std::vector<Read> reads;  // then End
};

class TextReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(TextReaderTest, ReadsLikeDosTextMode) {
  const ReaderCase& c = GetParam();
  TempDir dir;
  TextReader reader(dir.Write("file.txt", c.bytes));
  ASSERT_TRUE(reader.IsOpen());
  std::string text;
  for (const Read& expected : c.reads) {
    ASSERT_EQ(reader.Read(text, c.capacity), expected.status);
    if (expected.status == Status::Line) {
      EXPECT_EQ(text, expected.text);
    }
  }
  EXPECT_EQ(reader.Read(text, c.capacity), Status::End);
  EXPECT_EQ(reader.Read(text, c.capacity), Status::End);
}

const Read End{Status::End, ""};
Read Line(std::string text) {
  return {Status::Line, std::move(text)};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TextReaderTest,
    testing::Values(
        ReaderCase{"CrLfAndLf", "ab\r\ncd\nef\r\n", 82, {Line("ab\n"), Line("cd\n"), Line("ef\n")}},
        ReaderCase{"LastLineWithoutEndIsLost", "ab\ncd", 82, {Line("ab\n"), End}},
        ReaderCase{"EmptyFile", "", 82, {End}},
        ReaderCase{"LoneCrIsKept", "a\rb\n", 82, {Line("a\rb\n")}},
        ReaderCase{"LongLineIsSplit", "abcdef\n", 4, {Line("abc"), Line("def"), Line("\n")}},
        ReaderCase{"CrLfAcrossTheLimit", "abc\r\nd\n", 4, {Line("abc"), Line("\n"), Line("d\n")}},
        ReaderCase{"CtrlZEndsTheFile",
                   "ab\n\x1A"
                   "cd\n",
                   82,
                   {Line("ab\n"), End}},
        ReaderCase{"CtrlZInsideALine",
                   "ab\ncd\x1A"
                   "ef\n",
                   82,
                   {Line("ab\n"), End}},
        ReaderCase{"CrBeforeCtrlZ",
                   "ab\r\x1A"
                   "cd\n",
                   82,
                   {End}},
        ReaderCase{"NulStartsTheRead", "\0xy\nzz\n"s, 82, {Line(""), Line("zz\n")}},
        ReaderCase{"NulInsideTheRead", "ab\0cd\nzz\n"s, 82, {Line("ab"), Line("zz\n")}}),
    [](const testing::TestParamInfo<ReaderCase>& info) { return info.param.name; });

TEST(TextReaderTest, MissingFileDoesNotOpen) {
  TempDir dir;
  EXPECT_FALSE(TextReader(dir.Path("missing")).IsOpen());
}

TEST(TextReaderTest, DropLineEndRemovesTheLastCharacterOnly) {
  for (const auto& [before, after] : std::vector<std::pair<std::string, std::string>>{
           {"ab\n", "ab"}, {"abc", "ab"}, {"x", ""}, {"", ""}}) {
    std::string text = before;
    DropLineEnd(text);
    EXPECT_EQ(text, after) << "from \"" << before << "\"";
  }
}

}  // namespace
