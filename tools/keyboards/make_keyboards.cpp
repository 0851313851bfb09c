// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the keyboards shipped with the game: the design keyboard as
// "teclado.def" and example keyboard files in "teclados". Argument: the game folder.
#include <cstdio>
#include <filesystem>
#include <string>

#include "keyboard_layout.h"

namespace {

KeyboardLayout DesignKeyboard() {
  KeyboardLayout layout;
  layout.keyCaptions = DesignKeyCaptions();
  layout.keyboardColour = 0xFFC58A;  // RGB(138, 197, 255)
  layout.fontName = "Times New Roman";
  layout.fontStyle = kBold | kItalic;
  layout.fontSize = 18;
  return layout;
}

// Catalan names: ç in place of ñ, à è ò and ï in place of á é ó and ü.
KeyboardLayout CatalanKeyboard() {
  KeyboardLayout layout = DesignKeyboard();
  layout.keyCaptions[14] = "\xE7";   // ç
  layout.keyCaptions[27] = "\xE0";   // à
  layout.keyCaptions[28] = "\xE8";   // è
  layout.keyCaptions[30] = "\xF2";   // ò
  layout.keyCaptions[32] = "\xEF";   // ï
  layout.keyboardColour = 0xB4E6FF;  // RGB(255, 230, 180)
  return layout;
}

// Capital letters in a bigger, plain font for the youngest.
KeyboardLayout CapitalsKeyboard() {
  KeyboardLayout layout = DesignKeyboard();
  for (std::string& caption : layout.keyCaptions) {
    for (char& c : caption) {
      const unsigned char b = static_cast<unsigned char>(c);
      if ((b >= 'a' && b <= 'z') || b >= 0xE0)
        c = static_cast<char>(b - 0x20);
    }
  }
  layout.upperCase = true;
  layout.fontName = "Arial";
  layout.fontStyle = kBold;
  layout.fontSize = 22;
  layout.keyboardColour = 0xB4FFC8;  // RGB(200, 255, 180)
  return layout;
}

bool Write(const std::filesystem::path& path, const KeyboardLayout& layout) {
  const KeyboardRecord record = SerializeKeyboard(layout);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file)
    return false;
  const bool written = std::fwrite(record.data(), 1, record.size(), file) == record.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s GAME_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder / "teclados");
  const bool ok = Write(folder / "teclado.def", DesignKeyboard()) &&
                  Write(folder / "teclados" / "catalan.tec", CatalanKeyboard()) &&
                  Write(folder / "teclados" / "mayusculas.tec", CapitalsKeyboard()) &&
                  Write(folder / "teclados" / "normal.tec", DesignKeyboard());
  if (!ok)
    std::fprintf(stderr, "could not write the keyboards into %s\n", argv[1]);
  return ok ? 0 : 1;
}
