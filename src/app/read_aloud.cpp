// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/read_aloud.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <algorithm>

#include "platform/prompter_qt.h"
#include "platform/read_aloud_option.h"
#include "platform/text.h"
#include "ui_form_juego.h"

namespace {

constexpr const char* kReadAloud = "Leer en voz alta";
constexpr const char* kNotSavedText =
    "\nNo se ha podido guardar la opción \"Leer en voz alta\" en\n\n%1\n\nLa próxima vez el "
    "juego empezará sin ella.\n";
constexpr QSize kButtonSize{22, 22};
constexpr int kButtonGap = 8;  // between the hint's text and the loudspeaker

// A loudspeaker with two sound waves, in the hint's yellow edged in black, drawn at twice the
// size it shows: sharp on a scaled screen too.
QIcon LoudspeakerIcon() {
  constexpr int kSize = 18;
  QPixmap picture(2 * kSize, 2 * kSize);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(2, 2);
  const QPolygonF cone({{1.5, 6.5}, {5, 6.5}, {9.5, 2.5}, {9.5, 15.5}, {5, 11.5}, {1.5, 11.5}});
  QPainterPath waves;
  waves.arcMoveTo(QRectF(7.5, 5.5, 5.5, 7), 50);
  waves.arcTo(QRectF(7.5, 5.5, 5.5, 7), 50, -100);
  waves.arcMoveTo(QRectF(7, 2, 9.5, 14), 55);
  waves.arcTo(QRectF(7, 2, 9.5, 14), 55, -110);
  const QColor yellow(255, 255, 0);
  for (const auto& [colour, width] : {std::pair{QColor(Qt::black), 3.6}, std::pair{yellow, 1.6}}) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(yellow);
    painter.drawPolygon(cone);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(waves);
  }
  painter.end();
  picture.setDevicePixelRatio(2);
  return QIcon(picture);
}

}  // namespace

ReadAloud::ReadAloud(Ui::TForm_juego& ui, const Game& game, Speaker& speaker, Dialogs& dialogs,
                     QWidget* window)
    : QObject(window), hint_(*ui.Label_pista), game_(game), dialogs_(dialogs), dictation_(speaker) {
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
  button_->resize(kButtonSize);
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

void ReadAloud::WordStarted() {
  PlaceButton();
  dictation_.WordStarted(game_);
}

// Just after the hint's text, which its line centres; alone in the middle of the line when the
// hint is hidden.
void ReadAloud::PlaceButton() {
  const int textWidth = hint_.isHidden() ? 0 : hint_.fontMetrics().horizontalAdvance(hint_.text());
  const int textRight = hint_.x() + std::min(hint_.width(), (hint_.width() + textWidth) / 2);
  button_->move(textRight + kButtonGap, hint_.y() + (hint_.height() - button_->height()) / 2);
}

void ReadAloud::Switch(bool on) {
  dictation_.SetOn(on);
  if (!SaveReadAloudOption(on))
    dialogs_.Stop(FromQt(QString(kNotSavedText).arg(ReadAloudOptionPath())), kCaption);
}
