// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The configuration record: its bytes, how a record is read whatever it holds,
// and what the menus show after it.
#include "screen_config.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "charset.h"

namespace {

// Builds a record by hand, field by field at the offsets of the file.
class RecordBuilder {
 public:
  RecordBuilder() : bytes_(kScreenConfigSize, '\0') {}
  RecordBuilder& Text(std::size_t offset, const std::string& text) {
    bytes_.replace(offset, text.size(), text);
    return *this;
  }
  RecordBuilder& Int(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
      bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return *this;
  }
  RecordBuilder& Byte(std::size_t offset, std::uint8_t value) {
    bytes_[offset] = static_cast<char>(value);
    return *this;
  }
  RecordBuilder& Magic() { return Text(576, "KLTP CONFIG LURIMBA"); }
  // A plain record: every option as the design has it.
  RecordBuilder& Options(int failures, int vowels, int repeated, int revealAll) {
    return Int(560, failures).Int(564, vowels).Int(568, repeated).Int(572, revealAll);
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

std::string Bytes(const ScreenConfigRecord& record) {
  return std::string(record.begin(), record.end());
}

ScreenConfig SampleConfig() {
  ScreenConfig config;
  config.listPath = "/home/ana/lurimba/archivos/animales.lma";
  config.windowColor = 0x00A0B0C0;
  config.backgroundMode = 3;
  config.backgroundFile = "/home/ana/lurimba/texturas/ladrillo.bmp";
  config.wordFontName = "Arial";
  config.wordFontStyle = 1 | 4;
  config.wordFontSize = 28;
  config.allowedFailures = 2;
  config.vowelsOnly = 1;
  config.countRepeatedLetters = 0;
  config.revealAllOccurrences = 1;
  return config;
}

}  // namespace

TEST(ScreenConfigTest, RecordMatchesOneBuiltByHand) {
  const std::string expected = RecordBuilder()
                                   .Text(0, "/home/ana/lurimba/archivos/animales.lma")
                                   .Int(256, 0x00A0B0C0)
                                   .Int(260, 3)
                                   .Text(264, "/home/ana/lurimba/texturas/ladrillo.bmp")
                                   .Byte(520, 5)
                                   .Text(521, "Arial")
                                   .Byte(552, 5)
                                   .Int(556, 28)
                                   .Options(2, 1, 0, 1)
                                   .Magic()
                                   .bytes();
  EXPECT_EQ(Bytes(SerializeScreenConfig(SampleConfig())), expected);
}

TEST(ScreenConfigTest, RecordReadsBackAsWritten) {
  ScreenConfig negative;
  negative.windowColor = 0x8000000F;  // a system colour keeps its bits
  negative.wordFontSize = -12;
  negative.backgroundMode = -1;
  for (const ScreenConfig& config : {SampleConfig(), negative})
    EXPECT_EQ(ParseScreenConfig(Bytes(SerializeScreenConfig(config))), config);
  // Bytes after the magic and a longer file do not matter.
  EXPECT_TRUE(ParseScreenConfig(RecordBuilder().Magic().Text(596, "ABCDEFG").bytes() + "more"));
}

struct RefusedCase {
  const char* name;
  std::string bytes;
};

class RefusedRecordTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRecordTest, IsNotAConfiguration) {
  EXPECT_FALSE(ParseScreenConfig(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Records, RefusedRecordTest,
    ::testing::Values(
        RefusedCase{"Empty", ""},
        RefusedCase{"OneByteShort", RecordBuilder().Magic().bytes().substr(0, 603)},
        RefusedCase{"NoMagic", RecordBuilder().bytes()},
        RefusedCase{"LowerCaseMagic", RecordBuilder().Text(576, "kltp config lurimba").bytes()},
        RefusedCase{"MagicRunsOn", RecordBuilder().Magic().Text(595, "X").bytes()},
        RefusedCase{"KeyboardMagic", RecordBuilder().Text(576, "KLTP TECLADO LURIMBA").bytes()},
        RefusedCase{"MagicElsewhere", RecordBuilder().Text(0, "KLTP CONFIG LURIMBA").bytes()}),
    [](const auto& info) { return std::string(info.param.name); });

// A string with no terminator in its field ends at the field's last byte.
TEST(ScreenConfigTest, StringsNeverRunPastTheirField) {
  const std::string list(256, 'l');
  const std::string picture(256, 'p');
  const auto read = ParseScreenConfig(RecordBuilder()
                                          .Text(0, list)
                                          .Int(256, 0x41414141)
                                          .Text(264, picture)
                                          .Byte(520, 255)
                                          .Text(521, std::string(31, 'f'))
                                          .Byte(552, 0xFF)
                                          .Magic()
                                          .bytes());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->listPath, list);
  EXPECT_EQ(read->backgroundFile, picture);
  EXPECT_EQ(read->wordFontName, std::string(31, 'f')) << "a length above 31 counts as 31";
  EXPECT_EQ(read->wordFontStyle, 0x0F) << "only the four style bits";
}

TEST(ScreenConfigTest, TextAfterATerminatorIsNotRead) {
  const auto read = ParseScreenConfig(RecordBuilder()
                                          .Text(0, std::string("ejemplo\0basura", 14))
                                          .Byte(520, 0)
                                          .Text(521, "Arial")
                                          .Magic()
                                          .bytes());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->listPath, "ejemplo");
  EXPECT_EQ(read->wordFontName, "") << "a length of 0 names no font";
}

TEST(ScreenConfigTest, WhatNoOneReadsIsWrittenAsZero) {
  ScreenConfig config = SampleConfig();
  config.backgroundMode = 1;
  config.backgroundFile = "";
  config.wordFontName = std::string(40, 'n');  // cut at 31
  config.wordFontStyle = 0xFF;
  const std::string bytes = Bytes(SerializeScreenConfig(config));
  const std::string listField = bytes.substr(0, 256);
  EXPECT_EQ(listField.find_first_not_of('\0', config.listPath.size()), std::string::npos);
  EXPECT_EQ(bytes.substr(264, 256), std::string(256, '\0'));
  EXPECT_EQ(static_cast<unsigned char>(bytes[520]), 31u);
  EXPECT_EQ(bytes.substr(521, 31), std::string(31, 'n'));
  EXPECT_EQ(static_cast<unsigned char>(bytes[552]), 0x0Fu);
  EXPECT_EQ(bytes.substr(553, 3), std::string(3, '\0'));
  EXPECT_EQ(bytes.substr(595), std::string(9, '\0'));
}

// --- From the settings: what "Guardar configuración actual" writes ---

TEST(ConfigFromSettingsTest, TakesEveryStoredSetting) {
  Settings settings;
  settings.windowColour = 0x00112233;
  settings.backgroundMode = BackgroundMode::Picture;
  settings.backgroundFile = "/juego/fondos/bosque.bmp";
  settings.wordFont = {"Arial", kFontBold | kFontUnderline, 36, 0x00FF00FF};
  settings.allowedFailures = 2;
  settings.vowelsOnly = true;
  settings.countRepeatedLetters = true;
  settings.revealAllOccurrences = false;
  settings.hideMode = 6;  // not stored
  ScreenConfig expected{"/juego/archivos/a\xF1os.lma",
                        0x00112233,
                        2,
                        "/juego/fondos/bosque.bmp",
                        "Arial",
                        kFontBold | kFontUnderline,
                        36,
                        2,
                        1,
                        1,
                        0};
  EXPECT_EQ(ConfigFromSettings(settings, "/juego/archivos/años.lma"), expected);
  // A plain colour stores no file, even one chosen before.
  settings.backgroundMode = BackgroundMode::Colour;
  expected.backgroundMode = 1;
  expected.backgroundFile = "";
  EXPECT_EQ(ConfigFromSettings(settings, "/juego/archivos/años.lma"), expected);
}

struct PathCase {
  const char* name;
  std::string listPath;
  BackgroundMode mode;
  std::string backgroundFile;
  bool stored;
};

class StoredPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(StoredPathTest, IsStoredWholeOrRefused) {
  const PathCase& c = GetParam();
  Settings settings;
  settings.backgroundMode = c.mode;
  settings.backgroundFile = c.backgroundFile;
  const auto config = ConfigFromSettings(settings, c.listPath);
  ASSERT_EQ(config.has_value(), c.stored);
  if (config) {
    EXPECT_EQ(AnsiToUtf8(config->listPath), c.listPath);
    const auto read = ParseScreenConfig(Bytes(SerializeScreenConfig(*config)));
    ASSERT_TRUE(read);
    EXPECT_EQ(StoredListPath(*read), c.listPath);
    EXPECT_EQ(StoredBackgroundFile(*read),
              c.mode == BackgroundMode::Colour ? "" : c.backgroundFile);
  }
}

const std::string k255 = "/" + std::string(254, 'a');
const std::string k256 = "/" + std::string(255, 'a');
// 255 bytes in Windows-1252, 256 in UTF-8.
const std::string k255WithN = "/" + std::string(253, 'a') + "ñ";

INSTANTIATE_TEST_SUITE_P(
    Paths, StoredPathTest,
    ::testing::Values(
        PathCase{"ListOf255Bytes", k255, BackgroundMode::Colour, "", true},
        PathCase{"ListOf256Bytes", k256, BackgroundMode::Colour, "", false},
        PathCase{"ListCountedInTheRecordsCodePage", k255WithN, BackgroundMode::Colour, "", true},
        PathCase{"ListOutsideTheCodePage", "/juego/łódź.lma", BackgroundMode::Colour, "", false},
        PathCase{"EuroSign", "/juego/€.lma", BackgroundMode::Colour, "", true},
        PathCase{"TextureOf256Bytes", "ejemplo", BackgroundMode::Texture, k256, false},
        PathCase{"PictureOutsideTheCodePage", "ejemplo", BackgroundMode::Picture,
                 "/fondos/日本.bmp", false},
        PathCase{"LongFileOfAPlainColourIsNotStored", "ejemplo", BackgroundMode::Colour, k256,
                 true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Read as the menus show it ---

struct OptionsCase {
  const char* name;
  int failures, vowels, repeated, revealAll;
  int expectFailures;
  bool expectVowels, expectRepeated, expectRevealAll;
};

class StoredOptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(StoredOptionsTest, AreReadAsTheMenusShowThem) {
  const OptionsCase& c = GetParam();
  const auto config = ParseScreenConfig(
      RecordBuilder().Options(c.failures, c.vowels, c.repeated, c.revealAll).Magic().bytes());
  ASSERT_TRUE(config);
  Settings settings;
  ApplyStoredOptions(*config, settings);
  EXPECT_EQ(settings.allowedFailures, c.expectFailures);
  EXPECT_EQ(settings.vowelsOnly, c.expectVowels);
  EXPECT_EQ(settings.countRepeatedLetters, c.expectRepeated);
  EXPECT_EQ(settings.revealAllOccurrences, c.expectRevealAll);
}

INSTANTIATE_TEST_SUITE_P(
    Options, StoredOptionsTest,
    ::testing::Values(OptionsCase{"Design", 5, 0, 0, 1, 5, false, false, true},
                      OptionsCase{"TwoFailures", 2, 0, 0, 1, 2, false, false, true},
                      OptionsCase{"ThreeFailuresReadAsFive", 3, 0, 0, 1, 5, false, false, true},
                      OptionsCase{"ZeroFailuresReadAsFive", 0, 0, 0, 1, 5, false, false, true},
                      OptionsCase{"NegativeFailuresReadAsFive", -2, 0, 0, 1, 5, false, false, true},
                      OptionsCase{"VowelsOnly", 5, 1, 0, 1, 5, true, false, true},
                      OptionsCase{"VowelsTwoIsNotOne", 5, 2, 0, 1, 5, false, false, true},
                      OptionsCase{"RepeatedCounted", 5, 0, 1, 1, 5, false, true, true},
                      OptionsCase{"RepeatedMinusOneIsNotOne", 5, 0, -1, 1, 5, false, false, true},
                      OptionsCase{"RevealAllAnyNonZero", 5, 0, 0, 7, 5, false, false, true},
                      OptionsCase{"OneAtATimeJudgesRepeats", 5, 0, 0, 0, 5, false, true, false},
                      OptionsCase{"OneAtATimeKeepsRepeats", 2, 1, 1, 0, 2, true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Name, style and size replace the current font; the colour is not stored. A name of length zero
// keeps the current name, a size of zero or less the current size, and sizes no child could read
// are brought into 6..72 points.
TEST(StoredFontTest, ReplacesTheCurrentFontWithinReadableSizes) {
  struct Case {
    std::string name;
    int size;
    WordFont expected;
  };
  const WordFont current{"Times New Roman", kFontItalic, 30, 7};
  const Case cases[] = {{"Arial", 24, {"Arial", kFontBold, 24, 7}},
                        {"", 0, {"Times New Roman", kFontBold, 30, 7}},
                        {"", -40, {"Times New Roman", kFontBold, 30, 7}},
                        {"Arial", 1, {"Arial", kFontBold, 6, 7}},
                        {"Arial", 6, {"Arial", kFontBold, 6, 7}},
                        {"Arial", 72, {"Arial", kFontBold, 72, 7}},
                        {"Arial", 2147483647, {"Arial", kFontBold, 72, 7}}};
  for (const Case& c : cases) {
    ScreenConfig config;
    config.wordFontName = c.name;
    config.wordFontStyle = kFontBold;
    config.wordFontSize = c.size;
    EXPECT_EQ(StoredWordFont(config, current), c.expected) << c.name << " " << c.size;
  }
}

TEST(StoredBackgroundTest, AnyModeButPictureOrTextureIsAPlainColour) {
  const std::pair<int, BackgroundMode> cases[] = {
      {1, BackgroundMode::Colour},  {2, BackgroundMode::Picture}, {3, BackgroundMode::Texture},
      {0, BackgroundMode::Colour},  {4, BackgroundMode::Colour},  {-3, BackgroundMode::Colour},
      {258, BackgroundMode::Colour}};
  for (const auto& [stored, mode] : cases) {
    ScreenConfig config;
    config.backgroundMode = stored;
    EXPECT_EQ(StoredBackgroundMode(config), mode) << "stored " << stored;
  }
}

// The default configuration shipped with the game is the design's, made by its generator.
TEST(ShippedConfigTest, IsTheDesignLookWithTheExampleList) {
  std::ifstream file(DATA_DIR "/config.def", std::ios::binary);
  ASSERT_TRUE(file) << "data/config.def is missing";
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), kScreenConfigSize);
  const std::string expected = RecordBuilder()
                                   .Text(0, "ejemplo")
                                   .Int(256, 0x00595900)  // RGB(0, 89, 89)
                                   .Int(260, 1)
                                   .Byte(520, 15)
                                   .Text(521, "Times New Roman")
                                   .Byte(552, kFontItalic)
                                   .Int(556, 30)
                                   .Options(5, 0, 0, 1)
                                   .Magic()
                                   .bytes();
  EXPECT_EQ(bytes, expected);
}
