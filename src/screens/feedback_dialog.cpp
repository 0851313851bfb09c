// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screens/feedback_dialog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "charset.h"
#include "platform/picture_file.h"
#include "platform/prompter_qt.h"
#include "platform/title_bar.h"

namespace {

// Sizes are the dialog's outer size; the frame takes about this much of it.
const QSize kFrame(6, 26);

struct Layout {
  QSize label;
  QPoint button;
  QSize dialog;
  bool picture;
};

const Layout kShort{{488, 79}, {173, 99}, {532, 172}, false};
const Layout kLong{{308, 184}, {83, 209}, {755, 289}, true};

}  // namespace

FeedbackDialog::FeedbackDialog(QWidget* owner) : QDialog(owner), owner_(owner) {
  RemoveTitleBarButtons(*this);
  setModal(true);
}

void FeedbackDialog::Bind(QLabel* message, QPushButton* seguir, QLabel* picture,
                          QPushButton* nulo) {
  message_ = message;
  seguir_ = seguir;
  picture_ = picture;
  nulo->move(nulo->x(), 500);  // out of sight; it takes the focus, Enter and Space do nothing
  nulo->setFocus();
}

// The picture is checked now, from its headers and its size, and decoded when the dialog first
// shows: until a word ends, its pixels would only wait in memory.
void FeedbackDialog::LoadPicture(const QString& path, const char* fileName, Dialogs& dialogs) {
  if (!BmpFileIsWhole(path)) {
    dialogs.Plain(Ansi("\nError.\n\nProblema con archivo de imagen '") + fileName + "'.\n");
    return;
  }
  picturePath_ = path;
}

void FeedbackDialog::setVisible(bool visible) {
  if (visible && !picturePath_.isEmpty()) {
    // A picture gone since the start shows as none.
    if (const std::optional<QImage> picture = LoadPictureFile(picturePath_, "BMP"))
      picture_->setPixmap(QPixmap::fromImage(*picture));
    picturePath_.clear();
  }
  QDialog::setVisible(visible);
}

void FeedbackDialog::ShowText(const DialogText& text) {
  const Layout& layout = text.layout == DialogLayout::Long ? kLong : kShort;
  message_->setText(QString::fromUtf8(text.text.c_str()));
  message_->resize(layout.label);
  seguir_->move(layout.button);
  picture_->setVisible(layout.picture);
  setFixedSize(layout.dialog - kFrame);
}

void FeedbackDialog::PlaceBelowOwner(int right, int down) {
  if (gameOrigin_)
    move(gameOrigin_() + QPoint(right, down));
  else if (owner_)
    move(owner_->pos() + QPoint(right, down));
}

void FeedbackDialog::SetSeguirVisible(bool visible) {
  seguir_->setVisible(visible);
}

void FeedbackDialog::PressSeguir() {
  if (seguir_->isVisible())
    seguir_->click();
}

void FeedbackDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    PressSeguir();
    return;
  }
  QDialog::keyPressEvent(event);
}

// A close request presses "Seguir", as Esc does; it is refused while "Seguir" is hidden.
void FeedbackDialog::closeEvent(QCloseEvent* event) {
  if (closing_) {
    QDialog::closeEvent(event);
    return;
  }
  PressSeguir();
  event->setAccepted(!isVisible());
}

void FeedbackDialog::done(int result) {
  closing_ = true;
  QDialog::done(result);
  closing_ = false;
}
