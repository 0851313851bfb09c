// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results files: the record layout, reading, appending and every failure.
#include "results_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "charset.h"
#include "fakes.h"
#include "list_files.h"

namespace fs = std::filesystem;

namespace {

const LocalDate kStart{2001, 5, 3};
const std::string kNotResults =
    Ansi("E R R O R\n\nEl fichero no es de Resultados\no no pertenece a esta serie.");
const std::string kCannotRead = "E R R O R\n\nProblemas al abrir o leer archivo.";
const std::string kTooLong =
    "ATENCION\n\nEl fichero de Resultados ya es muy largo.\nDebe guardar en otro archivo, con "
    "otro nombre.";
const std::string kCannotCreate =
    "E R R O R\n\nEl fichero no existe.\nProblemas para crear archivo nuevo.";
const std::string kCannotSave =
    "Error.\n\nProblemas para guardar resultados.\n\nPrueba con otro archivo";

// The bytes of a file; what is no file at all reads as a mark of its own.
std::string ReadAll(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error))
    return "<no file>";
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Int32(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// A record built by hand, byte by byte, as the file holds it.
std::string HandRecord(const std::string& oemName, const std::string& oemTheme, int year, int day,
                       int month, int base) {
  std::string bytes(140, '\0');
  bytes.replace(0, oemName.size(), oemName);
  bytes.replace(26, oemTheme.size(), oemTheme);
  Int32(bytes, 78, static_cast<std::uint32_t>(year));
  bytes[82] = static_cast<char>(day);
  bytes[83] = static_cast<char>(month);
  for (int i = 0; i < 6; ++i) {
    Int32(bytes, 84 + 4 * i, base + i);
    Int32(bytes, 112 + 4 * i, base + 10 + i);
  }
  Int32(bytes, 108, base + 100);
  Int32(bytes, 136, base + 200);
  return bytes;
}

std::string HandHeader() {
  std::string bytes(140, '\0');
  bytes.replace(0, 24, "TAMU LURIMB RESULT WIN32");
  bytes.replace(26, 19, "REGISTRO DE CONTROL");
  Int32(bytes, 78, 2001);
  bytes[82] = 5;
  bytes[83] = 3;
  return bytes;
}

PlayerRecord Player(const std::string& name, int base, const std::string& theme = "Animales") {
  PlayerRecord record;
  record.name = name;
  record.theme = theme;
  record.year = 2001;
  record.day = 5;
  record.month = 3;
  for (int i = 0; i < 6; ++i) {
    record.solved[i] = base + i;
    record.failed[i] = base + 10 + i;
  }
  record.solvedTotal = base + 100;
  record.failedTotal = base + 200;
  return record;
}

// A results file of `count` records "J1", "J2" ..., plus `tail` stray bytes.
std::string FileBytes(int count, std::size_t tail = 0) {
  std::string bytes = HandHeader();
  for (int k = 1; k <= count; ++k)
    bytes += HandRecord("J" + std::to_string(k), "Tema", 2001, 5, 3, k);
  return bytes + std::string(tail, 'x');
}

PlayerTable Group(int count) {
  PlayerTable players;
  players.playerCount = count;
  for (int k = 0; k < count; ++k)
    players.records[k] = Player("Nuevo" + std::to_string(k + 1), 1000 * (k + 1));
  return players;
}

class ResultsFileTest : public ::testing::Test {
 protected:
  CallLog log;
  FakePrompter prompter{log};
  ResultsFiles files{prompter, kStart};
  TempDir dir;

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Message& m : prompter.messages)
      texts.push_back(m.text);
    return texts;
  }
};

}  // namespace

