// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_config.h"

#include <algorithm>
#include <cstring>

#include "charset.h"
#include "keyboard_layout.h"

namespace {

constexpr std::size_t kListPathOffset = 0;
constexpr std::size_t kPathFieldSize = 256;
constexpr std::size_t kWindowColorOffset = 256;
constexpr std::size_t kBackgroundModeOffset = 260;
constexpr std::size_t kBackgroundFileOffset = 264;
constexpr std::size_t kFontNameOffset = 520;
constexpr std::size_t kFontStyleOffset = 552;
constexpr std::size_t kFontSizeOffset = 556;
constexpr std::size_t kAllowedFailuresOffset = 560;
constexpr std::size_t kVowelsOnlyOffset = 564;
constexpr std::size_t kCountRepeatedOffset = 568;
constexpr std::size_t kRevealAllOffset = 572;
constexpr std::size_t kMagicOffset = 576;
constexpr std::size_t kMagicSize = 28;
constexpr std::uint8_t kFontStyleBits = kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut;

void PutInt32(ScreenConfigRecord& record, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// At most `fieldSize - 1` characters, so that the terminator always fits.
void PutText(ScreenConfigRecord& record, std::size_t offset, std::size_t fieldSize,
             const std::string& text) {
  const std::size_t length = std::min(text.size(), fieldSize - 1);
  std::memcpy(&record[offset], text.data(), length);
}

std::uint32_t GetInt32(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + i])) << (8 * i);
  }
  return value;
}

// Up to the first zero byte, never past the field's last byte.
std::string GetText(const std::string& bytes, std::size_t offset, std::size_t fieldSize) {
  const std::string field = bytes.substr(offset, fieldSize);
  return field.substr(0, field.find('\0'));
}

// A path as the record stores it, or nothing when it cannot be stored whole.
std::optional<std::string> StorablePath(const std::string& utf8) {
  bool lossless = true;
  std::string ansi = Utf8ToAnsi(utf8, &lossless);
  if (!lossless || ansi.size() > kConfigPathMax || ansi.find('\0') != std::string::npos)
    return std::nullopt;
  return ansi;
}

}  // namespace

ScreenConfigRecord SerializeScreenConfig(const ScreenConfig& config) {
  ScreenConfigRecord record{};
  PutText(record, kListPathOffset, kPathFieldSize, config.listPath);
  PutInt32(record, kWindowColorOffset, config.windowColor);
  PutInt32(record, kBackgroundModeOffset, static_cast<std::uint32_t>(config.backgroundMode));
  PutText(record, kBackgroundFileOffset, kPathFieldSize, config.backgroundFile);
  const std::size_t nameLength = std::min(config.wordFontName.size(), kConfigFontNameMax);
  record[kFontNameOffset] = static_cast<std::uint8_t>(nameLength);
  std::memcpy(&record[kFontNameOffset + 1], config.wordFontName.data(), nameLength);
  record[kFontStyleOffset] = config.wordFontStyle & kFontStyleBits;
  PutInt32(record, kFontSizeOffset, static_cast<std::uint32_t>(config.wordFontSize));
  PutInt32(record, kAllowedFailuresOffset, static_cast<std::uint32_t>(config.allowedFailures));
  PutInt32(record, kVowelsOnlyOffset, static_cast<std::uint32_t>(config.vowelsOnly));
  PutInt32(record, kCountRepeatedOffset, static_cast<std::uint32_t>(config.countRepeatedLetters));
  PutInt32(record, kRevealAllOffset, static_cast<std::uint32_t>(config.revealAllOccurrences));
  PutText(record, kMagicOffset, kMagicSize, kScreenConfigMagic);
  return record;
}

