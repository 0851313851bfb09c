// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whether the game reads aloud, kept for each user between runs in a small file of the user's
// configuration folder (~/.config/lurimba/leer-en-voz-alta), apart from the game's
// configuration files, which every user of the game folder shares.
#pragma once

#include <QString>

QString ReadAloudOptionPath();
// False when the file is missing, unreadable or says anything but "si".
bool ReadAloudOption();
// False when it could not be saved; the file is then as it was.
bool SaveReadAloudOption(bool on);
