// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/on_screen_keyboard.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "charset.h"
#include "game.h"
#include "letter_case.h"
#include "platform/caps_lock.h"
#include "platform/game_folder.h"
#include "platform/picture_file.h"
#include "platform/prompter_qt.h"
#include "platform/save_file.h"
#include "platform/text.h"
#include "settings/form_charboton.h"
#include "settings/form_teclado.h"
#include "settings/word_font.h"

namespace {

const char* const kRefusalText =
    "El carácter de las 5 letras vocales básicas, no se puede modificar";
const char* const kSaveFailedText =
    "\nError.\n\nNO se ha podido guardar la configuración del teclado.\n";
const char* const kReadFailedText =
    "\nError.\n\nNO se ha podido leer correctamente la configuración del teclado.\n";
const char* const kWrongFileText = "\nError.\n\nArchivo de teclado incorrecto.\n";
const char* const kDefaultKeyboard = "teclado.def";

// One whole record, or nothing when the file cannot be opened or read.
std::optional<std::string> ReadRecordFile(const QString& path) {
  QFile file(path);
  if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
    return std::nullopt;
  const QByteArray bytes = file.read(kKeyboardRecordSize);
  if (file.error() != QFileDevice::NoError)
    return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

OnScreenKeyboard::OnScreenKeyboard(const KeyboardWidgets& widgets, Game& game, Dialogs& dialogs,
                                   const GameFolder& folder)
    : QObject(widgets.panel), w_(widgets), game_(game), dialogs_(dialogs), folder_(folder) {
  // A right press on a key does its one thing; the context menu event the
  // window system sends after it stops at the key, short of the keyboard's menu.
  for (QPushButton* key : w_.keys) {
    key->installEventFilter(this);
    key->setContextMenuPolicy(Qt::PreventContextMenu);
  }
  for (QPushButton* key : w_.vowels) {
    key->installEventFilter(this);
    key->setContextMenuPolicy(Qt::PreventContextMenu);
  }
  SetUpLook();
  ConnectKeys();
  // Every way of switching "Mayús" (a click, the keyboard, a screen reader's
  // toggle action) changes the case; the case's own setChecked changes nothing.
  connect(w_.upperCaseKey, &QToolButton::toggled, this, &OnScreenKeyboard::SpeedButton_mayClick);
  connect(w_.colour, &QAction::triggered, this, &OnScreenKeyboard::Mp_ColorfondodeltecladoClick);
  connect(w_.font, &QAction::triggered, this, &OnScreenKeyboard::Mp_TipodeletraClick);
  connect(w_.save, &QAction::triggered, this, &OnScreenKeyboard::SaveKeyboardFile);
  connect(w_.read, &QAction::triggered, this, &OnScreenKeyboard::ReadKeyboardFile);
}

void OnScreenKeyboard::SetUpLook() {
  const QCursor hand(BuiltInPicture(":/images/cursor_mano.png"), 10, 2);
  for (QPushButton* button : w_.panel->findChildren<QPushButton*>())
    button->setCursor(hand);
  w_.upperCaseKey->setIcon(QIcon(BuiltInPicture(":/images/mayus.png")));
  // A child must see at a glance that "Mayús" is down.
  w_.upperCaseKey->setStyleSheet(
      "QToolButton { background: rgb(240, 240, 240); border: 2px outset rgb(160, 160, 160);"
      " border-radius: 5px; }"
      "QToolButton:checked { background: rgb(60, 110, 200); color: white;"
      " border: 2px inset rgb(30, 60, 120); }"
      "QToolButton:focus { border: 4px solid rgb(255, 140, 0); }");
}

void OnScreenKeyboard::ConnectKeys() {
  for (QPushButton* key : w_.keys) {
    connect(key, &QPushButton::clicked, this, [this, key] { Button_aClick(key); });
  }
  const char letters[] = "aeiouAEIOU";
  for (int i = 0; i < 10; ++i) {
    QPushButton* button = w_.vowels[i];
    const QString name = button->objectName().mid(7);  // "a" or "MA"
    button->setIcon(QIcon(BuiltInPicture(QString(":/images/vocal_%1.png").arg(name))));
    button->setIconSize(button->size());
    connect(button, &QPushButton::clicked, this, [this, letter = letters[i]] {
      Q_EMIT LetterPressed(letter, InputSource::OnScreenKey);
    });
  }
}

void OnScreenKeyboard::Button_aClick(QPushButton* key) {
  const std::string caption = FromQt(key->text());
  if (!caption.empty())
    Q_EMIT LetterPressed(caption[0], InputSource::OnScreenKey);
}

void OnScreenKeyboard::SetEditors(TForm_charboton* keyEditor, TForm_teclado* chooser) {
  keyEditor_ = keyEditor;
  chooser_ = chooser;
}

bool OnScreenKeyboard::UpperCase() const {
  return game_.settings().keyboardUpperCase;
}

void OnScreenKeyboard::ShowVowelOverlay(bool show) {
  for (int i = 0; i < 10; ++i) {
    const bool upperSet = i >= 5;
    w_.vowels[i]->setVisible(show && upperSet == UpperCase());
  }
}

void OnScreenKeyboard::ApplyKeyboardCase() {
  const bool marked = game_.settings().colouredVowels;
  if (marked)
    ShowVowelOverlay(false);
  CapsLockEmulation::SetUpperCase(UpperCase());
  if (marked)
    ShowVowelOverlay(true);
  for (QPushButton* key : w_.keys) {
    const std::string caption = FromQt(key->text());
    key->setText(ToQt(UpperCase() ? ToUpper(caption) : ToLower(caption)));
  }
  w_.upperCaseKey->setChecked(UpperCase());
}

void OnScreenKeyboard::SetUpperCase(bool upper) {
  game_.SetKeyboardUpperCase(upper);
  ApplyKeyboardCase();
}

void OnScreenKeyboard::SpeedButton_mayClick(bool down) {
  if (down != UpperCase())
    SetUpperCase(down);
}

// --- Editing one key ---

bool OnScreenKeyboard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress)
    return false;
  if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
    return false;
  for (int number = 1; number <= kKeyCount; ++number) {
    if (watched != Key(number))
      continue;
    if (IsFixedKey(number)) {
      AvisoTecla();
    } else {
      Button_a2MouseDown(number);
    }
    return true;
  }
  AvisoTecla();  // a coloured vowel key
  return true;
}