TEST_F(ResultsFileTest, NewFileMatchesTheBytesBuiltByHand) {
  PlayerTable players;
  players.playerCount = 2;
  players.records[0] = Player(Ansi("Begoña"), 1);
  players.records[1] = Player(Ansi("ÑANDÚ"), 32700, Ansi("Árboles del camión"));
  players.records[1].solved[5] = -7;  // a damaged counter is stored as it is
  files.resultsPath = dir.Path("nuevo.rlm");

  ASSERT_TRUE(files.AppendPlayerRecords(players));
  const std::string expected = HandHeader() +
                               HandRecord(
                                   "Bego\xA4"
                                   "a",
                                   "Animales", 2001, 5, 3, 1) +
                               [] {
                                 std::string r = HandRecord(
                                     "\xA5"
                                     "AND\xE9",
                                     "\xB5rboles del cami\xA2n", 2001, 5, 3, 32700);
                                 Int32(r, 84 + 20, static_cast<std::uint32_t>(-7));
                                 return r;
                               }();
  EXPECT_EQ(ReadAll(files.resultsPath), expected);
  EXPECT_TRUE(prompter.messages.empty());
  // The table keeps its Windows-1252 names.
  EXPECT_EQ(players.records[1].name, Ansi("ÑANDÚ"));
}

TEST_F(ResultsFileTest, RecordsReadBackAsTheyWereWrittenWithinTheirFields) {
  PlayerRecord record = Player(Ansi("ÑANDÚ"), 5);
  record.day = -3;  // signed bytes
  record.year = -1;
  EXPECT_EQ(DecodeFileRecord(EncodeFileRecord(record)), record);
  EXPECT_EQ(DecodeRecord(EncodeRecord(record)), record);
  record.day = 300;  // only the low eight bits of a day are kept
  EXPECT_EQ(DecodeRecord(EncodeRecord(record)).day, 44);

  // Long text is cut on writing and read within its field.
  const RecordBytes bytes = EncodeRecord(Player(std::string(25, 'n'), 0, std::string(60, 't')));
  EXPECT_EQ(DecodeRecord(bytes).name, std::string(19, 'n'));
  EXPECT_EQ(DecodeRecord(bytes).theme, std::string(49, 't'));
  EXPECT_EQ(bytes[19], 0);
  EXPECT_EQ(bytes[26 + 49], 0);
  // A field another program filled to its last byte ends there, never past it.
  RecordBytes full = bytes;
  std::fill(full.begin(), full.begin() + 78, 'z');
  EXPECT_EQ(DecodeRecord(full).name, std::string(26, 'z'));
  EXPECT_EQ(DecodeRecord(full).theme, std::string(52, 'z'));
  // Bytes after the terminating zero carry no meaning.
  RecordBytes junk = bytes;
  junk[22] = 'q';
  EXPECT_EQ(DecodeRecord(junk).name, std::string(19, 'n'));
}

TEST_F(ResultsFileTest, HeaderIsRecognisedByItsMagicOnly) {
  RecordBytes header = EncodeResultsHeader({1999, 1, 1});
  EXPECT_TRUE(IsResultsHeader(header));
  header[50] = 'x';  // the rest of the header is not checked
  EXPECT_TRUE(IsResultsHeader(header));
  RecordBytes longer = header;
  longer[24] = 'S';  // "...WIN32S" is another text
  EXPECT_FALSE(IsResultsHeader(longer));
  for (std::size_t i = 0; i < 24; ++i) {
    RecordBytes changed = header;
    changed[i] ^= 0x20;
    EXPECT_FALSE(IsResultsHeader(changed)) << "character " << i;
  }
}

TEST_F(ResultsFileTest, SavingTwiceStoresTwiceInSaveOrder) {
  files.resultsPath = dir.Path("dos.rlm");
  const PlayerTable players = Group(2);
  ASSERT_TRUE(files.AppendPlayerRecords(players));
  ASSERT_TRUE(files.AppendPlayerRecords(players));
  const std::string bytes = ReadAll(files.resultsPath);
  ASSERT_EQ(bytes.size(), 140u * 5);
  EXPECT_EQ(bytes.substr(140, 280), bytes.substr(420, 280));
  EXPECT_EQ(bytes.substr(0, 140), HandHeader());
}

struct LimitCase {
  const char* name;
  int inFile;
  int players;
  bool fits;
};

