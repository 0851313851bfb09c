// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing and sound bring in large libraries (the printing system, the sound server's client
// and Qt's network library): they live in small modules that the program loads the first time
// it needs them, so that the game's window shows without them.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

inline constexpr const char* kPrintModule = "lurimba-print";
inline constexpr const char* kSoundModule = "lurimba-sound";

// Where the modules are looked for, in order: beside the program (the build tree, and the
// tests' folder in it), then lib/lurimba/modules beside the installed program's bin folder.
QStringList ModuleFolders();
// Looks for the modules in `folders` instead, from the next module loaded on; an empty list
// restores the usual folders.
void SetModuleFolders(const QStringList& folders);

// The function `symbol` of module `name`, loading the module the first time; null when the
// module cannot be found or loaded.
QFunctionPointer ModuleFunction(const QString& name, const char* symbol);
