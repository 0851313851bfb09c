// The on-screen keyboard of the main window: its 33 keys in key-number order,
// its letter case, the key editor, its colour and font, and keyboard files.
#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>

#include "keyboard_layout.h"

namespace Ui {
class TForm_juego;
}
class Dialogs;
class QPushButton;
class TForm_charboton;
class TForm_teclado;

class OnScreenKeyboard : public QObject {
  Q_OBJECT

 public:
  OnScreenKeyboard(Ui::TForm_juego& ui, Dialogs& dialogs);
  void SetEditors(TForm_charboton* keyEditor, TForm_teclado* chooser);

  // Key 1..33 in the order of keyboard files: a..n, ñ, o..z, á é í ó ú ü.
  QPushButton* Key(int keyNumber) const { return keys_[keyNumber - 1]; }

  bool keyboardUpperCase = false;
  std::string keyCharBuffer;

  // Brings the captions, the coloured vowels, the "Mayús" key and the case of
  // typed letters in line with keyboardUpperCase.
  void ApplyKeyboardCase();
  void SetUpperCase(bool upper);
  void ShowVowelOverlay(bool show);

  KeyboardLayout CurrentLayout() const;
  void ApplyKeyboardLayout(const KeyboardLayout& layout);

  // Start-up: "teclado.def" from the current folder; every failure is silent.
  void ReadDefaultKeyboard();
  void SaveKeyboardFile();
  void ReadKeyboardFile();

  // Handlers.
  void SpeedButton_mayClick(bool down);
  void Button_a2MouseDown(int keyNumber);
  void AvisoTecla();
  void Mp_ColorfondodeltecladoClick();
  void Mp_TipodeletraClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Ui::TForm_juego& ui_;
  Dialogs& dialogs_;
  std::array<QPushButton*, kKeyCount> keys_{};
  std::array<QPushButton*, 10> vowelKeys_{};  // a e i o u, then A E I O U
  TForm_charboton* keyEditor_ = nullptr;
  TForm_teclado* chooser_ = nullptr;
};
