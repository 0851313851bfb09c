// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/read_aloud.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "platform/prompter_qt.h"
#include "platform/read_aloud_option.h"
#include "platform/text.h"
#include "ui_form_juego.h"

namespace {

constexpr const char* kReadAloud = "Leer en voz alta";
constexpr const char* kNotSavedText =
    "\nNo se ha podido guardar la opción \"Leer en voz alta\" en\n\n%1\n\nLa próxima vez el "
    "juego empezará sin ella.\n";
// Beside the hint's right end, as high as its line.
constexpr QRect kButtonPlace{649, 271, 22, 22};

// A loudspeaker with two sound waves, drawn at twice the size it shows: sharp on a scaled
// screen too.
QIcon LoudspeakerIcon() {
  constexpr int kSize = 18;
  QPixmap picture(2 * kSize, 2 * kSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(2, 2);
  painter.setPen(QPen(QColor(20, 20, 20), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(20, 20, 20));
  painter.drawPolygon(
      QPolygonF({{2, 6.5}, {5.5, 6.5}, {9.5, 3}, {9.5, 15}, {5.5, 11.5}, {2, 11.5}}));
  painter.setBrush(Qt::NoBrush);
  painter.drawArc(QRectF(8, 5.5, 5, 7), -50 * 16, 100 * 16);
  painter.drawArc(QRectF(7.5, 2.5, 9, 13), -55 * 16, 110 * 16);
  painter.end();
  picture.setDevicePixelRatio(2);
  return QIcon(picture);
}

}  // namespace

ReadAloud::ReadAloud(Ui::TForm_juego& ui, const Game& game, Speaker& speaker, Dialogs& dialogs,
                     QWidget* window)
    : QObject(window), game_(game), dialogs_(dialogs), dictation_(speaker) {
  toggle_ = new QAction(kReadAloud, this);
  toggle_->setObjectName("M_Leerenvozalta");
  toggle_->setCheckable(true);
  toggle_->setStatusTip("Decir cada palabra nueva y cada letra que se pulsa");
  QAction* readWord = new QAction("Decir la pista y la palabra", this);
  readWord->setObjectName("M_Decirpistaypalabra");
  readWord->setShortcut(Qt::Key_F5);
  readWord->setStatusTip("Decir en voz alta la pista y la palabra que se está jugando");
  ui.M_Ver_OP->addSeparator();
  ui.M_Ver_OP->addActions({toggle_, readWord});

  button_ = new QToolButton(ui.Label_pista->parentWidget());
  button_->setObjectName("Button_leerenvozalta");
  button_->setGeometry(kButtonPlace);
  button_->setIcon(LoudspeakerIcon());
  button_->setIconSize(QSize(18, 18));
  button_->setAutoRaise(true);
  button_->setToolTip("Decir la pista y la palabra (F5)");
  button_->setAccessibleName(kReadAloud);
  // Reached with Tab, but a click leaves the focus where the letters are typed.
  button_->setFocusPolicy(Qt::TabFocus);

  const auto readNow = [this] { dictation_.ReadWord(game_); };
  connect(readWord, &QAction::triggered, this, readNow);
  connect(button_, &QToolButton::clicked, this, readNow);
  connect(toggle_, &QAction::triggered, this, &ReadAloud::Switch);
  const bool on = ReadAloudOption();
  toggle_->setChecked(on);
  dictation_.SetOn(on);
}

void ReadAloud::Switch(bool on) {
  dictation_.SetOn(on);
  if (!SaveReadAloudOption(on))
    dialogs_.Stop(FromQt(QString(kNotSavedText).arg(ReadAloudOptionPath())), kCaption);
}
