// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The on-screen keyboard of the main window: its 33 keys in key-number order,
// the coloured vowels, its letter case, the key editor, its colour and font,
// keyboard files, and the menu commands of its context menu.
#pragma once

#include <QObject>
#include <array>
#include <string>

#include "keyboard_layout.h"
#include "platform/game_folder.h"

class Dialogs;
class Game;
class QAction;
class QFrame;
class QPushButton;
class QToolButton;
class TForm_charboton;
class TForm_teclado;
enum class InputSource;

// The keyboard's controls, as the main window's description holds them.
struct KeyboardWidgets {
  QFrame* panel = nullptr;
  std::array<QPushButton*, kKeyCount> keys{};  // a..n, ñ, o..z, á é í ó ú ü
  std::array<QPushButton*, 10> vowels{};       // coloured a e i o u, then A E I O U
  QToolButton* upperCaseKey = nullptr;         // "Mayús"
  QAction* colour = nullptr;
  QAction* font = nullptr;
  QAction* save = nullptr;
  QAction* read = nullptr;
};

class OnScreenKeyboard : public QObject {
  Q_OBJECT

 public:
  OnScreenKeyboard(const KeyboardWidgets& widgets, Game& game, Dialogs& dialogs,
                   const GameFolder& folder);
  void SetEditors(TForm_charboton* keyEditor, TForm_teclado* chooser);

  // Key 1..33 in the order of keyboard files.
  QPushButton* Key(int keyNumber) const { return w_.keys[keyNumber - 1]; }
  bool UpperCase() const;

  // Brings the captions, the coloured vowels, the "Mayús" key and the case of
  // typed letters in line with the keyboard's case.
  void ApplyKeyboardCase();
  void SetUpperCase(bool upper);
  void ShowVowelOverlay(bool show);

  KeyboardLayout CurrentLayout() const;
  void ApplyKeyboardLayout(const KeyboardLayout& layout);

  // Start-up: "teclado.def" of the game folder; every failure is silent.
  void ReadDefaultKeyboard();
  void SaveKeyboardFile();
  void ReadKeyboardFile();

  // Handlers.
  void SpeedButton_mayClick(bool down);
  void Button_aClick(QPushButton* key);
  void Button_a2MouseDown(int keyNumber);
  void AvisoTecla();
  void Mp_ColorfondodeltecladoClick();
  void Mp_TipodeletraClick();

 Q_SIGNALS:
  // A key or a coloured vowel gave a letter to the game.
  void LetterPressed(char letter, InputSource source);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetUpLook();
  void ConnectKeys();

  KeyboardWidgets w_;
  Game& game_;
  Dialogs& dialogs_;
  GameFolder folder_;
  std::string keyCharBuffer_;
  TForm_charboton* keyEditor_ = nullptr;
  TForm_teclado* chooser_ = nullptr;
};
