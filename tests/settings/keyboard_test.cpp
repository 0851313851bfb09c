// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The on-screen keyboard: its case, the key editor, colour and font, keyboard files.
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "keyboard_layout.h"
#include "platform/caps_lock.h"
#include "platform/text.h"
#include "settings/form_charboton.h"
#include "settings/form_teclado.h"
#include "settings/on_screen_keyboard.h"
#include "settings/said.h"
#include "support/disk_failure.h"
#include "support/files.h"
#include "support/window_fixture.h"
#include "ui_form_charboton.h"
#include "ui_form_juego.h"
#include "ui_form_teclado.h"

namespace {

const std::string kSaveFailed =
    Ansi("\nError.\n\nNO se ha podido guardar la configuración del teclado.\n");

// Every key's caption, one after another.
QString Captions(OnScreenKeyboard& keyboard) {
  QString captions;
  for (int key = 1; key <= kKeyCount; ++key)
    captions += keyboard.Key(key)->text() + " ";
  return captions;
}

}  // namespace

class KeyboardTest : public WindowTest {
 protected:
  OnScreenKeyboard& keyboard() { return main().keyboard(); }
  QString Key(int number) { return keyboard().Key(number)->text(); }
  void ClickMayus() { QTest::mouseClick(main().ui()->SpeedButton_may, Qt::LeftButton); }
  QString Teclados(const QString& name = "") { return folder.path() + "/teclados/" + name; }
  // Right-clicks key `number` while the key editor is answered with `typed`.
  void EditKey(int number, const char* typed, bool accept = true) {
    TForm_charboton& editor = *program->Form_charboton;
    WhileModal([&] { QTest::mouseClick(keyboard().Key(number), Qt::RightButton); },
               [&] {
                 editor.ui()->Edit_nuevo_char->setText(QString::fromUtf8(typed));
                 (accept ? editor.ui()->Button_aceptar : editor.ui()->Button_cancelar)->click();
               });
  }
  // Runs the keyboard menu's `command` while its chooser is answered by `answer`. The
  // chooser opens at its design place, not centred over the window as dialogs do.
  void WithChooser(QAction* command, const std::function<void(Ui::TForm_teclado&)>& answer) {
    main().move(40, 30);
    WhileModal([&] { command->trigger(); },
               [&] {
                 EXPECT_EQ(program->Form_teclado->pos(), QPoint(352, 216));
                 answer(*program->Form_teclado->ui());
               });
  }
  void SaveAs(const QString& name) {
    WithChooser(main().ui()->Mp_Guardarletrasdelteclado, [&](Ui::TForm_teclado& chooser) {
      chooser.Edit1->setText(name);
      chooser.Button_ok->click();
    });
  }
  // Reads the keyboard file `fileName` chosen in the chooser's list: the file selected
  // there is read, whatever the name field says.
  void Read(const QString& fileName) {
    WithChooser(main().ui()->Mp_Leerletrasdelteclado, [&](Ui::TForm_teclado& chooser) {
      const auto items = chooser.FileListBox->findItems(fileName, Qt::MatchExactly);
      if (!items.isEmpty())
        chooser.FileListBox->setCurrentItem(items.first());
      chooser.Edit1->setText("ninguno.tec");
      chooser.Button_ok->click();
    });
  }
};

TEST_F(KeyboardTest, MayusTwiceTurnsTheCaptionsTheKeyAndTheMarkedVowelsUpAndBack) {
  StartUp();
  Ui::TForm_juego& ui = *main().ui();
  const auto design = Captions(keyboard());
  EXPECT_FALSE(ui.BitBtn_a->isVisibleTo(&main()));  // not asked for: none shown
  ui.M_Marcarlasvocales->trigger();
  for (bool upper : {true, false}) {
    SCOPED_TRACE(upper ? "first press" : "second press");
    ClickMayus();
    EXPECT_EQ(Captions(keyboard()), upper ? design.toUpper() : design);
    EXPECT_EQ(keyboard().UpperCase(), upper);
    EXPECT_EQ(ui.SpeedButton_may->isChecked(), upper);
    EXPECT_EQ(CapsLockEmulation::UpperCase(), upper);
    EXPECT_EQ(ui.BitBtn_MA->isVisibleTo(&main()), upper);
    EXPECT_EQ(ui.BitBtn_a->isVisibleTo(&main()), !upper);
  }
}

