// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reads a text file as DOS text mode does, one fixed-size read at a time.
#pragma once

#include <cstdio>
#include <string>

class TextReader {
 public:
  // `path` is UTF-8, as file names on disk are. Only a regular file opens.
  explicit TextReader(const std::string& path);
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }

  enum class Status { Line, End, Error };

  // One read of at most `capacity` - 1 bytes that stops after a line end, like
  // fgets. CR LF arrives as LF, a byte 0x1A ends the file. A read that runs into
  // the end of the file gives End, and its bytes are lost: a last line without a
  // line end is never seen. `text` keeps the line end and stops at a NUL byte.
  Status Read(std::string& text, int capacity);

 private:
  int NextChar();

  std::FILE* file_ = nullptr;
  bool ended_ = false;
};

// Whether `path` (Windows-1252) names a regular file, or a link to one. A pipe
// would block the program in its opening and a folder or device is no text: the
// readers open neither.
bool IsRegularFile(const std::string& path);

// Removes the last character of a read (the line end), if it has one.
void DropLineEnd(std::string& text);
