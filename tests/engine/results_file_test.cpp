// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Results files: the record layout, reading, appending and every failure.
#include "results_file.h"

#include <gtest/gtest.h>

#include <iterator>

#include "charset.h"
#include "fakes.h"
#include "list_files.h"
#include "platform/disk_shared_files.h"
#include "support/write_limit.h"

namespace fs = std::filesystem;

namespace {

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

// A record built by hand, byte by byte, as the file holds it (dated 3 May 2001).
std::string HandRecord(const std::string& oemName, const std::string& oemTheme, int base) {
  std::string bytes(140, '\0');
  bytes.replace(0, oemName.size(), oemName);
  bytes.replace(26, oemTheme.size(), oemTheme);
  Int32(bytes, 78, 2001);
  bytes[82] = 5;
  bytes[83] = 3;
  for (int i = 0; i < 6; ++i) {
    Int32(bytes, 84 + 4 * i, base + i);
    Int32(bytes, 112 + 4 * i, base + 10 + i);
  }
  Int32(bytes, 108, base + 100);
  Int32(bytes, 136, base + 200);
  return bytes;
}

std::string HandHeader() {
  return HandRecord("TAMU LURIMB RESULT WIN32", "REGISTRO DE CONTROL", 0).replace(84, 56, 56, '\0');
}

PlayerRecord Player(const std::string& name, int base, const std::string& theme = "Animales") {
  PlayerRecord record{name, theme, 2001, 5, 3};
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
    bytes += HandRecord("J" + std::to_string(k), "Tema", k);
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
  DiskSharedFiles shared;
  ResultsFiles files{prompter, shared, {2001, 5, 3}};
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
  // Damaged (negative) counters are stored as they are.
  players.records[1] = Player(Ansi("ÑANDÚ"), -32700, Ansi("Árboles del camión"));
  files.resultsPath = dir.Path("nuevo.rlm");
  ASSERT_TRUE(files.AppendPlayerRecords(players));
  EXPECT_EQ(ReadAll(files.resultsPath),
            HandHeader() + HandRecord("Bego\244a", "Animales", 1) +
                HandRecord("\245AND\351", "\265rboles del cami\242n", -32700));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(players.records[1].name, Ansi("ÑANDÚ"));  // the table keeps Windows-1252

  // A second save adds the same records after the first ones.
  ASSERT_TRUE(files.AppendPlayerRecords(players));
  const std::string bytes = ReadAll(files.resultsPath);
  ASSERT_EQ(bytes.size(), 140u * 5);
  EXPECT_EQ(bytes.substr(140, 280), bytes.substr(420, 280));
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
  // A field another program filled to its last byte ends there, never past it.
  RecordBytes full = bytes;
  std::fill(full.begin(), full.begin() + 78, 'z');
  EXPECT_EQ(DecodeRecord(full).name, std::string(19, 'z'));  // no player's name is longer
  EXPECT_EQ(DecodeRecord(full).theme, std::string(52, 'z'));
}

// A file holds at most fifty records: a save that would pass them is refused whole.
TEST_F(ResultsFileTest, AtMostFiftyRecords) {
  for (const auto& [inFile, players] :
       std::vector<std::pair<int, int>>{{48, 2}, {48, 3}, {50, 1}}) {
    files.resultsPath = dir.Write("lleno.rlm", FileBytes(inFile));
    prompter.messages.clear();
    const bool fits = inFile + players <= 50;
    EXPECT_EQ(files.AppendPlayerRecords(Group(players)), fits);
    EXPECT_EQ(ReadAll(files.resultsPath).size(), 140u * (1 + inFile + (fits ? players : 0)));
    EXPECT_EQ(Texts(), fits ? std::vector<std::string>{} : std::vector<std::string>{kTooLong});
  }
  EXPECT_EQ(log.Count("Beep"), 2);
}

TEST_F(ResultsFileTest, ReadingKeepsWholeRecordsAndShowsTheFirstFifty) {
  files.resultsPath = dir.Write("largo.rlm", FileBytes(53, 70));
  prompter.files = {files.resultsPath};
  EXPECT_EQ(files.LoadFilePlayers(), 50);
  EXPECT_EQ(files.filePlayers.front(), DecodeFileRecord(EncodeFileRecord(Player("J1", 1, "Tema"))));
  EXPECT_EQ(files.filePlayers.back().name, "J50");
  // The companion program reads every whole record.
  std::string failure;
  const auto records = ReadResultsFile(files.resultsPath, failure);
  ASSERT_TRUE(records.has_value()) << failure;
  ASSERT_EQ(records->size(), 53u);
  EXPECT_EQ(records->back().failedTotal, 253);

  // A partial record at the end is written over.
  files.resultsPath = dir.Write("parcial.rlm", FileBytes(2, 70));
  ASSERT_TRUE(files.AppendPlayerRecords(Group(1)));
  EXPECT_EQ(ReadAll(files.resultsPath).substr(420), HandRecord("Nuevo1", "Animales", 1000));
}

// A bad file chosen for reading or for appending: what each says.
struct BadFile {
  const char* name;
  std::string bytes;  // or "<folder>", "<link>" (dangling), "<no folder>"
  std::string readMessage, appendMessage;
  bool appendBeeps;
};

std::string Make(const TempDir& dir, const std::string& what) {
  const std::string path = dir.Path("malo.rlm");
  if (what == "<no folder>")
    return dir.Path("no/hay/grupo.rlm");
  if (what == "<folder>")
    fs::create_directory(path);
  else if (what == "<link>")
    fs::create_symlink(dir.Path("destino.rlm"), path);
  else
    dir.Write("malo.rlm", what);
  return path;
}

class BadFileTest : public ResultsFileTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, ReadingReportsAndKeepsThePlayersRead) {
  prompter.files = {dir.Write("bueno.rlm", FileBytes(3))};
  files.resultsPath = ResultsFiles::FolderPattern(dir.Folder());
  ASSERT_EQ(files.LoadFilePlayers(), 3);
  const std::string goodPath = files.resultsPath;