std::optional<ScreenConfig> ParseScreenConfig(const std::string& bytes) {
  if (bytes.size() < kScreenConfigSize)
    return std::nullopt;
  if (GetText(bytes, kMagicOffset, kMagicSize) != kScreenConfigMagic)
    return std::nullopt;
  ScreenConfig config;
  config.listPath = GetText(bytes, kListPathOffset, kPathFieldSize);
  config.windowColor = GetInt32(bytes, kWindowColorOffset);
  config.backgroundMode = static_cast<std::int32_t>(GetInt32(bytes, kBackgroundModeOffset));
  config.backgroundFile = GetText(bytes, kBackgroundFileOffset, kPathFieldSize);
  const std::size_t nameLength =
      std::min<std::size_t>(static_cast<std::uint8_t>(bytes[kFontNameOffset]), kConfigFontNameMax);
  config.wordFontName = bytes.substr(kFontNameOffset + 1, nameLength);
  config.wordFontStyle = static_cast<std::uint8_t>(bytes[kFontStyleOffset]) & kFontStyleBits;
  config.wordFontSize = static_cast<std::int32_t>(GetInt32(bytes, kFontSizeOffset));
  config.allowedFailures = static_cast<std::int32_t>(GetInt32(bytes, kAllowedFailuresOffset));
  config.vowelsOnly = static_cast<std::int32_t>(GetInt32(bytes, kVowelsOnlyOffset));
  config.countRepeatedLetters = static_cast<std::int32_t>(GetInt32(bytes, kCountRepeatedOffset));
  config.revealAllOccurrences = static_cast<std::int32_t>(GetInt32(bytes, kRevealAllOffset));
  return config;
}

std::optional<ScreenConfig> ConfigFromSettings(const Settings& settings,
                                               const std::string& listPath) {
  ScreenConfig config;
  const auto list = StorablePath(listPath);
  if (!list)
    return std::nullopt;
  config.listPath = *list;
  config.windowColor = settings.windowColour;
  config.backgroundMode = static_cast<std::int32_t>(settings.backgroundMode);
  // A plain colour has no file: the field stays empty.
  if (settings.backgroundMode != BackgroundMode::Colour) {
    const auto file = StorablePath(settings.backgroundFile);
    if (!file)
      return std::nullopt;
    config.backgroundFile = *file;
  }
  config.wordFontName = settings.wordFont.name.substr(0, kConfigFontNameMax);
  config.wordFontStyle = static_cast<std::uint8_t>(settings.wordFont.style & kFontStyleBits);
  config.wordFontSize = settings.wordFont.pointSize;
  config.allowedFailures = settings.allowedFailures;
  config.vowelsOnly = settings.vowelsOnly ? 1 : 0;
  config.countRepeatedLetters = settings.countRepeatedLetters ? 1 : 0;
  config.revealAllOccurrences = settings.revealAllOccurrences ? 1 : 0;
  return config;
}

BackgroundMode StoredBackgroundMode(const ScreenConfig& config) {
  switch (config.backgroundMode) {
    case static_cast<int>(BackgroundMode::Picture):
      return BackgroundMode::Picture;
    case static_cast<int>(BackgroundMode::Texture):
      return BackgroundMode::Texture;
    default:
      return BackgroundMode::Colour;
  }
}

std::string StoredListPath(const ScreenConfig& config) {
  return AnsiToUtf8(config.listPath);
}

std::string StoredBackgroundFile(const ScreenConfig& config) {
  return AnsiToUtf8(config.backgroundFile);
}

WordFont StoredWordFont(const ScreenConfig& config, const WordFont& current) {
  WordFont font = current;
  if (!config.wordFontName.empty())
    font.name = config.wordFontName;
  font.style = config.wordFontStyle & kFontStyleBits;
  // A size of 0 or less keeps the current one; any other is brought into 6..72
  // points, as a keyboard file's is, so that no file makes the word unreadable.
  if (config.wordFontSize > 0)
    font.pointSize = std::clamp(config.wordFontSize, kMinFontSize, kMaxFontSize);
  return font;
}

void ApplyStoredOptions(const ScreenConfig& config, Settings& settings) {
  settings.allowedFailures = config.allowedFailures == 2 ? 2 : 5;
  settings.vowelsOnly = config.vowelsOnly == 1;
  settings.countRepeatedLetters = config.countRepeatedLetters == 1;
  settings.revealAllOccurrences = config.revealAllOccurrences != 0;
  if (!settings.revealAllOccurrences)
    settings.countRepeatedLetters = true;
}
