// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/game_menus.h"

#include <QActionGroup>

#include "game.h"
#include "ui_form_juego.h"

GameMenus::GameMenus(Ui::TForm_juego& ui, Game& game, QObject* parent)
    : QObject(parent), ui_(ui), game_(game) {
  ConnectModes();
  ConnectOptions();
  ConnectView();
}

QAction* GameMenus::ModeAction(int mode) const {
  switch (mode) {
    case kHideVowels:
      return ui_.M_Ocultarsolovocales;
    case kHideConsonants:
      return ui_.M_Ocultarsoloconsonantes;
    case kHideAllButEnds:
      return ui_.M_Ocultarsololaprimeraylaltima;
    case kHideManyLetters:
      return ui_.M_Ocultaralazarmuchasletras;
    case kHideMarked:
      return ui_.M_Ocultarletrasmarcadas;
    default:
      return ui_.M_Ocultaralazarfasefacil;
  }
}

void GameMenus::ConnectModes() {
  modeGroup_ = new QActionGroup(this);
  for (int mode = 1; mode <= kModeCount; ++mode) {
    QAction* action = ModeAction(mode);
    modeGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, mode] { game_.ChooseMode(mode); });
  }
}

void GameMenus::ConnectOptions() {
  connect(ui_.M_Tenerencuentasololasvocales, &QAction::triggered, this,
          [this] { game_.SetVowelsOnly(true); });
  connect(ui_.M_Tenerencuentatodaslasletras, &QAction::triggered, this,
          [this] { game_.SetVowelsOnly(false); });
  connect(ui_.M_Notenerencuentalasyapulsadas, &QAction::triggered, this,
          [this] { game_.ToggleIgnorePressedLetters(); });
  connect(ui_.M_Ponertodaslasquehay, &QAction::triggered, this,
          [this] { game_.ToggleRevealAll(); });
  connect(ui_.M_Marcarlasvocales, &QAction::triggered, this,
          [this](bool checked) { game_.SetColouredVowels(checked); });
  for (const auto& [action, failures] :
       {std::pair{ui_.M_Tresletraserroneas, 2}, std::pair{ui_.M_Cincoletraserrneaspermitidas, 5}}) {
    connect(action, &QAction::triggered, this,
            [this, failures = failures] { game_.SetAllowedFailures(failures); });
  }
}

void GameMenus::ConnectView() {
  viewToggles_ = {
      {ui_.M_VerTemadelaspalabras, ui_.Label_tema, &ViewOptions::theme},
      {ui_.M_Verpistasobrepalabra, ui_.Label_pista, &ViewOptions::hint},
      {ui_.M_Vertiempo, ui_.Label_tiempo, &ViewOptions::time},
      {ui_.M_VerControldepalabras, ui_.GroupBox_controlpalabras, &ViewOptions::wordCounters},
      {ui_.M_Verletrasfalladas, ui_.GroupBox_letrasfalladas, &ViewOptions::failedLetters},
      {ui_.M_Verfallospermitidos, ui_.GroupBox_oportunidades, &ViewOptions::chances},
      {ui_.M_Vernombrejugadoractual, ui_.GroupBox_jugador, &ViewOptions::currentPlayer},
      {ui_.M_Verteclado, ui_.Panel_teclas, &ViewOptions::keyboard},
      // The two points marks change nothing visible: the points always show both numbers.
      {ui_.M_VerPuntos, nullptr, &ViewOptions::points},
      {ui_.M_VerPuntosgrupo, nullptr, &ViewOptions::groupPoints},
  };
  for (const ViewToggle& toggle : viewToggles_) {
    connect(toggle.action, &QAction::triggered, this, [this, option = toggle.option](bool on) {
      game_.SetViewOption(option, on);
      game_.ShowPoints();
    });
  }
}

void GameMenus::Show(const Settings& settings) {
  ModeAction(settings.hideMode)->setChecked(true);
  ui_.M_Tenerencuentasololasvocales->setChecked(settings.vowelsOnly);
  ui_.M_Tenerencuentatodaslasletras->setChecked(!settings.vowelsOnly);
  ui_.M_Notenerencuentalasyapulsadas->setChecked(!settings.countRepeatedLetters);
  ui_.M_Notenerencuentalasyapulsadas->setEnabled(settings.revealAllOccurrences);
  ui_.M_Ponertodaslasquehay->setChecked(settings.revealAllOccurrences);
  ui_.M_Tresletraserroneas->setChecked(settings.allowedFailures == 2);
  ui_.M_Cincoletraserrneaspermitidas->setChecked(settings.allowedFailures != 2);
  ui_.M_Marcarlasvocales->setChecked(settings.colouredVowels);
  for (const ViewToggle& toggle : viewToggles_) {
    const bool on = settings.view.*toggle.option;
    toggle.action->setChecked(on);
    if (toggle.panel)
      toggle.panel->setVisible(on);
  }
}

void GameMenus::SetVowelOptionsEnabled(bool enabled) {
  ui_.M_Tenerencuentatodaslasletras->setEnabled(enabled);
  ui_.M_Tenerencuentasololasvocales->setEnabled(enabled);
}