  const std::string path = Make(dir, GetParam().bytes);
  const std::string before = ReadAll(path);
  prompter.files = {path, std::nullopt};
  EXPECT_EQ(files.LoadFilePlayers(), 0);
  EXPECT_EQ(Texts(), std::vector<std::string>{GetParam().readMessage});
  ASSERT_EQ(prompter.requests.size(), 3u);  // the dialog came back after the failure
  EXPECT_EQ(prompter.requests[0].pattern, dir.Folder() + "/resultad/*.rlm");
  EXPECT_EQ(prompter.requests[2].pattern, dir.Folder() + "/*.rlm");  // the folder of the file read
  EXPECT_EQ(prompter.requests[0].title, "Abrir archivo de Resultados");
  EXPECT_EQ(prompter.requests[0].filters,
            (std::vector<std::string>{"Resultados lurimba (*.rlm)", "Todos los archivos (*.*)"}));
  EXPECT_EQ(log.Find("Beep"), log.Find("Stop") - 1);
  EXPECT_EQ(files.FilePlayerCount(), 3);
  EXPECT_EQ(files.resultsPath, goodPath);
  EXPECT_EQ(ReadAll(path), before);

  // The companion program reads a whole file with the same rules and messages.
  std::string failure;
  EXPECT_FALSE(ReadResultsFile(path, failure).has_value());
  EXPECT_EQ(failure, GetParam().readMessage);
}