void OnScreenKeyboard::AvisoTecla() {
  dialogs_.Plain(Ansi(kRefusalText));
}

void OnScreenKeyboard::Button_a2MouseDown(int keyNumber) {
  if (!keyEditor_)
    return;
  keyCharBuffer_ = FromQt(Key(keyNumber)->text());
  // The new caption keeps its case until the next change of the keyboard's case.
  if (keyEditor_->EditKey(keyCharBuffer_, w_.panel->font().family())) {
    Key(keyNumber)->setText(ToQt(keyCharBuffer_));
  }
}

// --- Colour and font ---

void OnScreenKeyboard::Mp_ColorfondodeltecladoClick() {
  const QColor current = w_.panel->palette().color(QPalette::Window);
  const auto chosen = dialogs_.AskColor(current);
  if (!chosen)
    return;
  QPalette palette = w_.panel->palette();
  palette.setColor(QPalette::Window, *chosen);
  w_.panel->setPalette(palette);
}

void OnScreenKeyboard::Mp_TipodeletraClick() {
  const auto chosen = dialogs_.AskFont(w_.panel->font());
  if (!chosen)
    return;
  QFont font = w_.panel->font();
  font.setFamily(chosen->family());
  font.setBold(chosen->bold());
  font.setItalic(chosen->italic());
  font.setUnderline(chosen->underline());
  font.setStrikeOut(chosen->strikeOut());
  font.setPointSize(chosen->pointSize());
  w_.panel->setFont(font);
}

// --- Keyboard files ---

KeyboardLayout OnScreenKeyboard::CurrentLayout() const {
  KeyboardLayout layout;
  for (int number = 1; number <= kKeyCount; ++number) {
    layout.keyCaptions[number - 1] = FromQt(Key(number)->text());
  }
  layout.upperCase = UpperCase();
  layout.keyboardColour = ToColourRef(w_.panel->palette().color(QPalette::Window));
  const QFont font = w_.panel->font();
  layout.fontName = FromQt(font.family());
  layout.fontStyle = (font.bold() ? kBold : 0) | (font.italic() ? kItalic : 0) |
                     (font.underline() ? kUnderline : 0) | (font.strikeOut() ? kStrikeOut : 0);
  layout.fontSize = font.pointSize();
  return layout;
}

void OnScreenKeyboard::ApplyKeyboardLayout(const KeyboardLayout& layout) {
  for (int number = 1; number <= kKeyCount; ++number) {
    Key(number)->setText(ToQt(layout.keyCaptions[number - 1]));
  }
  QFont font = w_.panel->font();
  if (!layout.fontName.empty())
    font.setFamily(ToQt(layout.fontName));
  font.setBold(layout.fontStyle & kBold);
  font.setItalic(layout.fontStyle & kItalic);
  font.setUnderline(layout.fontStyle & kUnderline);
  font.setStrikeOut(layout.fontStyle & kStrikeOut);
  if (layout.fontSize > 0)
    font.setPointSize(layout.fontSize);  // a size of 0 or less is no size
  w_.panel->setFont(font);
  QPalette palette = w_.panel->palette();
  palette.setColor(QPalette::Window, FromColourRef(layout.keyboardColour));
  w_.panel->setPalette(palette);
  SetUpperCase(layout.upperCase);
}

void OnScreenKeyboard::ReadDefaultKeyboard() {
  const auto bytes = ReadRecordFile(folder_.File(kDefaultKeyboard));
  if (!bytes)
    return;
  if (const auto layout = ParseKeyboard(*bytes))
    ApplyKeyboardLayout(*layout);
}

void OnScreenKeyboard::SaveKeyboardFile() {
  const KeyboardRecord record = SerializeKeyboard(CurrentLayout());
  if (!chooser_)
    return;
  const auto name = chooser_->AskSaveName();
  if (!name)
    return;
  const QString path = folder_.File(KeyboardFilePath(*name));
  QDir().mkpath(QFileInfo(path).path());
  const QByteArray bytes(reinterpret_cast<const char*>(record.data()),
                         static_cast<qsizetype>(record.size()));
  if (!SaveWhole(path, bytes))
    dialogs_.Plain(Ansi(kSaveFailedText));
}

void OnScreenKeyboard::ReadKeyboardFile() {
  if (!chooser_)
    return;
  const auto path = chooser_->AskFileToRead();
  if (!path)
    return;
  const auto bytes = ReadRecordFile(*path);
  if (!bytes) {
    dialogs_.Plain(Ansi(kReadFailedText));
    return;
  }
  const auto layout = ParseKeyboard(*bytes);
  if (!layout) {
    dialogs_.Plain(Ansi(kWrongFileText));
    return;
  }
  ApplyKeyboardLayout(*layout);
}
