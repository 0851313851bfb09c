// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/prompter_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/file_list_text.h"
#include "platform/printing.h"
#include "platform/text.h"

namespace {

void Show(QWidget* owner, QMessageBox::Icon icon, const std::string& text,
          const std::string& caption) {
  QMessageBox box(icon, ToQt(caption), ToQt(text), QMessageBox::Ok, owner);
  box.exec();
}

// "Archivo de palabras (*.lma)" is already the form Qt's file dialog reads.
QString FilterList(const OpenFileRequest& request) {
  QStringList filters;
  for (const std::string& filter : request.filters)
    filters << ToQt(filter);
  return filters.join(";;");
}

// "Todos (*.*)" means every file, as it always has for the program's users; Qt
// reads "*.*" as names with a dot and would hide "ejemplo". The text stays as
// shown; while it is the chosen filter, the list shows every file.
bool MeansEveryFile(const QString& filter) {
  return filter.endsWith("(*.*)");
}

void ListEveryFileForStarDotStar(QFileDialog& dialog) {
  auto apply = [&dialog] {
    // The filter chosen now, not the one that queued this: the choice may have moved on.
    if (!MeansEveryFile(dialog.selectedNameFilter()))
      return;
    if (auto* model = dialog.findChild<QFileSystemModel*>())
      model->setNameFilters({"*"});
  };
  // Queued: Qt sets the chosen filter's patterns on the list when the choice is
  // made; this runs after it.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, apply, Qt::QueuedConnection);
  apply();
}

// The extensions a filter names ("Texto o CSV (*.txt *.csv)": "txt", "csv"); none for a
// filter of every file.
QStringList Extensions(const QString& filter) {
  QStringList extensions;
  const qsizetype open = filter.lastIndexOf('(');
  const QString patterns = filter.mid(open + 1).chopped(filter.endsWith(')') ? 1 : 0);
  for (const QString& pattern : patterns.split(' ', Qt::SkipEmptyParts)) {
    const QString extension = pattern.startsWith("*.") ? pattern.mid(2) : QString();
    if (!extension.isEmpty() && !extension.contains('*') && !extension.contains('?'))
      extensions << extension;
  }
  return extensions;
}

// A name saved with the chosen filter's extension, so that the next dialog lists it: "clase"
// and "4.º B" in "Resultados lurimba (*.rlm)" become "clase.rlm" and "4.º B.rlm". While the
// chosen filter lists every file, a name without any extension gets the first filter's.
QString WithExtension(const QString& path, const QString& chosenFilter,
                      const QStringList& filters) {
  const QString name = QFileInfo(path).fileName();
  QStringList extensions = Extensions(chosenFilter);
  if (extensions.isEmpty()) {
    if (!QFileInfo(name).suffix().isEmpty() || filters.isEmpty())
      return path;
    extensions = Extensions(filters.first());
  }
  for (const QString& extension : extensions) {
    if (name.endsWith("." + extension, Qt::CaseInsensitive))
      return path;
  }
  return extensions.isEmpty() ? path : path + "." + extensions.first();
}

// Qt's own dialog, whose list the filters above can reach on every desktop, with its columns
// in Spanish.
void UseOwnSpanishList(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setProxyModel(new SpanishFileList(&dialog));
}

// The paths chosen in the open dialog; none when it was cancelled.
QStringList ChooseToOpen(QWidget* owner, const OpenFileRequest& request,
                         QFileDialog::FileMode mode) {
  const QFileInfo start(QString::fromStdString(request.pattern));
  QFileDialog dialog(owner, ToQt(request.title), start.path(), FilterList(request));
  dialog.setFileMode(mode);
  dialog.setOption(QFileDialog::ReadOnly);
  if (!request.acceptLabel.empty())
    dialog.setLabelText(QFileDialog::Accept, ToQt(request.acceptLabel));
  UseOwnSpanishList(dialog);
  ListEveryFileForStarDotStar(dialog);
  if (dialog.exec() != QDialog::Accepted)
    return {};
  return dialog.selectedFiles();
}

}  // namespace

