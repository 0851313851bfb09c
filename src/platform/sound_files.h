// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's four sounds in the program's resources, in the order of SoundId.
#pragma once

#include <array>

inline constexpr std::array<const char*, 4> kSoundFiles = {
    ":/sounds/letracorrecta.wav", ":/sounds/letrafallada.wav", ":/sounds/sonidotecla.wav",
    ":/sounds/acierto.wav"};
