// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Upper and lower case of Windows-1252 text, from a fixed table: every character
// with a partner in the code page changes, every other one stays (ß and µ have
// no capital; digits, signs and the ampersand have no case).
#pragma once

#include <string>

char ToUpper(char c);
char ToLower(char c);
std::string ToUpper(std::string text);
std::string ToLower(std::string text);
// Whether c is a letter that has a partner of the other case.
bool HasCasePartner(char c);
