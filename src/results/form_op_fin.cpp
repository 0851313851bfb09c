// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/form_op_fin.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "charset.h"
#include "platform/help_context.h"
#include "platform/picture_file.h"
#include "platform/prompter_qt.h"
#include "platform/title_bar.h"
#include "ui_form_op_fin.h"

namespace {

const char* const kQuitQuestion =
    "\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n";

}  // namespace

TForm_op_fin::TForm_op_fin(QWidget* owner, Dialogs& dialogs, std::function<bool()> askNewPlayers,
                           std::function<void()> showPoints)
    : QDialog(owner),
      ui_(std::make_unique<Ui::TForm_op_fin>()),
      dialogs_(dialogs),
      askNewPlayers_(std::move(askNewPlayers)),
      showPoints_(std::move(showPoints)) {
  ui_->setupUi(this);
  // A dialog border without title-bar buttons: only the labels close it (a close
  // request is "Continuar  el juego").
  RemoveTitleBarButtons(*this);
  setFixedSize(size());
  SetWindowHelpContext(*this, kHelpContext);
  const QCursor hand(BuiltInPicture(":/images/cursor_mano.png"), 10, 2);
  for (QLabel* label : {ui_->Label_continuar, ui_->Label_juegonuevo, ui_->Label_terminar}) {
    label->setCursor(hand);
    label->installEventFilter(this);
  }
  connect(ui_->Button_verpuntos, &QPushButton::clicked, this, &TForm_op_fin::Button_verpuntosClick);
}

TForm_op_fin::~TForm_op_fin() = default;

EndOfGameChoice TForm_op_fin::Ask() {
  choice_ = EndOfGameChoice::Continue;
  exec();
  return choice_;
}

// The labels act as buttons: a left click released over the label.
bool TForm_op_fin::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonRelease)
    return QDialog::eventFilter(watched, event);
  auto* label = static_cast<QLabel*>(watched);
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton || !label->rect().contains(mouse->position().toPoint()))
    return false;
  if (label == ui_->Label_continuar)
    Label_continuarClick();
  else if (label == ui_->Label_juegonuevo)
    Label_juegonuevoClick();
  else if (label == ui_->Label_terminar)
    Label_terminarClick();
  return true;
}

void TForm_op_fin::Label_continuarClick() {
  Choose(EndOfGameChoice::Continue);
}

// The players window decides: "Jugar" starts a new game and closes this
// window, anything else leaves it open.
void TForm_op_fin::Label_juegonuevoClick() {
  if (askNewPlayers_ && askNewPlayers_())
    Choose(EndOfGameChoice::NewGame);
}

void TForm_op_fin::Label_terminarClick() {
  if (dialogs_.Question(Ansi(kQuitQuestion), kCaption))
    Choose(EndOfGameChoice::Quit);
}

void TForm_op_fin::Button_verpuntosClick() {
  if (showPoints_)
    showPoints_();
}

void TForm_op_fin::Choose(EndOfGameChoice choice) {
  choice_ = choice;
  accept();
}

// No cancel button: Esc does nothing.
void TForm_op_fin::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    return;
  QDialog::keyPressEvent(event);
}

// A close request goes on with the game, as "Continuar  el juego" does.
void TForm_op_fin::closeEvent(QCloseEvent* event) {
  if (closing_) {
    QDialog::closeEvent(event);
    return;
  }
  Label_continuarClick();
  event->setAccepted(!isVisible());
}

void TForm_op_fin::done(int result) {
  closing_ = true;
  QDialog::done(result);
  closing_ = false;
}
