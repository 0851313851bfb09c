// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reader behind word lists: what the list tests do not reach.
#include "text_reader.h"

#include <gtest/gtest.h>

#include "list_files.h"

namespace {

using Status = TextReader::Status;

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

const Read End{Status::End, ""};
Read Line(std::string text) {
  return {Status::Line, std::move(text)};
}

TEST(TextReaderTest, ReadsLikeDosTextMode) {
  const ReaderCase cases[] = {
      {"LoneCrIsKept", "a\rb\n", 82, {Line("a\rb\n")}},
      {"CrLfAcrossTheLimit", "abc\r\nd\n", 4, {Line("abc"), Line("\n"), Line("d\n")}},
      // Ctrl-Z (octal 032) ends the file, inside a line or after a CR.
      {"CtrlZInsideALine", "ab\ncd\032ef\n", 82, {Line("ab\n"), End}},
      {"CrBeforeCtrlZ", "ab\r\032cd\n", 82, {End}}};
  TempDir dir;
  for (const ReaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    TextReader reader(dir.Write(c.name, c.bytes));
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
}

}  // namespace
