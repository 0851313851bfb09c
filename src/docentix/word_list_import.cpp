// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The word list tab's import: a file from elsewhere made to fit the game, and the lists of a
// file too long for one shown one after the other, each one until it is saved.
#include <QFileInfo>
#include <QLabel>

#include "charset.h"
#include "docentix/list_import.h"
#include "docentix/word_list_tab.h"
#include "list_fitting.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"

namespace {

const char* const kDocentixCaption = "Docentix";

// "42 y 41", "34, 34 y 33".
QString Sizes(const std::vector<WordListDraft>& parts) {
  QString text;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (k > 0)
      text += k + 1 == parts.size() ? QStringLiteral(" y ") : QStringLiteral(", ");
    text += QString::number(parts[k].entries.size());
  }
  return text;
}

}  // namespace

void WordListTab::ImportList() {
  if (!MayDiscardChanges())
    return;
  const auto path = dialogs_.AskOpenFile(
      {"Importar palabras",
       (listsFolder_ + "/*").toStdString(),
       {"Texto o CSV (*.txt *.csv)", "Vocabulario de KDE (*.kvtml)", "Todos (*.*)"}});
  if (path)
    ImportFile(QString::fromStdString(*path));
}

bool WordListTab::ImportFile(const QString& path) {
  const ImportedList imported = ImportListFile(path);
  if (!imported.error.isEmpty()) {
    dialogs_.Stop("\n" + FromQt(imported.error) + "\n", kDocentixCaption);
    return false;
  }
  const QString name = QFileInfo(path).fileName();
  const int words = static_cast<int>(imported.draft.entries.size());
  std::vector<WordListDraft> parts{imported.draft};
  if (words > kMaxWords) {
    const std::vector<WordListDraft> split = SplitDraft(imported.draft);
    const QString question =
        QStringLiteral(
            "\n«%1» tiene %2 palabras; una lista del juego tiene 50 como mucho.\n\n"
            "Puede dividirlo en %3 listas (de %4 palabras), que se revisan y se guardan una "
            "tras otra, o quedarse con las 50 primeras palabras.\n")
            .arg(name)
            .arg(words)
            .arg(split.size())
            .arg(Sizes(split));
    switch (dialogs_.Choose(
        FromQt(question), kDocentixCaption,
        {Ansi("Dividir en varias listas"), Ansi("Quedarse con las 50 primeras"), "Cancelar"})) {
      case 0:
        parts = split;
        break;
      case 1:
        parts[0].entries.resize(kMaxWords);
        break;
      default:
        return false;
    }
  }
  partLines_.clear();
  qsizetype first = 0;
  for (WordListDraft& part : parts) {
    ShortenLongHints(part);
    const auto size = static_cast<qsizetype>(part.entries.size());
    partLines_.append(imported.sourceLines.mid(first, size));
    first += size;
  }
  parts_ = std::move(parts);
  importedName_ = name;
  partsTheme_ = imported.draft.theme;
  ShowPart(0);
  return true;
}

void WordListTab::ShowPart(std::size_t part) {
  WordListDraft draft = parts_[part];
  const QString base = QFileInfo(importedName_).completeBaseName();
  const int count = static_cast<int>(parts_.size());
  const int number = static_cast<int>(part) + 1;
  if (count > 1)
    draft.theme = PartTheme(partsTheme_, number);
  SetDraft(draft, QString(), partLines_.value(static_cast<qsizetype>(part)));
  part_ = part;
  changedOutsideStack_ = true;
  UpdateModified();
  proposedName_ = count > 1 ? QStringLiteral("%1-%2.lma").arg(base).arg(number) : base + ".lma";
  partNote_->setVisible(count > 1);
  const QString words = QStringLiteral("%1 palabras").arg(draft.entries.size());
  if (number < count)
    partNote_->setText(QStringLiteral("Parte %1 de %2 de «%3»: %4. Al guardarla aparecerá la "
                                      "parte %5. Si abre o empieza otra lista, las partes que "
                                      "faltan no se guardan.")
                           .arg(number)
                           .arg(count)
                           .arg(importedName_, words)
                           .arg(number + 1));
  else
    partNote_->setText(QStringLiteral("Parte %1 de %2 de «%3», la última: %4.")
                           .arg(number)
                           .arg(count)
                           .arg(importedName_, words));
}

void WordListTab::EndParts() {
  parts_.clear();
  partLines_.clear();
  part_ = 0;
  proposedName_.clear();
  partNote_->hide();
}
