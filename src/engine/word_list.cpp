// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_list.h"

#include "charset.h"
#include "text_reader.h"

namespace {

// A line holds 80 characters and its line end; reads go through an 82-byte buffer.
constexpr int kLineBuffer = 82;

// Reads one line, drops its line end and converts it from code page 850.
TextReader::Status ReadField(TextReader& reader, std::string& field, std::size_t limit) {
  std::string text;
  const TextReader::Status status = reader.Read(text, kLineBuffer);
  if (status != TextReader::Status::Line)
    return status;
  DropLineEnd(text);
  field = OemToAnsi(text).substr(0, limit);
  return status;
}

}  // namespace

void WordList::Clear() {
  for (WordEntry& entry : slots)
    entry = WordEntry{};
  loaded = false;
}

void WordList::CountWords(WordField field) {
  int count = 0;
  while (count < kMaxWords) {
    const WordEntry& entry = slots[count + 1];
    if ((field == WordField::Raw ? entry.rawWord : entry.word).empty())
      break;
    ++count;
  }
  wordCount = count;
}

void WordList::StripMarks() {
  allMarked = true;
  for (int k = 1; k <= wordCount; ++k) {
    WordEntry& entry = slots[k];
    entry.word.clear();
    for (char c : entry.rawWord) {
      if (c != kHideMark)
        entry.word += c;
    }
    if (entry.word.size() > kWordLength)
      entry.word.resize(kWordLength);
    if (entry.rawWord.find(kHideMark) == std::string::npos)
      allMarked = false;
  }
}

bool WordList::CheckWordLengths() const {
  for (int k = 1; k <= wordCount; ++k) {
    if (slots[k].word.size() < 2)
      return false;
  }
  return true;
}

LoadResult LoadWordFile(const std::string& path, WordList& list) {
  TextReader reader(path);
  if (!reader.IsOpen())
    return LoadResult::CannotOpen;

  std::string magic;
  switch (ReadField(reader, magic, kLineBuffer)) {
    case TextReader::Status::Error:
      return LoadResult::FirstLineError;
    case TextReader::Status::End:
      return LoadResult::WrongType;
    case TextReader::Status::Line:
      if (magic != kWordListMagic)
        return LoadResult::WrongType;
      break;
  }

  list.Clear();
  list.theme.clear();
  using Status = TextReader::Status;
  Status status = ReadField(reader, list.theme, kThemeLength);
  for (int k = 1; k <= kMaxWords && status == Status::Line; ++k) {
    status = ReadField(reader, list.slots[k].rawWord, kRawWordLength);
    if (status == Status::Line)
      status = ReadField(reader, list.slots[k].hint, kHintLength);
  }
  if (status == Status::Error)
    return LoadResult::ReadError;
  list.loaded = true;
  return LoadResult::Ok;
}
