// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/word_font.h"

#include "platform/text.h"

QFont ToQFont(const WordFont& font, const QFont& base) {
  QFont result = base;
  result.setFamily(ToQt(font.name));
  result.setBold(font.style & kFontBold);
  result.setItalic(font.style & kFontItalic);
  result.setUnderline(font.style & kFontUnderline);
  result.setStrikeOut(font.style & kFontStrikeOut);
  if (font.pointSize > 0)
    result.setPointSize(font.pointSize);
  return result;
}

WordFont FromQFont(const QFont& font, const QColor& colour) {
  WordFont result;
  result.name = FromQt(font.family());
  result.style = (font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                 (font.underline() ? kFontUnderline : 0) | (font.strikeOut() ? kFontStrikeOut : 0);
  // A font given in pixels has no point size: at 96 dots per inch 4 pixels make 3 points.
  result.pointSize = font.pointSize() > 0 ? font.pointSize() : (font.pixelSize() * 3 + 2) / 4;
  result.colour = ToColourRef(colour);
  return result;
}

QColor FromColourRef(std::uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::uint32_t ToColourRef(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) | (colour.green() << 8) | (colour.blue() << 16);
}
