// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results files (".rlm"): the players' counters as a teacher keeps them. A file
// is a 140-byte header record followed by at most fifty 140-byte player records;
// names and themes are code page 850 on disk and Windows-1252 in memory.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "player_entry.h"
#include "players.h"
#include "prompter.h"
#include "shared_file.h"

inline constexpr std::size_t kRecordBytes = 140;
inline constexpr int kMaxFileRecords = 50;
inline constexpr std::size_t kStoredThemeLength = 49;
inline constexpr const char* kResultsMagic = "TAMU LURIMB RESULT WIN32";
inline constexpr const char* kResultsHeaderTheme = "REGISTRO DE CONTROL";

using RecordBytes = std::array<unsigned char, kRecordBytes>;

// A record's 140 bytes as stored, without any code-page change. A name longer
// than 19 characters or a theme longer than 49 is cut; unused bytes are zero.
RecordBytes EncodeRecord(const PlayerRecord& record);
// Name and theme end at their first zero, or at the last byte of their field; a
// name keeps at most 19 characters.
PlayerRecord DecodeRecord(const RecordBytes& bytes);
// The same, with name and theme converted to and from code page 850.
RecordBytes EncodeFileRecord(const PlayerRecord& record);
PlayerRecord DecodeFileRecord(const RecordBytes& bytes);

// The first record of every results file: the magic, "REGISTRO DE CONTROL" and the date.
RecordBytes EncodeResultsHeader(const LocalDate& date);
// True when the zero-terminated text at the start of `bytes` is the magic.
bool IsResultsHeader(const RecordBytes& bytes);

// An open results file, just after its header: reads its whole records in file order.
class ResultsReader {
 public:
  ResultsReader(std::FILE* file, std::string path);
  // The next whole record (name and theme in Windows-1252); false at the end of the
  // file, at a trailing incomplete record or on a read failure (then Failed()).
  bool Next(PlayerRecord& record);
  bool Failed() const { return failed_; }
  // The path of the file (UTF-8).
  const std::string& Path() const { return path_; }
  // The name and extension of the file, without its folder.
  std::string FileName() const;
  // Reads every whole record left, in file order, and keeps the first `keep` of them
  // in `records`; false on a read failure.
  bool ReadAll(std::vector<PlayerRecord>& records, std::size_t keep = SIZE_MAX);

 private:
  struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::string path_;
  bool failed_ = false;
};

// Opens the results file at `path` just after its header, read-only. Nothing when it
// cannot be opened or read or is not a results file: `failure` then holds the
// message for it (Windows-1252).
std::optional<ResultsReader> OpenResultsFile(const std::string& path, std::string& failure);
// Every whole record of the results file at `path`, in file order, however many there
// are; a trailing incomplete record is left out. Nothing, with its message in
// `failure`, when the file cannot be read whole or is not a results file.
std::optional<std::vector<PlayerRecord>> ReadResultsFile(const std::string& path,
                                                         std::string& failure);

// The results file in use and the players read from one, with the file commands of
// the results window. Paths are UTF-8; every message goes through the prompter, and
// every save through `shared` (other computers may save into the same file).
class ResultsFiles {
 public:
  ResultsFiles(Prompter& prompter, SharedFiles& shared, const LocalDate& today);

  std::string resultsPath;
  std::vector<PlayerRecord> filePlayers;  // at most fifty, in file order
  int FilePlayerCount() const { return static_cast<int>(filePlayers.size()); }
  const RecordBytes& Header() const { return header_; }

  // Shows and hides the hourglass while a file is read or written.
  std::function<void(bool busy)> onBusy;

  // "<folder>/resultad/resultad.rlm" and "<folder>/resultad/*.rlm".
  static std::string DefaultPath(const std::string& gameFolder);
  static std::string FolderPattern(const std::string& gameFolder);

  // Opens `path` and checks its header; reports and gives nothing on failure.
  std::optional<ResultsReader> CheckResultsHeader(const std::string& path);
  // The open dialog in the folder of resultsPath until a results file is chosen or
  // the user cancels.
  std::optional<ResultsReader> ChooseResultsFileToRead();
  // The same dialog, titled and labelled for choosing the file to print.
  std::optional<ResultsReader> ChooseResultsFileToPrint();
  // Chooses a file and reads its first fifty players into filePlayers; the number
  // read, 0 when the user cancelled or reading failed (filePlayers then unchanged).
  int LoadFilePlayers();
  // The save dialog (its folder made first when missing) until the players are
  // stored or the user cancels.
  bool ChooseResultsFileToWrite(const PlayerTable& players);
  // Adds the records of players 1..playerCount after the records the file at
  // resultsPath holds at that moment, creating it with its header when there is
  // none. All or nothing: on any failure the file stays as it was.
  bool AppendPlayerRecords(const PlayerTable& players);

 private:
  void Fail(const char* text);
  std::optional<ResultsReader> ChooseResultsFile(const char* title, const char* acceptLabel);

  Prompter& prompter_;
  SharedFiles& shared_;
  RecordBytes header_;
};
