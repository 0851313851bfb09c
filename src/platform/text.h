// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one crossing between the program's Windows-1252 text and Qt's strings.
#pragma once

#include <QString>
#include <string>

QString ToQt(const std::string& ansi);
// Characters Windows-1252 cannot hold are dropped.
std::string FromQt(const QString& text);
