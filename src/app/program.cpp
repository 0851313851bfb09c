#include "app/program.h"

#include <QDir>

Program::Program(Dialogs& dialogs, SoundPlayer& sound)
    : Form_juego(std::make_unique<TForm_juego>(dialogs, sound)),
      Form_inicio(new TForm_inicio(Form_juego.get())),
      Form_jugadores(new TForm_jugadores(*Form_juego)),
      Form_Acierto(new TForm_Acierto(*Form_juego)),
      Form_Error(new TForm_Error(*Form_juego)),
      Form_Resultados(new TForm_Resultados(Form_juego.get(), dialogs, Form_juego->game().players,
                                           QDir::currentPath())),
      Form_op_fin(new TForm_op_fin(Form_juego.get())),
      Form_puntos(new TForm_puntos(Form_juego.get())),
      Form_charboton(new TForm_charboton(Form_juego.get())),
      Form_dibujof(new TForm_dibujof(Form_juego.get())),
      Form_puzle(new TForm_puzle(Form_juego.get())),
      Form_teclado(new TForm_teclado(Form_juego.get())),
      Form_directorio(new TForm_directorio(Form_juego.get())) {
  Form_juego->SetWindows(Form_inicio, Form_Acierto, Form_Error, Form_jugadores, Form_charboton,
                         Form_teclado);
}
