#include "platform/prompter_qt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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

void QtDialogs::Plain(const std::string& text) {
  Show(owner_, QMessageBox::NoIcon, text, kCaption);
}

void QtDialogs::Beep() {
  QApplication::beep();
}

std::optional<std::string> QtDialogs::AskOpenFile(const OpenFileRequest& request) {
  const QFileInfo start(ToQt(request.pattern));
  QFileDialog dialog(owner_, ToQt(request.title), start.path(), FilterList(request));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return PathFromQt(dialog.selectedFiles().first());
}

std::optional<std::string> QtDialogs::AskSaveFile(const SaveFileRequest& request) {
  // The pattern is a folder and either a file to propose or a wildcard ("*.rlm").
  const QFileInfo start(QString::fromStdString(request.pattern));
  QFileDialog dialog(owner_, ToQt(request.title), start.path(), FilterList(request));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);  // a save adds to the file it names
  if (!start.fileName().contains('*'))
    dialog.selectFile(start.fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

std::optional<QFont> QtDialogs::AskFont(const QFont& initial) {
  bool accepted = false;
  const QFont font = QFontDialog::getFont(&accepted, initial, owner_);
  if (!accepted)
    return std::nullopt;
  return font;
}

std::optional<QColor> QtDialogs::AskColor(const QColor& initial) {
  const QColor colour = QColorDialog::getColor(initial, owner_);
  if (!colour.isValid())
    return std::nullopt;
  return colour;
}

bool QtDialogs::AskPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, owner_);
  return dialog.exec() == QDialog::Accepted;
}