TEST_P(BadFileTest, AppendingReportsAndLeavesTheFileAsItWas) {
  const std::string path = Make(dir, GetParam().bytes);
  std::error_code none;
  const bool existed = fs::exists(fs::symlink_status(path, none));
  const std::string before = ReadAll(path);
  files.resultsPath = path;
  std::vector<bool> busy;  // the hourglass, on and off again
  files.onBusy = [&](bool on) { busy.push_back(on); };
  EXPECT_FALSE(files.AppendPlayerRecords(Group(2)));
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  EXPECT_EQ(Texts(), std::vector<std::string>{GetParam().appendMessage});
  EXPECT_EQ(log.Count("Beep"), GetParam().appendBeeps ? 1 : 0);
  EXPECT_EQ(fs::exists(fs::symlink_status(path, none)), existed);
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_FALSE(fs::exists(dir.Path("destino.rlm")));  // a dangling link is never followed
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFileTest,
    ::testing::Values(
        BadFile{"Empty", "", kNotResults, kNotResults, true},
        BadFile{"ShorterThanAHeader", FileBytes(0).substr(0, 139), kNotResults, kNotResults, true},
        BadFile{"OneCharacterDiffers", "TAMU LURIMB RESULT WIN31" + FileBytes(1).substr(24),
                kNotResults, kNotResults, true},
        BadFile{"FolderMissing", "<no folder>", kCannotRead, kCannotCreate, true},
        BadFile{"DanglingLink", "<link>", kCannotRead, kCannotSave, false},
        BadFile{"Folder", "<folder>", kCannotRead, kCannotSave, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Saving where a link stands refuses, as every save of the program does, and the file the
// link points to stays as it was.
TEST_F(ResultsFileTest, AppendingNeverWritesThroughALink) {
  const std::string elsewhere = dir.Write("otro/clase.rlm", FileBytes(2));
  files.resultsPath = dir.Path("clase.rlm");
  fs::create_symlink(elsewhere, files.resultsPath);
  EXPECT_FALSE(files.AppendPlayerRecords(Group(1)));
  EXPECT_EQ(Texts(), std::vector<std::string>{kCannotSave});
  EXPECT_EQ(ReadAll(elsewhere), FileBytes(2));
  EXPECT_TRUE(fs::is_symlink(files.resultsPath));
}

TEST_F(ResultsFileTest, FailedWriteLeavesTheOldFileOrNone) {
  files.resultsPath = dir.Path("nuevo.rlm");
  {
    WriteLimit limit(200);
    EXPECT_FALSE(files.AppendPlayerRecords(Group(1)));
  }
  EXPECT_FALSE(fs::exists(files.resultsPath));
  EXPECT_EQ(Texts(), std::vector<std::string>{kCannotCreate});

  prompter.messages.clear();
  files.resultsPath = dir.Write("disco.rlm", FileBytes(2, 30));
  const std::string before = ReadAll(files.resultsPath);
  {
    WriteLimit limit(before.size() + 100);  // room for part of one record only
    EXPECT_FALSE(files.AppendPlayerRecords(Group(3)));
  }
  EXPECT_EQ(Texts(), std::vector<std::string>{kCannotSave});
  EXPECT_EQ(log.Count("Beep"), 1);  // the new file's message only
  EXPECT_EQ(ReadAll(files.resultsPath), before);
  EXPECT_TRUE(files.AppendPlayerRecords(Group(3)));  // once there is room again
  EXPECT_EQ(ReadAll(files.resultsPath).size(), 140u * 6);
}

TEST_F(ResultsFileTest, SaveDialogComesBackUntilTheSaveSucceeds) {
  EXPECT_EQ(ResultsFiles::DefaultPath("/juego/"), "/juego/resultad/resultad.rlm");
  const std::string folder = dir.Folder() + "/juego";
  files.resultsPath = ResultsFiles::FolderPattern(folder + "/");
  const std::string bad = folder + "/resultad/malo.rlm";
  const std::string good = folder + "/resultad/grupo.rlm";
  prompter.files = {bad, good};
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

  prompter.files = {std::nullopt};
  EXPECT_FALSE(files.ChooseResultsFileToWrite(Group(1)));
  EXPECT_EQ(ReadAll(good).size(), 140u * 4);
}
