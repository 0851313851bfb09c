// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The configuration record: its bytes, how a record is read whatever it holds,
// and what the menus show after it.
#include "screen_config.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <iterator>
#include <tuple>

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
  // Failures, vowels only, count repeated letters, reveal all occurrences.
  RecordBuilder& Options(int failures, int vowels, int repeated, int revealAll) {
    return Int(560, failures).Int(564, vowels).Int(568, repeated).Int(572, revealAll);
  }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

std::string Bytes(const ScreenConfig& config) {
  const ScreenConfigRecord record = SerializeScreenConfig(config);
  return std::string(record.begin(), record.end());
}

// A texture, the word bold and underlined, two failures, only vowels.
const ScreenConfig kSample{.listPath = "/home/ana/archivos/animales.lma",
                           .windowColor = 0x00A0B0C0,
                           .backgroundMode = 3,
                           .backgroundFile = "/home/ana/ladrillo.bmp",
                           .wordFontName = "Arial",
                           .wordFontStyle = 5,
                           .wordFontSize = 28,
                           .allowedFailures = 2,
                           .vowelsOnly = 1};

const BackgroundMode kColour = BackgroundMode::Colour;

}  // namespace

TEST(ScreenConfigTest, RecordMatchesOneBuiltByHandAndReadsBack) {
  const std::string expected = RecordBuilder()
                                   .Text(0, kSample.listPath)
                                   .Int(256, 0x00A0B0C0)
                                   .Int(260, 3)
                                   .Text(264, kSample.backgroundFile)
                                   .Byte(520, 5)
                                   .Text(521, "Arial")
                                   .Byte(552, 5)
                                   .Int(556, 28)
                                   .Options(2, 1, 0, 1)
                                   .Magic()
                                   .bytes();
  EXPECT_EQ(Bytes(kSample), expected);
  ScreenConfig negative;
  negative.windowColor = 0x8000000F;  // a system colour keeps its bits
  negative.wordFontSize = -12;
  negative.backgroundMode = -1;
  for (const ScreenConfig& config : {kSample, negative})
    EXPECT_EQ(ParseScreenConfig(Bytes(config)), config);
  // A font name is cut to 31 characters, a style to its four bits.
  ScreenConfig longName = kSample;
  longName.wordFontName = std::string(40, 'n');
  longName.wordFontStyle = 0xFF;
  EXPECT_EQ(Bytes(longName).substr(520, 36),
            '\x1F' + std::string(31, 'n') + '\x0F' + std::string(3, '\0'));
  // Bytes after the magic and a longer file do not matter.
  EXPECT_TRUE(ParseScreenConfig(RecordBuilder().Magic().Text(596, "ABCDEFG").bytes() + "more"));
}

TEST(ScreenConfigTest, RecordWithoutItsExactMagicIsRefused) {
  const std::pair<const char*, std::string> refused[] = {
      {"empty", ""},
      {"one byte short", RecordBuilder().Magic().bytes().substr(0, 603)},
      {"no magic", RecordBuilder().bytes()},
      {"lower case", RecordBuilder().Text(576, "kltp config lurimba").bytes()},
      {"magic runs on", RecordBuilder().Magic().Text(595, "X").bytes()},
      {"keyboard magic", RecordBuilder().Text(576, "KLTP TECLADO LURIMBA").bytes()},
      {"magic elsewhere", RecordBuilder().Text(0, "KLTP CONFIG LURIMBA").bytes()}};
  for (const auto& [name, bytes] : refused)
    EXPECT_FALSE(ParseScreenConfig(bytes)) << name;
}

// A string with no terminator in its field ends at the field's last byte; text
// after a terminator is not read.
TEST(ScreenConfigTest, StringsAreReadWithinTheirField) {
  const std::string list(256, 'l');
  RecordBuilder record;
  record.Text(0, list).Int(256, 0x41414141).Text(264, std::string("fondo\0basura", 12)).Magic();
  const auto read = ParseScreenConfig(
      record.Byte(520, 255).Text(521, std::string(31, 'f')).Byte(552, 0xFF).bytes());
  ASSERT_TRUE(read);
  EXPECT_EQ(read->listPath, list);
  EXPECT_EQ(read->backgroundFile, "fondo");
  EXPECT_EQ(read->wordFontName, std::string(31, 'f')) << "a length above 31 counts as 31";
  EXPECT_EQ(read->wordFontStyle, 0x0F) << "only the four style bits";
  EXPECT_EQ(ParseScreenConfig(record.Byte(520, 0).bytes())->wordFontName, "");
}

// What "Guardar configuración actual" writes.
TEST(ConfigFromSettingsTest, TakesEveryStoredSetting) {
  Settings settings;
  settings.windowColour = kSample.windowColor;
  settings.backgroundMode = BackgroundMode::Texture;
  settings.backgroundFile = kSample.backgroundFile;
  settings.wordFont = {"Arial", kFontBold | kFontUnderline, 28, 0x00FF00FF};
  settings.allowedFailures = 2;
  settings.vowelsOnly = true;
  settings.hideMode = 6;  // not stored
  EXPECT_EQ(ConfigFromSettings(settings, kSample.listPath), kSample);
  // A plain colour stores no file, even one chosen before.
  settings.backgroundMode = BackgroundMode::Colour;
  ScreenConfig expected = kSample;
  expected.backgroundMode = 1;
  expected.backgroundFile = "";
  EXPECT_EQ(ConfigFromSettings(settings, kSample.listPath), expected);
}

