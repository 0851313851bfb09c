#include "results/form_jugadores.h"

#include <QDate>
#include <QKeyEvent>

#include "app/form_juego.h"
#include "platform/text.h"
#include "player_entry.h"
#include "ui_form_jugadores.h"

namespace {

const char* const kQuitQuestion =
    "\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este programa?\n";

}  // namespace

TForm_jugadores::TForm_jugadores(TForm_juego& main)
    : QDialog(&main), ui_(std::make_unique<Ui::TForm_jugadores>()), main_(main) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  nameFields_ = {ui_->Edit_jugador1, ui_->Edit_jugador2, ui_->Edit_jugador3, ui_->Edit_jugador4,
                 ui_->Edit_jugador5, ui_->Edit_jugador6, ui_->Edit_jugador7, ui_->Edit_jugador8,
                 ui_->Edit_jugador9, ui_->Edit_jugador10};
  connect(ui_->Button_jugar, &QPushButton::clicked, this, &TForm_jugadores::Button_jugarClick);
  connect(ui_->Button_terminar, &QPushButton::clicked, this,
          &TForm_jugadores::Button_terminarClick);
}

TForm_jugadores::~TForm_jugadores() = default;

void TForm_jugadores::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (QLineEdit* field : nameFields_)
    field->clear();
  ui_->Edit_grupo->clear();
  ui_->Edit_jugador1->setFocus();
}

// Esc presses "Terminar"; the close box closes without changing anything.
void TForm_jugadores::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    ui_->Button_terminar->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TForm_jugadores::Button_jugarClick() {
  std::array<std::string, 10> names;
  for (int i = 0; i < 10; ++i)
    names[i] = FromQt(nameFields_[i]->text());
  const QDate today = QDate::currentDate();
  StartGroup(main_.game().players, names, FromQt(ui_->Edit_grupo->text()),
             {today.year(), today.day(), today.month()});
  main_.SetPlayersLayout(main_.game().players.playerCount > 1);
  accept();
}

void TForm_jugadores::Button_terminarClick() {
  if (main_.dialogs().Question(Ansi(kQuitQuestion), kCaption))
    main_.QuitProgram();
}
