// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/form_jugadores.h"

#include <QDate>
#include <QKeyEvent>
#include <QScreen>

#include "charset.h"
#include "platform/help_context.h"
#include "platform/prompter_qt.h"
#include "platform/text.h"
#include "player_entry.h"
#include "ui_form_jugadores.h"

namespace {

const char* const kQuitQuestion =
    "\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este programa?\n";
constexpr int kQuitCode = 2;  // the window's result when the program is to end

}  // namespace

TForm_jugadores::TForm_jugadores(QWidget* owner, Dialogs& dialogs)
    : QDialog(owner), ui_(std::make_unique<Ui::TForm_jugadores>()), dialogs_(dialogs) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  SetWindowHelpContext(*this, 517);  // the players' topic
  nameFields_ = {ui_->Edit_jugador1, ui_->Edit_jugador2, ui_->Edit_jugador3, ui_->Edit_jugador4,
                 ui_->Edit_jugador5, ui_->Edit_jugador6, ui_->Edit_jugador7, ui_->Edit_jugador8,
                 ui_->Edit_jugador9, ui_->Edit_jugador10};
  // A screen reader names each field by what goes in it, not by its "1-" caption.
  for (std::size_t i = 0; i < nameFields_.size(); ++i)
    nameFields_[i]->setAccessibleName(QString("Nombre del jugador %1").arg(i + 1));
  ui_->Edit_grupo->setAccessibleName("Nombre del grupo");
  connect(ui_->Button_jugar, &QPushButton::clicked, this, &TForm_jugadores::Button_jugarClick);
  connect(ui_->Button_terminar, &QPushButton::clicked, this,
          &TForm_jugadores::Button_terminarClick);
}

TForm_jugadores::~TForm_jugadores() = default;

PlayersAnswer TForm_jugadores::Ask() {
  for (QLineEdit* field : nameFields_)
    field->clear();
  ui_->Edit_grupo->clear();
  ui_->Edit_jugador1->setFocus();
  CentreOnScreen();
  const int answer = exec();
  // Closed, the window keeps its controls and what was typed, but gives back its window-system
  // window and the picture it was drawn in until it shows again.
  if (isHidden())
    destroy();
  switch (answer) {
    case QDialog::Accepted:
      return PlayersAnswer::Play;
    case kQuitCode:
      return PlayersAnswer::Quit;
    default:
      return PlayersAnswer::Closed;
  }
}

// On the screen's middle, wherever the main window is. Before the window is
// first shown its frame is not known: the main window's frame stands for it.
void TForm_jugadores::CentreOnScreen() {
  QWidget* owner = parentWidget();
  const QScreen* screen = owner ? owner->screen() : this->screen();
  if (!screen)
    return;
  QRect frame = frameGeometry();
  if (frame.size() == size() && owner)
    frame.setSize(size() + owner->frameGeometry().size() - owner->size());
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

GroupEntry TForm_jugadores::Entry() const {
  GroupEntry entry;
  for (int i = 0; i < kMaxPlayers; ++i)
    entry.names[i] = FromQt(nameFields_[i]->text());
  entry.group = FromQt(ui_->Edit_grupo->text());
  const QDate today = QDate::currentDate();
  entry.today = {today.year(), today.day(), today.month()};
  return entry;
}

// Esc presses "Terminar"; the close box closes without changing anything.
void TForm_jugadores::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    ui_->Button_terminar->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm_jugadores::Button_terminarClick() {
  if (dialogs_.Question(Ansi(kQuitQuestion), kCaption))
    done(kQuitCode);
}
