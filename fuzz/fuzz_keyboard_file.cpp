// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard file: whatever a record holds, saving what was read and reading
// it again gives the same keyboard.
#include <cstdint>
#include <string>

#include "keyboard_layout.h"

namespace {

bool SameLayout(const KeyboardLayout& a, const KeyboardLayout& b) {
  return a.keyCaptions == b.keyCaptions && a.upperCase == b.upperCase &&
         a.keyboardColour == b.keyboardColour && a.fontName == b.fontName &&
         a.fontStyle == b.fontStyle && a.fontSize == b.fontSize;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto layout = ParseKeyboard(bytes);
  if (!layout)
    return 0;
  if (layout->fontSize != 0 && (layout->fontSize < kMinFontSize || layout->fontSize > kMaxFontSize))
    __builtin_trap();
  const KeyboardRecord record = SerializeKeyboard(*layout);
  const auto again =
      ParseKeyboard(std::string(reinterpret_cast<const char*>(record.data()), record.size()));
  if (!again || !SameLayout(*layout, *again))
    __builtin_trap();
  return 0;
}