void QtDialogs::Stop(const std::string& text, const std::string& caption) {
  Show(owner_, QMessageBox::Critical, text, caption);
}

void QtDialogs::Info(const std::string& text, const std::string& caption) {
  Show(owner_, QMessageBox::Information, text, caption);
}

bool QtDialogs::Question(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, ToQt(caption), ToQt(text),
                  QMessageBox::Yes | QMessageBox::No, owner_);
  return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::QuestionDefaultNo(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, ToQt(caption), ToQt(text),
                  QMessageBox::Yes | QMessageBox::No, owner_);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

int QtDialogs::Choose(const std::string& text, const std::string& caption,
                      const std::vector<std::string>& buttons) {
  QMessageBox box(QMessageBox::Question, ToQt(caption), ToQt(text), QMessageBox::NoButton, owner_);
  QList<QAbstractButton*> added;
  for (std::size_t k = 0; k < buttons.size(); ++k) {
    const bool cancels = k + 1 == buttons.size();
    added.append(box.addButton(ToQt(buttons[k]),
                               cancels ? QMessageBox::RejectRole : QMessageBox::AcceptRole));
  }
  if (added.isEmpty())
    return -1;
  box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
  box.setEscapeButton(added.last());
  box.exec();
  const auto pressed = added.indexOf(box.clickedButton());
  return pressed < 0 ? static_cast<int>(added.size()) - 1 : static_cast<int>(pressed);
}

void QtDialogs::Plain(const std::string& text) {
  Show(owner_, QMessageBox::NoIcon, text, kCaption);
}

void QtDialogs::Beep() {
  QApplication::beep();
}

std::optional<std::string> QtDialogs::AskOpenFile(const OpenFileRequest& request) {
  const QStringList files = ChooseToOpen(owner_, request, QFileDialog::ExistingFile);
  if (files.isEmpty())
    return std::nullopt;
  return files.first().toStdString();
}

std::vector<std::string> QtDialogs::AskOpenFiles(const OpenFileRequest& request) {
  std::vector<std::string> paths;
  for (const QString& file : ChooseToOpen(owner_, request, QFileDialog::ExistingFiles))
    paths.push_back(file.toStdString());
  return paths;
}

std::optional<std::string> QtDialogs::AskSaveFile(const SaveFileRequest& request) {
  // The pattern is a folder and either a file to propose or a wildcard ("*.rlm").
  const QFileInfo start(QString::fromStdString(request.pattern));
  QFileDialog dialog(owner_, ToQt(request.title), start.path(), FilterList(request));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // a save adds to the file it names
  UseOwnSpanishList(dialog);
  ListEveryFileForStarDotStar(dialog);
  if (!start.fileName().contains('*'))
    dialog.selectFile(start.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  const QStringList filters = FilterList(request).split(";;", Qt::SkipEmptyParts);
  return WithExtension(dialog.selectedFiles().first(), dialog.selectedNameFilter(), filters)
      .toStdString();
}

std::optional<QFont> QtDialogs::AskFont(const QFont& initial, const QString& title) {
  bool accepted = false;
  const QFont font = title.isEmpty() ? QFontDialog::getFont(&accepted, initial, owner_)
                                     : QFontDialog::getFont(&accepted, initial, owner_, title);
  if (!accepted)
    return std::nullopt;
  return font;
}

std::optional<QColor> QtDialogs::AskColor(const QColor& initial, const QString& title) {
  const QColor colour = QColorDialog::getColor(initial, owner_, title);
  if (!colour.isValid())
    return std::nullopt;
  return colour;
}

bool QtDialogs::AskPrinter(QPrinter& printer) {
  // A printer exists only once the printing module is loaded.
  const PrintModule* module = LoadPrintModule();
  return module && module->askPrinter(printer, owner_);
}
