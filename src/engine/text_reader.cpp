// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text_reader.h"

#include <filesystem>
#include <system_error>

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

TextReader::TextReader(const std::string& path) {
  if (IsRegularFile(path))
    file_ = std::fopen(path.c_str(), "rb");
}

TextReader::~TextReader() {
  if (file_)
    std::fclose(file_);
}

int TextReader::NextChar() {
  if (ended_)
    return EOF;
  int c = std::getc(file_);
  if (c == '\r') {
    const int next = std::getc(file_);
    if (next == '\n')
      return '\n';
    if (next != EOF)
      std::ungetc(next, file_);
  }
  if (c == 0x1A || c == EOF) {
    ended_ = true;
    return EOF;
  }
  return c;
}

TextReader::Status TextReader::Read(std::string& text, int capacity) {
  text.clear();
  for (int count = 0; count < capacity - 1; ++count) {
    const int c = NextChar();
    if (c == EOF)
      return std::ferror(file_) ? Status::Error : Status::End;
    text += static_cast<char>(c);
    if (c == '\n')
      break;
  }
  if (std::ferror(file_))
    return Status::Error;
  // The buffer is a C string: a NUL byte ends what the read gave.
  const auto nul = text.find('\0');
  if (nul != std::string::npos)
    text.resize(nul);
  return Status::Line;
}

void DropLineEnd(std::string& text) {
  if (!text.empty())
    text.pop_back();
}
