#include "settings/on_screen_keyboard.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>

#include "charset.h"
#include "letter_case.h"
#include "platform/caps_lock.h"
#include "platform/game_folder.h"
#include "platform/prompter_qt.h"
#include "platform/save_file.h"
#include "platform/text.h"
#include "settings/form_charboton.h"
#include "settings/form_teclado.h"
#include "ui_form_juego.h"

namespace {

const char* const kRefusalText =
    "El carácter de las 5 letras vocales básicas, no se puede modificar";
const char* const kSaveFailedText =
    "\nError.\n\nNO se ha podido guardar la configuración del teclado.\n";
const char* const kReadFailedText =
    "\nError.\n\nNO se ha podido leer correctamente la configuración del teclado.\n";
const char* const kWrongFileText = "\nError.\n\nArchivo de teclado incorrecto.\n";
const char* const kDefaultKeyboard = "teclado.def";

QColor FromColourRef(std::uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

std::uint32_t ToColourRef(const QColor& colour) {
  return static_cast<std::uint32_t>(colour.red()) | (colour.green() << 8) | (colour.blue() << 16);
}

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

OnScreenKeyboard::OnScreenKeyboard(Ui::TForm_juego& ui, Dialogs& dialogs)
    : QObject(ui.Panel_teclas), ui_(ui), dialogs_(dialogs) {
  keys_ = {ui.Button_a,  ui.Button_b,  ui.Button_c,  ui.Button_d,  ui.Button_e,  ui.Button_f,
           ui.Button_g,  ui.Button_h,  ui.Button_i,  ui.Button_j,  ui.Button_k,  ui.Button_L,
           ui.Button_m,  ui.Button_n,  ui.Button_gn, ui.Button_o,  ui.Button_p,  ui.Button_q,
           ui.Button_r,  ui.Button_s,  ui.Button_t,  ui.Button_u,  ui.Button_v,  ui.Button_w,
           ui.Button_x,  ui.Button_y,  ui.Button_z,  ui.Button_a2, ui.Button_e2, ui.Button_i2,
           ui.Button_o2, ui.Button_u2, ui.Button_u3};
  vowelKeys_ = {ui.BitBtn_a,  ui.BitBtn_e,  ui.BitBtn_i,  ui.BitBtn_o,  ui.BitBtn_u,
                ui.BitBtn_MA, ui.BitBtn_ME, ui.BitBtn_MI, ui.BitBtn_MO, ui.BitBtn_MU};
  for (QPushButton* key : keys_)
    key->installEventFilter(this);
  for (QPushButton* key : vowelKeys_)
    key->installEventFilter(this);
  connect(ui.SpeedButton_may, &QToolButton::clicked, this, &OnScreenKeyboard::SpeedButton_mayClick);
  connect(ui.Mp_Colorfondodelteclado, &QAction::triggered, this,
          &OnScreenKeyboard::Mp_ColorfondodeltecladoClick);
  connect(ui.Mp_Tipodeletra, &QAction::triggered, this, &OnScreenKeyboard::Mp_TipodeletraClick);
  connect(ui.Mp_Guardarletrasdelteclado, &QAction::triggered, this,
          &OnScreenKeyboard::SaveKeyboardFile);
  connect(ui.Mp_Leerletrasdelteclado, &QAction::triggered, this,
          &OnScreenKeyboard::ReadKeyboardFile);
}

void OnScreenKeyboard::SetEditors(TForm_charboton* keyEditor, TForm_teclado* chooser) {
  keyEditor_ = keyEditor;
  chooser_ = chooser;
}

void OnScreenKeyboard::ShowVowelOverlay(bool show) {
  for (int i = 0; i < 10; ++i) {
    const bool upperSet = i >= 5;
    vowelKeys_[i]->setVisible(show && upperSet == keyboardUpperCase);
  }
}

void OnScreenKeyboard::ApplyKeyboardCase() {
  const bool marked = ui_.M_Marcarlasvocales->isChecked();
  if (marked)
    ShowVowelOverlay(false);
  CapsLockEmulation::SetUpperCase(keyboardUpperCase);
  if (marked)
    ShowVowelOverlay(true);
  for (QPushButton* key : keys_) {
    const std::string caption = FromQt(key->text());
    key->setText(ToQt(keyboardUpperCase ? ToUpper(caption) : ToLower(caption)));
  }
  ui_.SpeedButton_may->setChecked(keyboardUpperCase);
}

void OnScreenKeyboard::SetUpperCase(bool upper) {
  keyboardUpperCase = upper;
  ApplyKeyboardCase();
}

void OnScreenKeyboard::SpeedButton_mayClick(bool down) {
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
  keyCharBuffer = FromQt(Key(keyNumber)->text());
  // The new caption keeps its case until the next change of the keyboard's case.
  if (keyEditor_->EditKey(keyCharBuffer, ui_.Panel_teclas->font().family())) {
    Key(keyNumber)->setText(ToQt(keyCharBuffer));
  }
}

// --- Colour and font ---

void OnScreenKeyboard::Mp_ColorfondodeltecladoClick() {
  const QColor current = ui_.Panel_teclas->palette().color(QPalette::Window);
  const auto chosen = dialogs_.AskColor(current);
  if (!chosen)
    return;
  QPalette palette = ui_.Panel_teclas->palette();
  palette.setColor(QPalette::Window, *chosen);
  ui_.Panel_teclas->setPalette(palette);
}

void OnScreenKeyboard::Mp_TipodeletraClick() {
  const auto chosen = dialogs_.AskFont(ui_.Panel_teclas->font());
  if (!chosen)
    return;
  QFont font = ui_.Panel_teclas->font();
  font.setFamily(chosen->family());
  font.setBold(chosen->bold());
  font.setItalic(chosen->italic());
  font.setUnderline(chosen->underline());
  font.setStrikeOut(chosen->strikeOut());
  font.setPointSize(chosen->pointSize());
  ui_.Panel_teclas->setFont(font);
}

// --- Keyboard files ---

KeyboardLayout OnScreenKeyboard::CurrentLayout() const {
  KeyboardLayout layout;
  for (int number = 1; number <= kKeyCount; ++number) {
    layout.keyCaptions[number - 1] = FromQt(Key(number)->text());
  }
  layout.upperCase = keyboardUpperCase;
  layout.keyboardColour = ToColourRef(ui_.Panel_teclas->palette().color(QPalette::Window));
  const QFont font = ui_.Panel_teclas->font();
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
  QFont font = ui_.Panel_teclas->font();
  if (!layout.fontName.empty())
    font.setFamily(ToQt(layout.fontName));
  font.setBold(layout.fontStyle & kBold);
  font.setItalic(layout.fontStyle & kItalic);
  font.setUnderline(layout.fontStyle & kUnderline);
  font.setStrikeOut(layout.fontStyle & kStrikeOut);
  if (layout.fontSize > 0)
    font.setPointSize(layout.fontSize);  // a size of 0 or less is no size
  ui_.Panel_teclas->setFont(font);
  QPalette palette = ui_.Panel_teclas->palette();
  palette.setColor(QPalette::Window, FromColourRef(layout.keyboardColour));
  ui_.Panel_teclas->setPalette(palette);
  SetUpperCase(layout.upperCase);
}

void OnScreenKeyboard::ReadDefaultKeyboard() {
  const auto bytes = ReadRecordFile(kDefaultKeyboard);
  if (!bytes)
    return;
  if (const auto layout = ParseKeyboard(*bytes))
    ApplyKeyboardLayout(*layout);
}

void OnScreenKeyboard::SaveKeyboardFile() {
  RestoreStartDirectory();
  const KeyboardRecord record = SerializeKeyboard(CurrentLayout());
  if (!chooser_)
    return;
  const auto name = chooser_->AskSaveName();
  if (!name)
    return;
  RestoreStartDirectory();
  const QString path = KeyboardFilePath(*name);
  QDir().mkpath(QFileInfo(path).path());
  const QByteArray bytes(reinterpret_cast<const char*>(record.data()),
                         static_cast<qsizetype>(record.size()));
  if (!SaveWhole(path, bytes))
    dialogs_.Plain(Ansi(kSaveFailedText));
}

void OnScreenKeyboard::ReadKeyboardFile() {
  RestoreStartDirectory();
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
