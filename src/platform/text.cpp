// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/text.h"

#include "charset.h"

QString ToQt(const std::string& ansi) {
  QString text;
  text.reserve(static_cast<qsizetype>(ansi.size()));
  for (char c : ansi)
    text += QChar(static_cast<char16_t>(AnsiToUnicode(c)));
  return text;
}

std::string FromQt(const QString& text) {
  std::string ansi;
  for (QChar c : text) {
    const int mapped = UnicodeToAnsi(c.unicode());
    if (mapped >= 0)
      ansi += static_cast<char>(mapped);
  }
  return ansi;
}
