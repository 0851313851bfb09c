// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as the game's view: what the engine shows on it.
#include <QApplication>
#include <algorithm>

#include "app/accessibility.h"
#include "app/fit_text.h"
#include "app/form_juego.h"
#include "app/game_menus.h"
#include "app/read_aloud.h"
#include "controls/gif_image.h"
#include "platform/text.h"
#include "settings/on_screen_keyboard.h"
#include "ui_form_juego.h"

namespace {

// At 20 pixels thirty of the widest capital (W) still fit the word's 629, so
// every word is seen whole; smaller would be hard to read from a desk.
constexpr FitRule kWordFit{20, false};
// A theme is a heading: the status bar's size is the least; past it, "…".
constexpr FitRule kThemeFit{12, true};
constexpr FitRule kPointsFit{14, false};

}  // namespace

QLabel* TForm_juego::FloorPiece(int piece) {
  QLabel* pieces[] = {ui_->Image_sfallo1, ui_->Image_sfallo2, ui_->Image_sfallo3,
                      ui_->Image_sfallo4, ui_->Image_sfallo5, ui_->Image_sfallo6};
  return pieces[std::clamp(piece, 1, 6) - 1];
}

QLabel* TForm_juego::ExitFrame(int frame) {
  QLabel* frames[] = {ui_->Image_salida1, ui_->Image_salida2, ui_->Image_salida3,
                      ui_->Image_salida4, ui_->Image_salida5, ui_->Image_salida6,
                      ui_->Image_salida7, ui_->Image_salida8};
  return frames[std::clamp(frame, 1, kExitFrames) - 1];
}

QLabel* TForm_juego::FailedLetterLabel(int label) {
  QLabel* labels[] = {ui_->Label_letrafallo1, ui_->Label_letrafallo2, ui_->Label_letrafallo3,
                      ui_->Label_letrafallo4, ui_->Label_letrafallo5};
  return labels[std::clamp(label, 1, 5) - 1];
}

// The word follows the word font of its panel.
void TForm_juego::SetWordText(const std::string& text) {
  ShowFitted(*ui_->Label_palabra, ui_->Panel_palabra->font(), ToQt(text), kWordFit);
}

void TForm_juego::ShowRevealedWord(const std::string& text) {
  SetWordText(text);
  ui_->Label_palabra->repaint();
}

void TForm_juego::AnnounceNewWord(const std::string& text) {
  AnnounceWord(this, ToQt(text));
  readAloud_->WordStarted();
}

void TForm_juego::SetHintText(const std::string& text) {
  ui_->Label_pista->setText(ToQt(text));
}

void TForm_juego::SetThemeText(const std::string& text) {
  ShowFitted(*ui_->Label_tema, themeFont_, ToQt(text), kThemeFit);
}

void TForm_juego::SetThemeTooltip(const std::string& path) {
  ui_->Label_tema->setToolTip(QString::fromStdString(path));
  ui_->Label_tema->setStatusTip(QString::fromStdString(path));
}

void TForm_juego::AddTheme(const std::string& theme) {
  ui_->ListBox_temas->addItem(ToQt(theme));
}

void TForm_juego::ShowSolvedWord() {
  ShowFitted(*ui_->Label_palabra2, solvedWordFont_, ui_->Label_palabra->text(), kWordFit);
  ui_->Label_palabra2->show();
  ui_->Label_palabra->hide();
  ui_->Label_pista->hide();
}

void TForm_juego::ShowWordLabels() {
  ui_->Label_palabra->show();
  ui_->Label_palabra2->hide();
  if (game_.settings().view.hint)
    ui_->Label_pista->show();
}

void TForm_juego::HideSceneFrames() {
  for (int i = 1; i <= kExitFrames; ++i)
    ExitFrame(i)->hide();
  HideBrokenFloor();
}

void TForm_juego::HideBrokenFloor() {
  for (int i = 1; i <= 6; ++i)
    FloorPiece(i)->hide();
}

void TForm_juego::ShowBrokenFloor(int piece) {
  FloorPiece(piece)->show();
}

void TForm_juego::SetTimeText(const std::string& text) {
  ui_->Label_tiempo->setText(QString::fromStdString(text));
}

void TForm_juego::SetChances(int chances) {
  ui_->Label_oportunidades->setText(QString::number(chances));
}

void TForm_juego::SetFailedLetter(int label, char c) {
  FailedLetterLabel(label)->setText(ToQt(std::string(1, c)));
  ui_->GroupBox_letrasfalladas->repaint();
}

void TForm_juego::ClearFailedLetters() {
  for (int i = 1; i <= 5; ++i)
    FailedLetterLabel(i)->clear();
}

void TForm_juego::SetWordCounters(int solved, int failed) {
  ui_->Label_pacertadas->setText(QString::number(solved));
  ui_->Label_pfalladas->setText(QString::number(failed));
}

void TForm_juego::SetPlayerName(const std::string& name) {
  ui_->Label_nombrejugador->setText(ToQt(name));
}

void TForm_juego::SetPointsText(const std::string& text) {
  ShowFitted(*ui_->Label_puntos, pointsFont_, QString::fromStdString(text), kPointsFit);
}

void TForm_juego::ShowSettings(const Settings& settings) {
  menus_->Show(settings);
  ApplyWordFont(settings.wordFont);
}

void TForm_juego::SetVowelOptionsEnabled(bool enabled) {
  menus_->SetVowelOptionsEnabled(enabled);
}

void TForm_juego::ShowVowelOverlay(bool show) {
  keyboard_->ShowVowelOverlay(show);
}

void TForm_juego::SetBusyCursor(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void TForm_juego::ShowDecorationScene(const DecorationScene& scene) {
  const bool shown[] = {scene.showFirst, scene.showSecond, scene.showThird};
  for (int n = 1; n <= 3; ++n) {
    TGIFImage* gif = Decoration(n);
    gif->SetAnimate(shown[n - 1]);
    gif->setVisible(shown[n - 1]);
  }
  Decoration(4)->SetLeft(scene.fourthLeft);
}
