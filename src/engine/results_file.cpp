// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results_file.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <new>

#include "charset.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kNotResultsText =
    "E R R O R\n\nEl fichero no es de Resultados\no no pertenece a esta serie.";
constexpr const char* kCannotReadText = "E R R O R\n\nProblemas al abrir o leer archivo.";
constexpr const char* kTooLongText =
    "ATENCION\n\nEl fichero de Resultados ya es muy largo.\nDebe guardar en otro archivo, con "
    "otro nombre.";
constexpr const char* kCannotCreateText =
    "E R R O R\n\nEl fichero no existe.\nProblemas para crear archivo nuevo.";
constexpr const char* kCannotSaveText =
    "Error.\n\nProblemas para guardar resultados.\n\nPrueba con otro archivo";
constexpr const char* kNoMemoryText = "Opción no disponible\n\nNo hay memoria libre suficiente.";
constexpr const char* kBusyText =
    "El archivo de resultados está ocupado por otro ordenador. Inténtelo otra vez.";

constexpr const char* kOpenTitle = "Abrir archivo de Resultados";
constexpr const char* kPrintTitle = "Imprimir archivo de Resultados";
constexpr const char* kSaveTitle = "Guardar archivo de Resultados";
const std::vector<std::string> kFilters = {"Resultados lurimba (*.rlm)",
                                           "Todos los archivos (*.*)"};

// Field offsets of the 140-byte record.
constexpr std::size_t kNameAt = 0, kNameBytes = 26;
constexpr std::size_t kThemeAt = 26, kThemeBytes = 52;
constexpr std::size_t kYearAt = 78, kDayAt = 82, kMonthAt = 83;
constexpr std::size_t kSolvedAt = 84, kSolvedTotalAt = 108;
constexpr std::size_t kFailedAt = 112, kFailedTotalAt = 136;

void PutText(RecordBytes& bytes, std::size_t at, const std::string& text, std::size_t length) {
  const std::size_t n = std::min(text.size(), length);
  std::memcpy(bytes.data() + at, text.data(), n);
}

std::string GetText(const RecordBytes& bytes, std::size_t at, std::size_t fieldBytes) {
  const auto* begin = reinterpret_cast<const char*>(bytes.data() + at);
  const auto* end = static_cast<const char*>(std::memchr(begin, 0, fieldBytes));
  return std::string(begin, end ? end : begin + fieldBytes);
}

void PutInt32(RecordBytes& bytes, std::size_t at, int value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<unsigned char>(u >> (8 * i));
}

int GetInt32(const RecordBytes& bytes, std::size_t at) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i)
    u |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
  return static_cast<std::int32_t>(u);
}

// Day and month are signed bytes: only the low eight bits of a number are kept.
int GetInt8(const RecordBytes& bytes, std::size_t at) {
  return static_cast<std::int8_t>(bytes[at]);
}

// Readers open regular files only (a pipe would block, a folder reads as an error).
std::FILE* OpenForReading(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(fs::path(path), error))
    return nullptr;
  return std::fopen(path.c_str(), "rb");
}

enum class ReadStatus { Whole, End, Error };

ReadStatus ReadRecord(std::FILE* file, RecordBytes& bytes) {
  const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
  if (got == bytes.size())
    return ReadStatus::Whole;
  return std::ferror(file) ? ReadStatus::Error : ReadStatus::End;
}

// Anything at the path counts, a dangling link or a file nobody may read included.
bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::symlink_status(fs::path(path), error));
}

