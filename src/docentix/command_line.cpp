// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/command_line.h"

#include "docentix/list_import.h"
#include "docentix/results_csv.h"
#include "list_fitting.h"
#include "platform/save_file.h"
#include "platform/text.h"
#include "word_file_messages.h"
#include "word_list_draft.h"

namespace {

const QString kUsage = QStringLiteral(
    "Uso:\n"
    "  docentix --check LISTA.lma...\n"
    "  docentix --import palabras.txt --theme \"Tema\" -o lista.lma\n"
    "  docentix --export-csv resultados.rlm... -o resultados.csv\n");

// A message box's text on one line: its line breaks become spaces.
QString OneLine(const std::string& ansi) {
  return ToQt(ansi).simplified();
}

int Check(const QStringList& files, QTextStream& err) {
  if (files.isEmpty()) {
    err << kUsage;
    return 1;
  }
  int status = 0;
  for (const QString& file : files) {
    WordList list;
    if (const auto message = CheckWordFile(file.toStdString(), list)) {
      err << file << ": " << OneLine(message->text) << "\n";
      status = 1;
      continue;
    }
    // The game plays a list without a theme, but its results would name no theme.
    for (const DraftProblem& problem : CheckWordList(DraftFromList(list))) {
      if (problem.part == DraftPart::Theme && problem.blocksSaving) {
        err << file << ", línea " << problem.line << " (" << ToQt(problem.subject)
            << "): " << ToQt(problem.text) << "\n";
        status = 1;
      }
    }
  }
  return status;
}

// The value after `option`, taken out of `arguments`; empty when it is missing.
QString TakeOption(QStringList& arguments, const QString& option) {
  const int at = arguments.indexOf(option);
  if (at < 0 || at + 1 >= arguments.size())
    return {};
  const QString value = arguments.at(at + 1);
  arguments.remove(at, 2);
  return value;
}

int Import(QStringList arguments, QTextStream& err) {
  const QString theme = TakeOption(arguments, "--theme");
  const QString output = TakeOption(arguments, "-o");
  if (arguments.size() != 1 || output.isEmpty()) {
    err << kUsage;
    return 1;
  }
  const QString input = arguments.first();
  ImportedList imported = ImportListFile(input);
  if (!imported.error.isEmpty()) {
    err << imported.error << "\n";
    return 1;
  }
  if (!theme.isEmpty())
    imported.draft.theme = theme.toStdString();
  // A hint too long for the game is shortened, and named to be reviewed; the only warning on a
  // hint.
  ShortenLongHints(imported.draft);
  bool refused = false;
  for (const DraftProblem& problem : CheckWordList(imported.draft)) {
    if (!problem.blocksSaving && problem.part != DraftPart::Hint)
      continue;
    refused = refused || problem.blocksSaving;
    err << input;
    if (problem.entry >= 0)
      err << ", línea " << imported.sourceLines.value(problem.entry) << " ("
          << ToQt(problem.subject) << ")";
    err << ": " << ToQt(problem.text) << "\n";
  }
  const auto bytes = EncodeWordList(imported.draft);
  if (refused || !bytes) {
    err << output << ": no se ha escrito.\n";
    return 1;
  }
  if (!SaveWhole(output, QByteArray::fromStdString(*bytes))) {
    err << output << ": no se ha podido escribir el archivo.\n";
    return 1;
  }
  return 0;
}

int ExportCsv(QStringList arguments, QTextStream& err) {
  const QString output = TakeOption(arguments, "-o");
  if (arguments.isEmpty() || output.isEmpty()) {
    err << kUsage;
    return 1;
  }
  QString message;
  if (!ExportResultsCsv(arguments, output, message)) {
    err << message << "\n";
    return 1;
  }
  return 0;
}

}  // namespace

int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
  const QString command = arguments.value(0);
  const QStringList rest = arguments.mid(1);
  if (command == "--check")
    return Check(rest, err);
  if (command == "--import")
    return Import(rest, err);
  if (command == "--export-csv")
    return ExportCsv(rest, err);
  (command == "--help" || command == "-h" ? out : err) << kUsage;
  return command == "--help" || command == "-h" ? 0 : 1;
}