TEST_F(KeyboardTest, EditedKeysKeepTheirCharacterAndFollowTheCase) {
  StartUp();
  struct Edit {
    int key;
    const char* typed;
    bool accepted;
    const char* small;  // the caption shown in small letters
    const char* capital;
  };
  const Edit edits[] = {{15, "ç", true, "ç", "Ç"},  // the ñ key
                        {2, "7", true, "7", "7"},
                        {3, "&", true, "&&", "&&"},
                        {4, "", true, "", ""},
                        {6, "Q", false, "f", "F"}};  // cancelled: unchanged
  for (const Edit& edit : edits)
    EditKey(edit.key, edit.typed, edit.accepted);
  for (bool upper : {false, true}) {
    for (const Edit& edit : edits)
      EXPECT_EQ(Key(edit.key), QString::fromUtf8(upper ? edit.capital : edit.small)) << edit.key;
    ClickMayus();
  }

  // The ampersand key gives "&" to the game; the empty key gives nothing.
  if (!game().settings().countRepeatedLetters)
    main().ui()->M_Notenerencuentalasyapulsadas->trigger();
  const std::size_t before = game().state().pressedLetters.size();
  QTest::mouseClick(keyboard().Key(3), Qt::LeftButton);
  QTest::mouseClick(keyboard().Key(4), Qt::LeftButton);
  const std::string pressed = game().state().pressedLetters.substr(before);
  EXPECT_EQ(pressed, game().state().wordInPlay ? "&" : "");
}

