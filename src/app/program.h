// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's thirteen windows, created once in their order and kept until the end.
#pragma once

#include <memory>

#include "app/form_juego.h"
#include "dictation.h"
#include "platform/game_folder.h"
#include "results/form_directorio.h"
#include "results/form_jugadores.h"
#include "results/form_op_fin.h"
#include "results/form_puntos.h"
#include "results/form_resultados.h"
#include "screens/form_acierto.h"
#include "screens/form_error.h"
#include "screens/form_inicio.h"
#include "screens/form_puzle.h"
#include "settings/form_charboton.h"
#include "settings/form_dibujof.h"
#include "settings/form_teclado.h"

class Program {
 public:
  // Without `speech`, the game never reads aloud.
  Program(const GameFolder& folder, Dialogs& dialogs, SoundPlayer& sound,
          Speaker& speech = NoSpeech());

 private:
  // The players' records as the results window changes them, handed back to the game.
  PlayerTable resultsPlayers_;

 public:
  // The main window owns the others (as their Qt parent) and goes last.
  std::unique_ptr<TForm_juego> Form_juego;
  TForm_inicio* Form_inicio;
  TForm_jugadores* Form_jugadores;
  TForm_Acierto* Form_Acierto;
  TForm_Error* Form_Error;
  TForm_Resultados* Form_Resultados;
  TForm_op_fin* Form_op_fin;
  TForm_puntos* Form_puntos;
  TForm_charboton* Form_charboton;
  TForm_dibujof* Form_dibujof;
  TForm_puzle* Form_puzle;
  TForm_teclado* Form_teclado;
  TForm_directorio* Form_directorio;
};
