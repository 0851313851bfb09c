// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>

#include "platform/printing.h"

namespace {

QStringList& ChosenFolders() {
  static QStringList folders;
  return folders;
}

// What was found, by module and function; a module once loaded stays loaded.
QHash<QString, QFunctionPointer>& Found() {
  static QHash<QString, QFunctionPointer> found;
  return found;
}

}  // namespace

QStringList ModuleFolders() {
  if (!ChosenFolders().isEmpty())
    return ChosenFolders();
  const QString programFolder = QCoreApplication::applicationDirPath();
  return {programFolder, QDir::cleanPath(programFolder + "/../lib/lurimba/modules")};
}

void SetModuleFolders(const QStringList& folders) {
  ChosenFolders() = folders;
  Found().clear();
}

QFunctionPointer ModuleFunction(const QString& name, const char* symbol) {
  const QString key = name + '/' + symbol;
  const auto found = Found().constFind(key);
  if (found != Found().constEnd())
    return found.value();
  QFunctionPointer function = nullptr;
  for (const QString& folder : ModuleFolders()) {
    const QString path = folder + '/' + name + ".so";
    if (!QFileInfo(path).isFile())
      continue;
    QLibrary library(path);
    if (library.load()) {
      function = library.resolve(symbol);
      break;
    }
  }
  // A module that is missing stays missing for this run: it is not looked for again.
  Found().insert(key, function);
  return function;
}

const PrintModule* LoadPrintModule() {
  const auto function =
      reinterpret_cast<PrintModuleFunction>(ModuleFunction(kPrintModule, kPrintModuleFunction));
  return function ? function() : nullptr;
}