// Which keys are fixed is the layout's own test; here, that the refusal is said.
TEST_F(KeyboardTest, ABasicVowelRefusesToBeEdited) {
  StartUp();
  QWidget* editor = nullptr;  // should it open, it is closed again
  QTimer::singleShot(0, [&] {
    if ((editor = QApplication::activeModalWidget()))
      editor->close();
  });
  QTest::mouseClick(keyboard().Key(1), Qt::RightButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(editor, nullptr);
  EXPECT_EQ(Said(dialogs),
            Texts{Ansi("El carácter de las 5 letras vocales básicas, no se puede modificar")});
  EXPECT_EQ(Key(1), "a");
}

// A keyboard file brings back its keys, colour, font and the case it was saved in, whatever
// the case when it is read.
TEST_F(KeyboardTest, AReadKeyboardTakesTheKeysColourFontAndCaseOfItsFile) {
  StartUp();
  Ui::TForm_juego& ui = *main().ui();
  const auto look = [&] {
    const QFont font = keyboard().Key(2)->font();  // the keys follow the keyboard's font
    return std::tuple(ui.Panel_teclas->palette().color(QPalette::Window), font.family(),
                      font.pointSize(), font.underline(), Key(15), Key(1), keyboard().UpperCase(),
                      ui.SpeedButton_may->isChecked(), CapsLockEmulation::UpperCase());
  };
  dialogs.colours = {QColor(255, 200, 0)};
  ui.Mp_Colorfondodelteclado->trigger();
  QFont chosen("Liberation Sans", 26);
  chosen.setUnderline(true);
  dialogs.fonts = {chosen};
  ui.Mp_Tipodeletra->trigger();
  EditKey(15, "ç");
  for (bool upper : {true, false}) {
    SCOPED_TRACE(upper ? "saved in capitals" : "saved in small letters");
    ClickMayus();
    const auto saved = look();
    EXPECT_EQ(saved, std::tuple(QColor(255, 200, 0), QString("Liberation Sans"), 26, true,
                                QString::fromUtf8(upper ? "Ç" : "ç"), upper ? "A" : "a", upper,
                                upper, upper));
    SaveAs("prueba.doc");  // saved as "prueba.tec"
    ClickMayus();
    EditKey(15, "x");
    dialogs.colours = {QColor(0, 0, 0)};
    ui.Mp_Colorfondodelteclado->trigger();
    dialogs.fonts = {QFont("Arial", 9)};
    ui.Mp_Tipodeletra->trigger();
    Read("prueba.tec");
    ui.Mp_Colorfondodelteclado->trigger();  // no colour given: cancelled
    EXPECT_EQ(look(), saved);
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

// Which records are refused is the layout's own test; here, that the refusal is said.
TEST_F(KeyboardTest, ABadKeyboardFileLeavesTheKeyboardAsItWas) {
  StartUp();
  WriteBytes(Teclados("corto.tec"), QByteArray(100, 'a'));
  const auto before = Captions(keyboard());
  Read("corto.tec");
  EXPECT_EQ(Said(dialogs), Texts{"\nError.\n\nArchivo de teclado incorrecto.\n"});
  EXPECT_EQ(Captions(keyboard()), before);
}

TEST_F(KeyboardTest, ChooserRefusesNamesItCannotUse) {
  StartUp();
  TForm_teclado& chooser = *program->Form_teclado;
  bool stayedOpen = false;
  WithChooser(main().ui()->Mp_Guardarletrasdelteclado, [&](Ui::TForm_teclado& ui) {
    for (const QString& name :
         {QString("*.tec"), QString(""), QString("a?b"), QString("../fuera"), QString("sub/dir"),
          QString(".oculto"), QString(300, 'x'), QString::fromUtf8("名前")}) {
      ui.Edit1->setText(name);
      ui.Button_ok->click();
      if (!chooser.isVisible())
        return;
    }
    stayedOpen = true;
    ui.Button_cancel->click();
  });
  EXPECT_TRUE(stayedOpen);
  EXPECT_FALSE(QFile::exists(Teclados("fuera.tec")));
}

TEST_F(KeyboardTest, TecladoDefIsReadAtStartUp) {
  QFile::remove(folder.path() + "/teclado.def");
  ASSERT_TRUE(QFile::copy(DATA_DIR "/teclados/mayusculas.tec", folder.path() + "/teclado.def"));
  StartUp();
  EXPECT_TRUE(keyboard().UpperCase());
  EXPECT_EQ(Key(1), "A");
  EXPECT_EQ(main().ui()->Panel_teclas->font().family(), "Arial");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(KeyboardTest, NamesAreTypedInCapitalsAndTheKeyboardComesBackAfterwards) {
  TForm_jugadores& players = *program->Form_jugadores;
  bool capitalsWhileOpen = false;
  WhileModal([&] { main().Timer_juegoTimer(); },
             [&] {
               capitalsWhileOpen =
                   keyboard().UpperCase() && Key(2) == "B" && CapsLockEmulation::UpperCase();
               QTest::keyClicks(players.NameField(1), "ana");
               players.NameField(1)->setFocus();
               QTest::sendKeyEvent(QTest::Click, players.NameField(1), Qt::Key_B, 'b',
                                   Qt::NoModifier);
               EXPECT_EQ(players.NameField(1)->text(), "ANAB");
               players.findChild<QPushButton*>("Button_jugar")->click();
             });
  EXPECT_TRUE(capitalsWhileOpen);
  EXPECT_FALSE(keyboard().UpperCase());  // "teclado.def" is the design keyboard
  EXPECT_EQ(Key(2), "b");
  EXPECT_EQ(game().players().records[0].name, "ANAB");
}

// Saving over an existing keyboard when the disk cannot take the new one keeps
// the old file whole and says so (a real full disk is the save path's own test).
TEST_F(KeyboardTest, AFailedSaveKeepsTheOldFileWholeAndIsShown) {
  StartUp();
  SaveAs("clase");
  const QByteArray old = ReadBytes(Teclados("clase.tec"));
  ASSERT_EQ(old.size(), 176);
  EditKey(15, "x");
  dialogs.messages.clear();
  {
    WriteLimit limit(100);
    SaveAs("clase");
  }
  EXPECT_EQ(Said(dialogs), Texts{kSaveFailed});
  EXPECT_EQ(ReadBytes(Teclados("clase.tec")), old);
  EXPECT_TRUE(QDir(Teclados()).entryList({"clase.tec.*"}, QDir::Files | QDir::Hidden).isEmpty());
}