// A path is stored whole in the record's code page, or the record is refused.
TEST(ConfigFromSettingsTest, PathsAreStoredWholeOrRefused) {
  const std::string k255 = "/" + std::string(254, 'a');
  const std::string k256 = k255 + "a";
  const std::tuple<std::string, BackgroundMode, std::string, bool> cases[] = {
      {k255, kColour, "", true},
      {k256, kColour, "", false},
      {k255.substr(1) + "ñ", kColour, "", true},  // 255 bytes in Windows-1252, 256 in UTF-8
      {"/juego/łódź.lma", kColour, "", false},
      {"/juego/€.lma", kColour, "", true},
      {"ejemplo", BackgroundMode::Texture, k256, false},
      {"ejemplo", BackgroundMode::Picture, "/日本.bmp", false},
      {"ejemplo", kColour, k256, true}};  // the file of a plain colour is not stored
  for (const auto& [listPath, mode, backgroundFile, stored] : cases) {
    Settings settings;
    settings.backgroundMode = mode;
    settings.backgroundFile = backgroundFile;
    const auto config = ConfigFromSettings(settings, listPath);
    ASSERT_EQ(config.has_value(), stored) << listPath << " " << backgroundFile;
    if (config) {
      const auto read = ParseScreenConfig(Bytes(*config));
      EXPECT_EQ(StoredListPath(*read), listPath);
      EXPECT_EQ(StoredBackgroundFile(*read), mode == kColour ? "" : backgroundFile);
    }
  }
}

// Stored failures, vowels, repeated, reveal all; then the four options the menus show.
TEST(StoredOptionsTest, AreReadAsTheMenusShowThem) {
  const std::pair<std::array<int, 4>, std::array<int, 4>> cases[] = {
      {{2, 0, 0, 1}, {2, 0, 0, 1}},
      {{3, 0, 0, 1}, {5, 0, 0, 1}},
      {{0, 1, 0, 1}, {5, 1, 0, 1}},
      {{-2, 2, 1, 1}, {5, 0, 1, 1}},
      {{5, 0, -1, 7}, {5, 0, 0, 1}},
      // Without "reveal all occurrences" a letter pressed again is always judged again.
      {{5, 0, 0, 0}, {5, 0, 1, 0}},
      {{2, 1, 1, 0}, {2, 1, 1, 0}}};
  for (const auto& [stored, shown] : cases) {
    const auto config = ParseScreenConfig(
        RecordBuilder().Options(stored[0], stored[1], stored[2], stored[3]).Magic().bytes());
    Settings s;
    ApplyStoredOptions(*config, s);
    EXPECT_EQ((std::array<int, 4>{s.allowedFailures, s.vowelsOnly, s.countRepeatedLetters,
                                  s.revealAllOccurrences}),
              shown)
        << stored[0] << " " << stored[1] << " " << stored[2] << " " << stored[3];
  }
}

// Name, style and size replace the current font; the colour is not stored. A name of length zero
// keeps the current name, a size of zero or less the current size, and sizes no child could read
// are brought into 6..72 points.
TEST(StoredFontTest, ReplacesTheCurrentFontWithinReadableSizes) {
  const WordFont current{"Times New Roman", kFontItalic, 30, 7};
  const std::tuple<std::string, int, WordFont> cases[] = {
      {"Arial", 24, {"Arial", kFontBold, 24, 7}},
      {"", 0, {"Times New Roman", kFontBold, 30, 7}},
      {"", -40, {"Times New Roman", kFontBold, 30, 7}},
      {"Arial", 5, {"Arial", kFontBold, 6, 7}},
      {"Arial", 6, {"Arial", kFontBold, 6, 7}},
      {"Arial", 73, {"Arial", kFontBold, 72, 7}}};
  for (const auto& [name, size, expected] : cases) {
    ScreenConfig config;
    config.wordFontName = name;
    config.wordFontStyle = kFontBold;
    config.wordFontSize = size;
    EXPECT_EQ(StoredWordFont(config, current), expected) << name << " " << size;
  }
}

TEST(StoredBackgroundTest, AnyModeButPictureOrTextureIsAPlainColour) {
  for (int stored : {0, 1, 2, 3, 4, 258}) {
    ScreenConfig config;
    config.backgroundMode = stored;
    EXPECT_EQ(StoredBackgroundMode(config), stored == 2   ? BackgroundMode::Picture
                                            : stored == 3 ? BackgroundMode::Texture
                                                          : kColour)
        << "stored " << stored;
  }
}

// The default configuration shipped with the game is the design's, made by its generator.
TEST(ShippedConfigTest, IsTheDesignLookWithTheExampleList) {
  std::ifstream file(DATA_DIR "/config.def", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), {});
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
