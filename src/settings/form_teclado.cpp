// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/form_teclado.h"

#include <QDir>

#include "charset.h"
#include "platform/help_context.h"
#include "ui_form_teclado.h"

namespace {

constexpr int kPathLimit = 255;
const char* const kFolder = "teclados";
// Where the chooser opens, on the screen.
const QPoint kDesignPosition(352, 216);

}  // namespace

QString KeyboardFilePath(const QString& name) {
  const qsizetype stop = name.indexOf('.');
  return QString(kFolder) + "/" + (stop < 0 ? name : name.left(stop)) + ".tec";
}

TForm_teclado::TForm_teclado(QWidget* owner, const GameFolder& folder)
    : QDialog(owner), ui_(std::make_unique<Ui::TForm_teclado>()), folder_(folder) {
  ui_->setupUi(this);
  SetWindowHelpContext(*this, 502);  // the keyboard's topic
  move(kDesignPosition);             // a moved dialog is not centred over its owner
  connect(ui_->Button_ok, &QPushButton::clicked, this, &TForm_teclado::Button_okClick);
  connect(ui_->Button_cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(ui_->FileListBox, &QListWidget::currentTextChanged, ui_->Edit1, &QLineEdit::setText);
}

TForm_teclado::~TForm_teclado() = default;

// The files as they are when the program opens the chooser; a restore of the
// minimised chooser keeps the list and what is selected in it.
void TForm_teclado::RefreshList() {
  ui_->FileListBox->clear();
  const QDir folder(folder_.File(kFolder));
  ui_->FileListBox->addItems(folder.entryList({"*.tec"}, QDir::Files, QDir::Name));
}

bool TForm_teclado::AcceptableName(const QString& name) const {
  if (name.isEmpty() || name.contains('*') || name.contains('?'))
    return false;
  if (name.contains('/') || name.contains('\\') || name.startsWith('.'))
    return false;
  bool representable = false;
  Utf8ToAnsi(name.toStdString(), &representable);
  if (!representable)
    return false;
  const QString path = folder_.File(KeyboardFilePath(name));
  return path.toUtf8().size() <= kPathLimit;
}

void TForm_teclado::Button_okClick() {
  if (!AcceptableName(ui_->Edit1->text()))
    return;  // the chooser stays open
  acceptedName_ = ui_->Edit1->text();
  const QListWidgetItem* selected = ui_->FileListBox->currentItem();
  acceptedFile_ = selected && selected->isSelected() ? selected->text() : QString();
  accept();
}

std::optional<QString> TForm_teclado::AskSaveName() {
  setWindowTitle(QString::fromUtf8("Guardar configuración del teclado"));
  ui_->Edit1->setEnabled(true);
  RefreshList();
  if (exec() != QDialog::Accepted)
    return std::nullopt;
  return acceptedName_;
}

std::optional<QString> TForm_teclado::AskFileToRead() {
  setWindowTitle(QString::fromUtf8("Leer configuración del teclado"));
  ui_->Edit1->setEnabled(false);
  RefreshList();
  if (exec() != QDialog::Accepted)
    return std::nullopt;
  // Nothing selected: a name that opens nothing, so reading fails with its message.
  return folder_.File(QString(kFolder) + "/" + acceptedFile_);
}
