// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program.h"

#include "ui_form_juego.h"

Program::Program(const GameFolder& folder, Dialogs& dialogs, SoundPlayer& sound, Speaker& speech)
    : Form_juego(std::make_unique<TForm_juego>(folder, dialogs, sound, speech)),
      Form_inicio(new TForm_inicio(Form_juego.get())),
      Form_jugadores(new TForm_jugadores(Form_juego.get(), dialogs)),
      Form_Acierto(new TForm_Acierto(Form_juego.get(), folder, dialogs, sound, *Form_juego)),
      Form_Error(new TForm_Error(Form_juego.get(), folder, dialogs)),
      Form_Resultados(
          new TForm_Resultados(Form_juego.get(), dialogs, resultsPlayers_, folder.Path())),
      Form_op_fin(new TForm_op_fin(
          Form_juego.get(), dialogs, [this] { return Form_juego->AskWhoPlays(); },
          [this] { Form_puntos->exec(); })),
      Form_puntos(
          new TForm_puntos(Form_juego.get(), folder, Form_juego->game().players(), dialogs)),
      Form_charboton(new TForm_charboton(Form_juego.get())),
      Form_dibujof(new TForm_dibujof(Form_juego.get(), folder, dialogs)),
      Form_puzle(
          new TForm_puzle(Form_juego.get(),
                          {[this]() -> const PuzzleState& { return Form_juego->game().puzzle(); },
                           [this](PuzzleView& view) { Form_juego->game().AdvancePuzzle(view); }},
                          folder.Path())),
      Form_teclado(new TForm_teclado(Form_juego.get(), folder)),
      Form_directorio(
          new TForm_directorio(Form_juego.get(), folder, dialogs, Form_puntos->scoreDirectory)) {
  Form_Acierto->SetPuzzle(Form_puzle);
  // The word dialogs sit below the word wherever the game is drawn in the main window.
  for (FeedbackDialog* dialog :
       {static_cast<FeedbackDialog*>(Form_Acierto), static_cast<FeedbackDialog*>(Form_Error)})
    dialog->SetGameOrigin([main = Form_juego.get()] { return main->GameOrigin(); });
  // The puzzle leaves in sight the word just solved, its hint and the button that goes on.
  Form_puzle->KeepClear(
      {Form_juego->ui()->Label_palabra, Form_juego->ui()->Label_pista, Form_Acierto->Seguir()});
  Form_juego->SetWindows({Form_inicio, Form_Acierto, Form_Error, Form_jugadores, Form_charboton,
                          Form_teclado, Form_op_fin, Form_directorio, Form_dibujof, Form_puzle,
                          Form_Resultados, &resultsPlayers_});
}
