// "¿ Quién va a jugar ?": up to ten players and their group start a new game.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

namespace Ui {
class TForm_jugadores;
}
class QLineEdit;
class TForm_juego;

class TForm_jugadores : public QDialog {
  Q_OBJECT

 public:
  explicit TForm_jugadores(TForm_juego& main);
  ~TForm_jugadores() override;

  Ui::TForm_jugadores* ui() { return ui_.get(); }
  QLineEdit* NameField(int player) const { return nameFields_[player - 1]; }

  void Button_jugarClick();
  void Button_terminarClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::unique_ptr<Ui::TForm_jugadores> ui_;
  TForm_juego& main_;
  std::array<QLineEdit*, 10> nameFields_{};
};