class RecordLimitTest : public ResultsFileTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(RecordLimitTest, AtMostFiftyRecords) {
  const LimitCase& c = GetParam();
  files.resultsPath = dir.Write("lleno.rlm", FileBytes(c.inFile));
  EXPECT_EQ(files.AppendPlayerRecords(Group(c.players)), c.fits);
  const std::size_t records = c.fits ? c.inFile + c.players : c.inFile;
  EXPECT_EQ(ReadAll(files.resultsPath).size(), 140 * (records + 1));
  if (c.fits) {
    EXPECT_TRUE(prompter.messages.empty());
  } else {
    EXPECT_EQ(Texts(), std::vector<std::string>{kTooLong});
    EXPECT_EQ(log.Find("Beep"), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Limits, RecordLimitTest,
                         ::testing::Values(LimitCase{"FortyEightTakeTwo", 48, 2, true},
                                           LimitCase{"FortyEightRefuseThree", 48, 3, false},
                                           LimitCase{"FortyNineTakeOne", 49, 1, true},
                                           LimitCase{"FiftyRefuseOne", 50, 1, false},
                                           LimitCase{"EmptyFileTakesTen", 0, 10, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsFileTest, PartialRecordIsNotCountedAndIsWrittenOver) {
  files.resultsPath = dir.Write("parcial.rlm", FileBytes(2, 70));
  prompter.files = {files.resultsPath};
  EXPECT_EQ(files.LoadFilePlayers(), 2);
  ASSERT_EQ(files.FilePlayerCount(), 2);
  EXPECT_EQ(files.filePlayers[1].name, "J2");

  ASSERT_TRUE(files.AppendPlayerRecords(Group(1)));
  const std::string bytes = ReadAll(files.resultsPath);
  ASSERT_EQ(bytes.size(), 140u * 4);
  RecordBytes third;
  std::copy(bytes.begin() + 420, bytes.end(), third.begin());
  EXPECT_EQ(DecodeFileRecord(third).name, "Nuevo1");
}

TEST_F(ResultsFileTest, OnlyTheFirstFiftyPlayersAreKeptForViewing) {
  files.resultsPath = dir.Write("largo.rlm", FileBytes(53));
  prompter.files = {files.resultsPath};
  EXPECT_EQ(files.LoadFilePlayers(), 50);
  ASSERT_EQ(files.filePlayers.size(), 50u);
  EXPECT_EQ(files.filePlayers.front().name, "J1");
  EXPECT_EQ(files.filePlayers.back().name, "J50");
  EXPECT_EQ(files.filePlayers.back().solvedTotal, 150);
  EXPECT_EQ(files.filePlayers.back().theme, "Tema");
}

TEST_F(ResultsFileTest, ReadingAWholeFileKeepsEveryWholeRecord) {
  const std::string path = dir.Write("largo.rlm", FileBytes(53, 70));
  std::string failure;
  const auto records = ReadResultsFile(path, failure);
  ASSERT_TRUE(records.has_value()) << failure;
  ASSERT_EQ(records->size(), 53u);
  EXPECT_EQ(records->back().name, "J53");
  EXPECT_EQ(records->back().failedTotal, 253);
}

// Every way reading can fail: the message, and the players read before stay.
struct ReadFailure {
  const char* name;
  std::function<std::string(TempDir&)> make;  // returns the path to choose
  std::string message;
};

class ReadFailureTest : public ResultsFileTest,
                        public ::testing::WithParamInterface<ReadFailure> {};

TEST_P(ReadFailureTest, ReportsAndKeepsThePlayersRead) {
  prompter.files = {dir.Write("bueno.rlm", FileBytes(3))};
  files.resultsPath = ResultsFiles::FolderPattern(dir.Folder());
  ASSERT_EQ(files.LoadFilePlayers(), 3);
  const std::string goodPath = files.resultsPath;

  const std::string path = GetParam().make(dir);
  const std::string before = ReadAll(path);
  prompter.files = {path, std::nullopt};
  EXPECT_EQ(files.LoadFilePlayers(), 0);
  EXPECT_EQ(Texts(), std::vector<std::string>{GetParam().message});
  EXPECT_EQ(log.Count("AskOpenFile"), 3);  // the dialog came back after the failure
  EXPECT_EQ(log.Find("Beep"), log.Find("Stop") - 1);
  EXPECT_EQ(files.FilePlayerCount(), 3);
  EXPECT_EQ(files.resultsPath, goodPath);
  EXPECT_EQ(ReadAll(path), before);
}

// The companion program reads a whole file with the same rules and the same messages.
TEST_P(ReadFailureTest, ReadingAWholeFileGivesTheSameMessage) {
  const std::string path = GetParam().make(dir);
  const std::string before = ReadAll(path);
  std::string failure;
  EXPECT_FALSE(ReadResultsFile(path, failure).has_value());
  EXPECT_EQ(failure, GetParam().message);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reading, ReadFailureTest,
    ::testing::Values(
        ReadFailure{"Empty", [](TempDir& d) { return d.Write("vacio.rlm", ""); }, kNotResults},
        ReadFailure{"ShorterThanAHeader",
                    [](TempDir& d) { return d.Write("corto.rlm", FileBytes(0).substr(0, 139)); },
                    kNotResults},
        ReadFailure{"OneCharacterDiffers",
                    [](TempDir& d) {
                      std::string bytes = FileBytes(2);
                      bytes[5] = 'l';
                      return d.Write("otro.rlm", bytes);
                    },
                    kNotResults},
        ReadFailure{"Missing", [](TempDir& d) { return d.Path("no-hay.rlm"); }, kCannotRead},
        ReadFailure{"Folder",
                    [](TempDir& d) {
                      fs::create_directory(d.Path("carpeta.rlm"));
                      return d.Path("carpeta.rlm");
                    },
                    kCannotRead}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsFileTest, OpenDialogStartsInTheFolderOfTheFileInUse) {
  files.resultsPath = dir.Folder() + "/resultad/grupo.rlm";
  prompter.files = {std::nullopt};
  EXPECT_EQ(files.LoadFilePlayers(), 0);
  ASSERT_EQ(prompter.requests.size(), 1u);
  EXPECT_EQ(prompter.requests[0].pattern, dir.Folder() + "/resultad/*.rlm");
  EXPECT_EQ(prompter.requests[0].title, "Abrir archivo de Resultados");
  EXPECT_EQ(prompter.requests[0].filters,
            (std::vector<std::string>{"Resultados lurimba (*.rlm)", "Todos los archivos (*.*)"}));
  EXPECT_TRUE(prompter.messages.empty());
}

// Every way appending can fail: its message, beep or none, and the file untouched.
struct AppendFailure {
  const char* name;
  std::function<std::string(TempDir&)> make;  // returns the path to save to
  std::string message;
  bool beep;
};

class AppendFailureTest : public ResultsFileTest,
                          public ::testing::WithParamInterface<AppendFailure> {};

TEST_P(AppendFailureTest, ReportsAndLeavesTheFileAsItWas) {
  const std::string path = GetParam().make(dir);
  std::error_code none;
  const bool existed = fs::exists(fs::symlink_status(path, none));
  const std::string before = ReadAll(path);
  files.resultsPath = path;
  EXPECT_FALSE(files.AppendPlayerRecords(Group(2)));
  EXPECT_EQ(Texts(), std::vector<std::string>{GetParam().message});
  EXPECT_EQ(log.Count("Beep"), GetParam().beep ? 1 : 0);
  EXPECT_EQ(fs::exists(fs::symlink_status(path, none)), existed);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_FALSE(fs::exists(dir.Path("destino.rlm")));  // a dangling link is never followed
}

INSTANTIATE_TEST_SUITE_P(
    Appending, AppendFailureTest,
    ::testing::Values(
        AppendFailure{"NotAResultsFile",
                      [](TempDir& d) { return d.Write("carta.rlm", std::string(300, 'a')); },
                      kNotResults, true},
        AppendFailure{"EmptyFile", [](TempDir& d) { return d.Write("vacio.rlm", ""); }, kNotResults,
                      true},
        AppendFailure{"FolderMissing", [](TempDir& d) { return d.Path("no/hay/grupo.rlm"); },
                      kCannotCreate, true},
        // Something is there that cannot be read: it is never recreated.
        AppendFailure{"DanglingLink",
                      [](TempDir& d) {
                        fs::create_symlink(d.Path("destino.rlm"), d.Path("enlace.rlm"));
                        return d.Path("enlace.rlm");
                      },
                      kCannotSave, false},
        AppendFailure{"Folder",
                      [](TempDir& d) {
                        fs::create_directory(d.Path("carpeta.rlm"));
                        return d.Path("carpeta.rlm");
                      },
                      kCannotSave, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The disk refuses to grow the file past `limit` bytes while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldSignal_);
  }

 private:
  rlimit saved_{};
  void (*oldSignal_)(int) = nullptr;
};

TEST_F(ResultsFileTest, FailedWriteLeavesTheOldFileOrNone) {
  files.resultsPath = dir.Path("nuevo.rlm");
  {
    FileSizeLimit limit(200);
    EXPECT_FALSE(files.AppendPlayerRecords(Group(1)));
  }
  EXPECT_FALSE(fs::exists(files.resultsPath));

  prompter.messages.clear();
  files.resultsPath = dir.Write("disco.rlm", FileBytes(2, 30));
  const std::string before = ReadAll(files.resultsPath);
  {
    FileSizeLimit limit(before.size() + 100);  // room for part of one record only
    EXPECT_FALSE(files.AppendPlayerRecords(Group(3)));
  }
  EXPECT_EQ(Texts(), std::vector<std::string>{kCannotSave});
  EXPECT_EQ(log.Count("Beep"), 0);
  EXPECT_EQ(ReadAll(files.resultsPath), before);
  // And once there is room again the same save goes through, after the last whole record.
  EXPECT_TRUE(files.AppendPlayerRecords(Group(3)));
  EXPECT_EQ(ReadAll(files.resultsPath).size(), 140u * 6);
}

TEST_F(ResultsFileTest, SaveDialogComesBackUntilTheSaveSucceeds) {
  const std::string folder = dir.Folder() + "/juego";
  files.resultsPath = ResultsFiles::FolderPattern(folder + "/");
  EXPECT_EQ(files.resultsPath, folder + "/resultad/*.rlm");
  const std::string bad = folder + "/resultad/malo.rlm";
  const std::string good = folder + "/resultad/grupo.rlm";
  prompter.saveFiles = {bad, good};
  prompter.onAsk = [&, first = true]() mutable {
    EXPECT_TRUE(fs::is_directory(folder + "/resultad"));
    if (first)
      dir.Write("juego/resultad/malo.rlm", "no");
    first = false;
  };
  EXPECT_TRUE(files.ChooseResultsFileToWrite(Group(3)));
  EXPECT_EQ(Texts(), std::vector<std::string>{kNotResults});
  EXPECT_EQ(files.resultsPath, good);
  EXPECT_EQ(ReadAll(good).size(), 140u * 4);
  ASSERT_EQ(prompter.requests.size(), 2u);
  EXPECT_EQ(prompter.requests[0].pattern, folder + "/resultad/*.rlm");
  EXPECT_EQ(prompter.requests[0].title, "Guardar archivo de Resultados");
  EXPECT_EQ(prompter.requests[1].pattern, bad);

  prompter.saveFiles = {std::nullopt};
  EXPECT_FALSE(files.ChooseResultsFileToWrite(Group(1)));
  EXPECT_EQ(ReadAll(good).size(), 140u * 4);
}

TEST_F(ResultsFileTest, DefaultPathIsInTheResultsFolder) {
  EXPECT_EQ(ResultsFiles::DefaultPath("/juego/"), "/juego/resultad/resultad.rlm");
  EXPECT_EQ(ResultsFiles::DefaultPath("/juego"), "/juego/resultad/resultad.rlm");
}

TEST_F(ResultsFileTest, HourglassIsShownWhileAFileIsWorkedOn) {
  std::vector<bool> busy;
  files.onBusy = [&](bool on) { busy.push_back(on); };
  files.resultsPath = dir.Path("reloj.rlm");
  ASSERT_TRUE(files.AppendPlayerRecords(Group(1)));
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  busy.clear();
  files.resultsPath = dir.Write("malo.rlm", "x");
  files.AppendPlayerRecords(Group(1));
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
}
