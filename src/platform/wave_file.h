// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program reads of a WAVE sound itself.
#pragma once

#include <QString>

// The length of a WAVE sound from its byte rate and the size of its data; 0 when unknown.
int WaveLengthMs(const QString& path);
