// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word font between the settings (a name, a set of style bits, a size in
// points and a colour) and the font and colour of the word display.
#pragma once

#include <QColor>
#include <QFont>
#include <cstdint>

#include "settings.h"

// `base` with the name, style and size of `font`.
QFont ToQFont(const WordFont& font, const QFont& base);
// The settings' view of a font chosen in the font dialog, with its colour.
WordFont FromQFont(const QFont& font, const QColor& colour);

// Colours as the settings keep them: 0x00BBGGRR.
QColor FromColourRef(std::uint32_t colour);
std::uint32_t ToColourRef(const QColor& colour);