class BusyCursor {
 public:
  explicit BusyCursor(const std::function<void(bool)>& hook) : hook_(hook) {
    if (hook_)
      hook_(true);
  }
  ~BusyCursor() {
    if (hook_)
      hook_(false);
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  const std::function<void(bool)>& hook_;
};

std::string PlayersBytes(const PlayerTable& players) {
  std::string bytes;
  bytes.reserve(kRecordBytes * players.playerCount);
  for (int k = 0; k < players.playerCount; ++k) {
    const RecordBytes record = EncodeFileRecord(players.records[k]);
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  return bytes;
}

std::string ParentFolder(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

RecordBytes EncodeRecord(const PlayerRecord& record) {
  RecordBytes bytes{};
  PutText(bytes, kNameAt, record.name, kNameLength);
  PutText(bytes, kThemeAt, record.theme, kStoredThemeLength);
  PutInt32(bytes, kYearAt, record.year);
  bytes[kDayAt] = static_cast<unsigned char>(record.day);
  bytes[kMonthAt] = static_cast<unsigned char>(record.month);
  for (int i = 0; i < kModeCount; ++i) {
    PutInt32(bytes, kSolvedAt + 4 * i, record.solved[i]);
    PutInt32(bytes, kFailedAt + 4 * i, record.failed[i]);
  }
  PutInt32(bytes, kSolvedTotalAt, record.solvedTotal);
  PutInt32(bytes, kFailedTotalAt, record.failedTotal);
  return bytes;
}

PlayerRecord DecodeRecord(const RecordBytes& bytes) {
  PlayerRecord record;
  // Another program may fill the whole field: a name is held to what a player's name can be.
  record.name = GetText(bytes, kNameAt, kNameBytes).substr(0, kNameLength);
  record.theme = GetText(bytes, kThemeAt, kThemeBytes);
  record.year = GetInt32(bytes, kYearAt);
  record.day = GetInt8(bytes, kDayAt);
  record.month = GetInt8(bytes, kMonthAt);
  for (int i = 0; i < kModeCount; ++i) {
    record.solved[i] = GetInt32(bytes, kSolvedAt + 4 * i);
    record.failed[i] = GetInt32(bytes, kFailedAt + 4 * i);
  }
  record.solvedTotal = GetInt32(bytes, kSolvedTotalAt);
  record.failedTotal = GetInt32(bytes, kFailedTotalAt);
  return record;
}

RecordBytes EncodeFileRecord(const PlayerRecord& record) {
  PlayerRecord copy = record;
  copy.name = AnsiToOem(copy.name);
  copy.theme = AnsiToOem(copy.theme);
  return EncodeRecord(copy);
}

PlayerRecord DecodeFileRecord(const RecordBytes& bytes) {
  PlayerRecord record = DecodeRecord(bytes);
  record.name = OemToAnsi(record.name);
  record.theme = OemToAnsi(record.theme);
  return record;
}

RecordBytes EncodeResultsHeader(const LocalDate& date) {
  RecordBytes bytes{};
  PutText(bytes, kNameAt, kResultsMagic, kNameBytes - 1);
  PutText(bytes, kThemeAt, kResultsHeaderTheme, kThemeBytes - 1);
  PutInt32(bytes, kYearAt, date.year);
  bytes[kDayAt] = static_cast<unsigned char>(date.day);
  bytes[kMonthAt] = static_cast<unsigned char>(date.month);
  return bytes;
}

bool IsResultsHeader(const RecordBytes& bytes) {
  const std::size_t length = std::strlen(kResultsMagic);
  return std::memcmp(bytes.data(), kResultsMagic, length) == 0 && bytes[length] == 0;
}

ResultsReader::ResultsReader(std::FILE* file, std::string path)
    : file_(file), path_(std::move(path)) {}

bool ResultsReader::Next(PlayerRecord& record) {
  if (failed_ || !file_)
    return false;
  RecordBytes bytes;
  switch (ReadRecord(file_.get(), bytes)) {
    case ReadStatus::Whole:
      record = DecodeFileRecord(bytes);
      return true;
    case ReadStatus::Error:
      failed_ = true;
      return false;
    case ReadStatus::End:
      return false;
  }
  return false;
}

std::string ResultsReader::FileName() const {
  return path_.substr(path_.find_last_of('/') + 1);
}

bool ResultsReader::ReadAll(std::vector<PlayerRecord>& records, std::size_t keep) {
  for (PlayerRecord record; Next(record);) {
    if (records.size() < keep)
      records.push_back(std::move(record));
  }
  return !failed_;
}

std::optional<ResultsReader> OpenResultsFile(const std::string& path, std::string& failure) {
  std::FILE* file = OpenForReading(path);
  if (!file) {
    failure = Ansi(kCannotReadText);
    return std::nullopt;
  }
  ResultsReader reader(file, path);
  RecordBytes header;
  switch (ReadRecord(file, header)) {
    case ReadStatus::Error:
      failure = Ansi(kCannotReadText);
      return std::nullopt;
    case ReadStatus::End:  // shorter than a header
      failure = Ansi(kNotResultsText);
      return std::nullopt;
    case ReadStatus::Whole:
      break;
  }
  if (!IsResultsHeader(header)) {
    failure = Ansi(kNotResultsText);
    return std::nullopt;
  }
  return reader;
}

std::optional<std::vector<PlayerRecord>> ReadResultsFile(const std::string& path,
                                                         std::string& failure) {
  std::optional<ResultsReader> reader = OpenResultsFile(path, failure);
  if (!reader)
    return std::nullopt;
  try {
    std::vector<PlayerRecord> records;
    if (!reader->ReadAll(records)) {
      failure = Ansi(kCannotReadText);
      return std::nullopt;
    }
    return records;
  } catch (const std::bad_alloc&) {
    failure = Ansi(kNoMemoryText);
    return std::nullopt;
  }
}

ResultsFiles::ResultsFiles(Prompter& prompter, SharedFiles& shared, const LocalDate& today)
    : prompter_(prompter), shared_(shared), header_(EncodeResultsHeader(today)) {}

std::string ResultsFiles::DefaultPath(const std::string& gameFolder) {
  const std::string pattern = FolderPattern(gameFolder);
  return ParentFolder(pattern) + "/resultad.rlm";
}

std::string ResultsFiles::FolderPattern(const std::string& gameFolder) {
  std::string folder = gameFolder;
  if (!folder.empty() && folder.back() == '/')
    folder.pop_back();
  return folder + "/resultad/*.rlm";
}

void ResultsFiles::Fail(const char* text) {
  prompter_.Beep();
  prompter_.Stop(Ansi(text), kCaption);
}

std::optional<ResultsReader> ResultsFiles::CheckResultsHeader(const std::string& path) {
  BusyCursor busy(onBusy);
  std::string failure;
  std::optional<ResultsReader> reader = OpenResultsFile(path, failure);
  if (!reader) {
    prompter_.Beep();
    prompter_.Stop(failure, kCaption);
  }
  return reader;
}

std::optional<ResultsReader> ResultsFiles::ChooseResultsFileToRead() {
  return ChooseResultsFile(kOpenTitle, "");
}

std::optional<ResultsReader> ResultsFiles::ChooseResultsFileToPrint() {
  return ChooseResultsFile(kPrintTitle, "Imprimir");
}

std::optional<ResultsReader> ResultsFiles::ChooseResultsFile(const char* title,
                                                             const char* acceptLabel) {
  const OpenFileRequest request{title, ParentFolder(resultsPath) + "/*.rlm", kFilters, acceptLabel};
  for (;;) {
    const auto path = prompter_.AskOpenFile(request);
    if (!path)
      return std::nullopt;
    if (auto reader = CheckResultsHeader(*path)) {
      resultsPath = *path;
      return reader;
    }
  }
}

int ResultsFiles::LoadFilePlayers() {
  std::optional<ResultsReader> reader = ChooseResultsFileToRead();
  if (!reader)
    return 0;
  BusyCursor busy(onBusy);
  try {
    std::vector<PlayerRecord> players;
    players.reserve(kMaxFileRecords);
    // The whole file is read, as its records are counted; only the first fifty are kept.
    if (!reader->ReadAll(players, kMaxFileRecords))
      return 0;
    filePlayers = std::move(players);
  } catch (const std::bad_alloc&) {
    filePlayers.clear();
    Fail(kNoMemoryText);
    return 0;
  }
  return FilePlayerCount();
}

bool ResultsFiles::ChooseResultsFileToWrite(const PlayerTable& players) {
  std::error_code error;
  fs::create_directories(fs::path(ParentFolder(resultsPath)), error);
  for (;;) {
    // After a failed save the dialog comes back proposing the file it failed on.
    const auto path = prompter_.AskSaveFile({kSaveTitle, resultsPath, kFilters});
    if (!path)
      return false;
    resultsPath = *path;
    if (AppendPlayerRecords(players))
      return true;
  }
}

bool ResultsFiles::AppendPlayerRecords(const PlayerTable& players) {
  BusyCursor busy(onBusy);
  const std::string added = PlayersBytes(players);
  const char* refusal = nullptr;
  bool existed = false;
  // What the file holds at the moment of saving, perhaps saved by another computer a moment
  // ago: the new records go after its last whole one. A partial record another program left
  // at the end is written over rather than shifting every new one.
  const auto append = [&](const std::optional<std::string>& now) -> std::optional<std::string> {
    if (!now)
      return std::string(reinterpret_cast<const char*>(header_.data()), header_.size()) + added;
    existed = true;
    RecordBytes first{};
    if (now->size() >= kRecordBytes)
      std::copy_n(now->begin(), kRecordBytes, first.begin());
    if (now->size() < kRecordBytes || !IsResultsHeader(first)) {
      refusal = kNotResultsText;
      return std::nullopt;
    }
    const std::size_t records = now->size() / kRecordBytes - 1;
    if (records + players.playerCount > kMaxFileRecords) {
      refusal = kTooLongText;
      return std::nullopt;
    }
    return now->substr(0, kRecordBytes * (records + 1)) + added;
  };
  switch (shared_.Update(resultsPath, append)) {
    case SharedSave::Saved:
      return true;
    case SharedSave::Kept:
      Fail(refusal);
      return false;
    case SharedSave::Busy:
      Fail(kBusyText);
      return false;
    case SharedSave::CannotRead:
      prompter_.Plain(kCannotSaveText);
      return false;
    case SharedSave::CannotWrite:
      // An existing file is never recreated: when it cannot be written it is left alone.
      if (existed || Exists(resultsPath))
        prompter_.Plain(kCannotSaveText);
      else
        Fail(kCannotCreateText);
      return false;
  }
  return false;
}
