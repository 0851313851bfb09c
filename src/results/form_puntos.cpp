// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/form_puntos.h"

#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QShowEvent>

#include "charset.h"
#include "platform/game_folder.h"
#include "platform/help_context.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"
#include "platform/title_bar.h"
#include "ui_form_puntos.h"

namespace {

const char* const kSaveFailed = "Error.\n\nNo se ha podido grabar el archivo de puntuaciones.";
const std::string kUnreadable = Ansi(
    "Error.\n\nNo se ha podido leer el archivo de puntuaciones.\n\nLa lista no se ha guardado, "
    "para no borrar las puntuaciones que ya tiene.");
const std::string kBusy =
    Ansi("El archivo de puntuaciones está ocupado por otro ordenador. Inténtelo otra vez.");
const QColor kNewColour(255, 0, 0);
const QColor kNameColour(0, 0, 0);
const QColor kPointsColour(0, 0, 255);

void Paint(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

}  // namespace

TForm_puntos::TForm_puntos(QWidget* owner, const GameFolder& folder, const PlayerTable& players,
                           Dialogs& dialogs)
    : QDialog(owner),
      folder_(folder),
      ui_(std::make_unique<Ui::TForm_puntos>()),
      players_(players),
      dialogs_(dialogs) {
  ui_->setupUi(this);
  // A dialog border without title-bar buttons: "Cerrar" is the way out.
  RemoveTitleBarButtons(*this);
  setFixedSize(size());
  SetWindowHelpContext(*this, kHelpContext);
  nameLabels_ = {ui_->Label_j1, ui_->Label_j2, ui_->Label_j3, ui_->Label_j4, ui_->Label_j5,
                 ui_->Label_j6, ui_->Label_j7, ui_->Label_j8, ui_->Label_j9, ui_->Label_j10};
  pointsLabels_ = {ui_->Label_p1, ui_->Label_p2, ui_->Label_p3, ui_->Label_p4, ui_->Label_p5,
                   ui_->Label_p6, ui_->Label_p7, ui_->Label_p8, ui_->Label_p9, ui_->Label_p10};
  connect(ui_->BitBtn_guardar, &QPushButton::clicked, this, &TForm_puntos::BitBtn_guardarClick);
  connect(ui_->BitBtn_cerrar, &QPushButton::clicked, this, &TForm_puntos::BitBtn_cerrarClick);
}

TForm_puntos::~TForm_puntos() = default;

// Only the program's own show rebuilds the list, not the restore of a minimised window.
void TForm_puntos::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TForm_puntos::FormShow() {
  list_ = ReadPointsFile();
  const int placed = list_.PlaceGame(players_);
  ui_->BitBtn_guardar->setEnabled(placed > 0);
  ShowList();
}

// A missing or short file leaves empty places; only regular files are read.
TopTenList TForm_puntos::ReadPointsFile() const {
  const QString path = PointsFilePath();
  if (!QFileInfo(path).isFile())
    return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = file.read(static_cast<qint64>(kPointsFileSize));
  return ParsePointsFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void TForm_puntos::ShowList() {
  for (int i = 0; i < kTopPlaces; ++i) {
    const ScorePlace& place = list_.places[i];
    QLabel* name = nameLabels_[i];
    QLabel* points = pointsLabels_[i];
    name->setText(ToQt(place.entry.name));
    points->setText(QString::number(place.entry.points));
    QFont font = name->font();
    font.setBold(place.isNew);
    font.setUnderline(place.isNew);
    name->setFont(font);
    Paint(name, place.isNew ? kNewColour : kNameColour);
    Paint(points, place.isNew ? kNewColour : kPointsColour);
  }
}

// Saved with what the file holds at this moment (another computer may have saved since the
// window was shown): the list shown becomes the one saved. The old file stays whole until the
// new list is written completely, and one that cannot be read is never saved over.
void TForm_puntos::BitBtn_guardarClick() {
  switch (SaveTopTen(sharedFiles_, QFile::encodeName(PointsFilePath()).toStdString(), list_)) {
    case SharedSave::Saved:
      ui_->BitBtn_guardar->setEnabled(false);
      ShowList();
      return;
    case SharedSave::Busy:
      dialogs_.Plain(kBusy);
      return;
    case SharedSave::CannotRead:
      dialogs_.Plain(kUnreadable);
      return;
    case SharedSave::Kept:
    case SharedSave::CannotWrite:
      dialogs_.Plain(kSaveFailed);
      return;
  }
}

void TForm_puntos::BitBtn_cerrarClick() {
  accept();
}

// No cancel button: Esc does nothing.
void TForm_puntos::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    return;
  QDialog::keyPressEvent(event);
}

// A close request presses "Cerrar".
void TForm_puntos::closeEvent(QCloseEvent* event) {
  if (closing_) {
    QDialog::closeEvent(event);
    return;
  }
  BitBtn_cerrarClick();
  event->setAccepted(!isVisible());
}

void TForm_puntos::done(int result) {
  closing_ = true;
  QDialog::done(result);
  closing_ = false;
}
