// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The on-screen keyboard: its case, the key editor, colour and font, keyboard files.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "keyboard_layout.h"
#include "platform/caps_lock.h"
#include "platform/text.h"
#include "settings/form_charboton.h"
#include "settings/form_teclado.h"
#include "settings/on_screen_keyboard.h"
#include "support/disk_failure.h"
#include "support/window_fixture.h"
#include "ui_form_charboton.h"
#include "ui_form_juego.h"
#include "ui_form_teclado.h"

namespace {

std::vector<QString> Captions(OnScreenKeyboard& keyboard) {
  std::vector<QString> captions;
  for (int key = 1; key <= kKeyCount; ++key)
    captions.push_back(keyboard.Key(key)->text());
  return captions;
}

}  // namespace

class KeyboardTest : public WindowTest {
 protected:
  OnScreenKeyboard& keyboard() { return main().keyboard(); }
  // Right-clicks key `number` while the key editor is answered with `typed`.
  void EditKey(int number, const QString& typed, bool accept = true) {
    TForm_charboton& editor = *program->Form_charboton;
    WhileModal([&] { QTest::mouseClick(keyboard().Key(number), Qt::RightButton); },
               [&] {
                 editor.ui()->Edit_nuevo_char->setText(typed);
                 (accept ? editor.ui()->Button_aceptar : editor.ui()->Button_cancelar)->click();
               });
  }
  // Saves the keyboard through the chooser under `name`.
  void SaveAs(const QString& name) {
    TForm_teclado& chooser = *program->Form_teclado;
    WhileModal([&] { main().ui()->Mp_Guardarletrasdelteclado->trigger(); },
               [&] {
                 chooser.ui()->Edit1->setText(name);
                 chooser.ui()->Button_ok->click();
               });
  }
  // Reads the keyboard file `fileName` chosen in the chooser's list.
  void Read(const QString& fileName) {
    TForm_teclado& chooser = *program->Form_teclado;
    WhileModal([&] { main().ui()->Mp_Leerletrasdelteclado->trigger(); },
               [&] {
                 const auto items =
                     chooser.ui()->FileListBox->findItems(fileName, Qt::MatchExactly);
                 if (!items.isEmpty())
                   chooser.ui()->FileListBox->setCurrentItem(items.first());
                 chooser.ui()->Button_ok->click();
               });
  }
};

TEST_F(KeyboardTest, MayusTwiceReturnsEveryCaptionAndTheKeyToWhereTheyWere) {
  StartUp();
  const auto design = Captions(keyboard());
  EXPECT_EQ(design[14], QString::fromUtf8("ñ"));
  QTest::mouseClick(main().ui()->SpeedButton_may, Qt::LeftButton);
  EXPECT_TRUE(keyboard().UpperCase());
  EXPECT_TRUE(main().ui()->SpeedButton_may->isChecked());
  EXPECT_TRUE(CapsLockEmulation::UpperCase());
  const auto upper = Captions(keyboard());
  EXPECT_EQ(upper[0], "A");
  EXPECT_EQ(upper[14], QString::fromUtf8("Ñ"));
  EXPECT_EQ(upper[32], QString::fromUtf8("Ü"));
  QTest::mouseClick(main().ui()->SpeedButton_may, Qt::LeftButton);
  EXPECT_EQ(Captions(keyboard()), design);
  EXPECT_FALSE(main().ui()->SpeedButton_may->isChecked());
  EXPECT_FALSE(CapsLockEmulation::UpperCase());
}

TEST_F(KeyboardTest, CapsLockKeyFlipsTheCaseAndTypedLettersFollowIt) {
  StartUp();
  while (LettersToFind().size() < 2)
    game().StartWord();
  QTest::keyClick(&main(), Qt::Key_CapsLock);
  EXPECT_TRUE(keyboard().UpperCase());
  EXPECT_EQ(keyboard().Key(2)->text(), "B");
  EXPECT_TRUE(main().ui()->SpeedButton_may->isChecked());

  // Typed letters arrive in the keyboard's case; Shift turns them the other way.
  const std::string pressedBefore = game().state().pressedLetters;
  QTest::keyClick(&main(), Qt::Key_Q, Qt::NoModifier, -1);
  QTest::sendKeyEvent(QTest::Click, &main(), Qt::Key_W, 'w', Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, &main(), Qt::Key_K, 'K', Qt::ShiftModifier);
  const std::string pressed = game().state().pressedLetters.substr(pressedBefore.size());
  EXPECT_NE(pressed.find('W'), std::string::npos) << pressed;
  EXPECT_NE(pressed.find('k'), std::string::npos) << pressed;
  EXPECT_EQ(pressed.find('w'), std::string::npos) << pressed;

  QTest::keyClick(&main(), Qt::Key_CapsLock);
  EXPECT_FALSE(keyboard().UpperCase());
  QTest::sendKeyEvent(QTest::Click, &main(), Qt::Key_Z, 'Z', Qt::NoModifier);
  EXPECT_NE(game().state().pressedLetters.find('z'), std::string::npos);
}

TEST_F(KeyboardTest, ColouredVowelsFollowTheCase) {
  StartUp();
  Ui::TForm_juego& ui = *main().ui();
  QTest::mouseClick(ui.SpeedButton_may, Qt::LeftButton);
  EXPECT_FALSE(ui.BitBtn_MA->isVisibleTo(&main()));  // not asked for: none shown
  ui.M_Marcarlasvocales->trigger();
  EXPECT_TRUE(ui.BitBtn_MA->isVisibleTo(&main()));
  EXPECT_FALSE(ui.BitBtn_a->isVisibleTo(&main()));
  QTest::mouseClick(ui.SpeedButton_may, Qt::LeftButton);
  EXPECT_TRUE(ui.BitBtn_a->isVisibleTo(&main()));
  EXPECT_FALSE(ui.BitBtn_MU->isVisibleTo(&main()));
}

TEST_F(KeyboardTest, EditedKeysKeepTheirCharacterAndFollowTheCase) {
  StartUp();
  EditKey(15, QString::fromUtf8("ç"));  // the ñ key
  EditKey(2, "7");
  EditKey(3, "&");
  EditKey(4, "");
  EditKey(6, "Q", false);  // cancelled: unchanged
  EXPECT_EQ(keyboard().Key(15)->text(), QString::fromUtf8("ç"));
  EXPECT_EQ(keyboard().Key(2)->text(), "7");
  EXPECT_EQ(keyboard().Key(3)->text(), "&&");
  EXPECT_EQ(keyboard().Key(4)->text(), "");
  EXPECT_EQ(keyboard().Key(6)->text(), "f");
  QTest::mouseClick(main().ui()->SpeedButton_may, Qt::LeftButton);
  EXPECT_EQ(keyboard().Key(15)->text(), QString::fromUtf8("Ç"));
  EXPECT_EQ(keyboard().Key(2)->text(), "7");

  // The ampersand key gives "&" to the game; the empty key gives nothing.
  if (!game().settings().countRepeatedLetters)
    main().ui()->M_Notenerencuentalasyapulsadas->trigger();
  const std::size_t before = game().state().pressedLetters.size();
  QTest::mouseClick(keyboard().Key(3), Qt::LeftButton);
  QTest::mouseClick(keyboard().Key(4), Qt::LeftButton);
  const std::string pressed = game().state().pressedLetters.substr(before);
  EXPECT_EQ(pressed, game().state().wordInPlay ? "&" : "");
}

TEST_F(KeyboardTest, TheFiveBasicVowelsRefuseToBeEdited) {
  StartUp();
  for (int key : {1, 5, 9, 16, 22}) {
    dialogs.messages.clear();
    QTest::mouseClick(keyboard().Key(key), Qt::RightButton);
    ASSERT_EQ(dialogs.messages.size(), 1u) << key;
    EXPECT_EQ(dialogs.messages[0].kind, "plain");
    EXPECT_EQ(dialogs.messages[0].text,
              Ansi("El carácter de las 5 letras vocales básicas, no se puede modificar"));
  }
  EXPECT_EQ(keyboard().Key(1)->text(), "a");
  // The accented vowel á can be edited.
  EditKey(28, QString::fromUtf8("à"));
  EXPECT_EQ(keyboard().Key(28)->text(), QString::fromUtf8("à"));
}

TEST_F(KeyboardTest, SavedInUpperCaseReadsBackInUpperCase) {
  StartUp();
  EditKey(15, QString::fromUtf8("ç"));
  QTest::mouseClick(main().ui()->SpeedButton_may, Qt::LeftButton);
  SaveAs("prueba.doc");
  ASSERT_TRUE(QFile::exists(folder.path() + "/teclados/prueba.tec"));
  EXPECT_EQ(QFile(folder.path() + "/teclados/prueba.tec").size(), 176);

  QTest::mouseClick(main().ui()->SpeedButton_may, Qt::LeftButton);
  EditKey(15, "x");
  EXPECT_FALSE(keyboard().UpperCase());
  Read("prueba.tec");
  EXPECT_TRUE(keyboard().UpperCase());
  EXPECT_TRUE(main().ui()->SpeedButton_may->isChecked());
  EXPECT_TRUE(CapsLockEmulation::UpperCase());
  EXPECT_EQ(keyboard().Key(15)->text(), QString::fromUtf8("Ç"));
  EXPECT_EQ(keyboard().Key(1)->text(), "A");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(KeyboardTest, TheFilesCaseWinsWhenRead) {
  StartUp();
  EditKey(15, QString::fromUtf8("ç"));
  SaveAs("minusculas");
  QTest::mouseClick(main().ui()->SpeedButton_may, Qt::LeftButton);
  Read("minusculas.tec");
  EXPECT_FALSE(keyboard().UpperCase());
  EXPECT_EQ(keyboard().Key(15)->text(), QString::fromUtf8("ç"));
}

TEST_F(KeyboardTest, BadKeyboardFilesLeaveTheKeyboardAsItWas) {
  StartUp();
  QDir().mkpath(folder.path() + "/teclados");
  QFile shortFile(folder.path() + "/teclados/corto.tec");
  ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
  shortFile.write(QByteArray(100, 'a'));
  shortFile.close();
  QFile good(folder.path() + "/teclado.def");
  ASSERT_TRUE(good.open(QIODevice::ReadOnly));
  QByteArray wrongMagic = good.readAll();
  wrongMagic[148 + 13] = 'X';
  QFile wrong(folder.path() + "/teclados/otro.tec");
  ASSERT_TRUE(wrong.open(QIODevice::WriteOnly));
  wrong.write(wrongMagic);
  wrong.close();

  const auto before = Captions(keyboard());
  for (const char* name : {"corto.tec", "otro.tec"}) {
    dialogs.messages.clear();
    Read(name);
    ASSERT_EQ(dialogs.messages.size(), 1u) << name;
    EXPECT_EQ(dialogs.messages[0].text, "\nError.\n\nArchivo de teclado incorrecto.\n");
    EXPECT_EQ(Captions(keyboard()), before);
  }
}

TEST_F(KeyboardTest, ChooserRefusesNamesItCannotUse) {
  StartUp();
  TForm_teclado& chooser = *program->Form_teclado;
  bool stayedOpen = false;
  WhileModal(
      [&] { main().ui()->Mp_Guardarletrasdelteclado->trigger(); },
      [&] {
        for (const QString& name : {QString("*.tec"), QString(""), QString("a?b"),
                                    QString("../fuera"), QString("sub/dir"), QString(".oculto"),
                                    QString(300, 'x'), QString::fromUtf8("名前")}) {
          chooser.ui()->Edit1->setText(name);
          chooser.ui()->Button_ok->click();
          if (!chooser.isVisible())
            return;
        }
        stayedOpen = true;
        chooser.ui()->Button_cancel->click();
      });
  EXPECT_TRUE(stayedOpen);
  EXPECT_FALSE(QDir(folder.path() + "/teclados").exists() &&
               QDir(folder.path() + "/teclados").entryList({"*.tec"}).contains("fuera.tec"));
}

TEST_F(KeyboardTest, TecladoDefIsReadAtStartUpAndItsAbsenceIsSilent) {
  QFile::remove(folder.path() + "/teclado.def");
  {
    QDir().mkpath(folder.path() + "/teclados");
    QFile::copy(QString(DATA_DIR) + "/teclados/mayusculas.tec", folder.path() + "/teclado.def");
  }
  StartUp();
  EXPECT_TRUE(keyboard().UpperCase());
  EXPECT_EQ(keyboard().Key(1)->text(), "A");
  EXPECT_EQ(main().ui()->Panel_teclas->font().family(), "Arial");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(KeyboardTest, NamesAreTypedInCapitalsAndTheKeyboardComesBackAfterwards) {
  TForm_jugadores& players = *program->Form_jugadores;
  bool capitalsWhileOpen = false;
  WhileModal([&] { main().Timer_juegoTimer(); },
             [&] {
               capitalsWhileOpen = keyboard().UpperCase() && keyboard().Key(2)->text() == "B" &&
                                   CapsLockEmulation::UpperCase();
               QTest::keyClicks(players.NameField(1), "ana");
               players.NameField(1)->setFocus();
               QTest::sendKeyEvent(QTest::Click, players.NameField(1), Qt::Key_B, 'b',
                                   Qt::NoModifier);
               EXPECT_EQ(players.NameField(1)->text(), "ANAB");
               players.findChild<QPushButton*>("Button_jugar")->click();
             });
  EXPECT_TRUE(capitalsWhileOpen);
  EXPECT_FALSE(keyboard().UpperCase());  // "teclado.def" is the design keyboard
  EXPECT_EQ(keyboard().Key(2)->text(), "b");
  EXPECT_EQ(game().players().records[0].name, "ANAB");
}

TEST_F(KeyboardTest, ColourAndFontOfTheKeyboardFromItsMenu) {
  StartUp();
  Ui::TForm_juego& ui = *main().ui();
  const QColor before = ui.Panel_teclas->palette().color(QPalette::Window);
  EXPECT_EQ(before, QColor(138, 197, 255));
  ui.Mp_Colorfondodelteclado->trigger();  // cancelled
  EXPECT_EQ(ui.Panel_teclas->palette().color(QPalette::Window), before);
  dialogs.colours = {QColor(255, 200, 0)};
  ui.Mp_Colorfondodelteclado->trigger();
  EXPECT_EQ(ui.Panel_teclas->palette().color(QPalette::Window), QColor(255, 200, 0));

  QFont chosen("Liberation Sans", 26);
  chosen.setBold(false);
  chosen.setItalic(false);
  chosen.setUnderline(true);
  dialogs.fonts = {chosen};
  ui.Mp_Tipodeletra->trigger();
  const QFont font = ui.Panel_teclas->font();
  EXPECT_EQ(font.family(), "Liberation Sans");
  EXPECT_EQ(font.pointSize(), 26);
  EXPECT_FALSE(font.bold());
  EXPECT_TRUE(font.underline());
  EXPECT_EQ(keyboard().Key(2)->font().family(), "Liberation Sans");  // the keys follow

  // Both travel with a saved keyboard.
  SaveAs("amarillo");
  ui.Mp_Colorfondodelteclado->trigger();
  dialogs.colours = {QColor(0, 0, 0)};
  ui.Mp_Colorfondodelteclado->trigger();
  Read("amarillo.tec");
  EXPECT_EQ(ui.Panel_teclas->palette().color(QPalette::Window), QColor(255, 200, 0));
  EXPECT_EQ(ui.Panel_teclas->font().pointSize(), 26);
}

// --- Saving on a full disk ---------------------------------------------------

namespace {

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

enum class DiskFailure { FullDisk, WriteLimit };

}  // namespace

class KeyboardSaveFailureTest : public KeyboardTest,
                                public ::testing::WithParamInterface<DiskFailure> {};

// Saving over an existing keyboard when the disk cannot take the new one keeps
// the old file whole and says so.
TEST_P(KeyboardSaveFailureTest, TheOldFileStaysWholeAndTheFailureIsShown) {
  StartUp();
  const QString teclados = folder.path() + "/teclados";
  ASSERT_TRUE(QDir().mkpath(teclados));
  std::unique_ptr<SmallDisk> disk;
  if (GetParam() == DiskFailure::FullDisk) {
    disk = std::make_unique<SmallDisk>(teclados, 64);
    if (!disk->Mounted())
      GTEST_SKIP() << disk->Why().toStdString() << "; the WriteLimit case covers the failure";
  }
  SaveAs("clase");
  const QByteArray old = Contents(teclados + "/clase.tec");
  ASSERT_EQ(old.size(), 176);
  EditKey(15, "x");
  dialogs.messages.clear();
  if (disk) {
    ASSERT_TRUE(disk->Fill());
    SaveAs("clase");
  } else {
    WriteLimit limit(100);
    SaveAs("clase");
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, "plain");
  EXPECT_EQ(dialogs.messages[0].text,
            Ansi("\nError.\n\nNO se ha podido guardar la configuración del teclado.\n"));
  EXPECT_EQ(Contents(teclados + "/clase.tec"), old);
  EXPECT_TRUE(QDir(teclados).entryList({"clase.tec.*"}, QDir::Files | QDir::Hidden).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Failures, KeyboardSaveFailureTest,
                         ::testing::Values(DiskFailure::FullDisk, DiskFailure::WriteLimit),
                         [](const auto& info) {
                           return info.param == DiskFailure::FullDisk ? "FullDisk" : "WriteLimit";
                         });

TEST_F(KeyboardTest, ASaveNeverFollowsALinkOutOfTheFolder) {
  StartUp();
  QTemporaryDir elsewhere;
  const QString target = elsewhere.filePath("importante.txt");
  {
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("no tocar");
  }
  ASSERT_TRUE(QDir().mkpath(folder.path() + "/teclados"));
  ASSERT_TRUE(QFile::link(target, folder.path() + "/teclados/enlace.tec"));
  SaveAs("enlace");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            Ansi("\nError.\n\nNO se ha podido guardar la configuración del teclado.\n"));
  EXPECT_EQ(Contents(target), "no tocar");
}

// --- The chooser ---------------------------------------------------------------

TEST_F(KeyboardTest, ChooserOpensAtItsDesignPlace) {
  StartUp();
  main().move(40, 30);
  TForm_teclado& chooser = *program->Form_teclado;
  for (QAction* command :
       {main().ui()->Mp_Leerletrasdelteclado, main().ui()->Mp_Guardarletrasdelteclado}) {
    QPoint shownAt;
    WhileModal([&] { command->trigger(); },
               [&] {
                 shownAt = chooser.pos();
                 chooser.ui()->Button_cancel->click();
               });
    EXPECT_EQ(shownAt, QPoint(352, 216)) << command->objectName().toStdString();
  }
}

// The name field follows the file list; what counts is what it held when
// "Aceptar" was pressed, whatever the list does afterwards.
TEST_F(KeyboardTest, TheNameAcceptedIsTheFileSaved) {
  StartUp();
  SaveAs("primero");
  const QByteArray first = Contents(folder.path() + "/teclados/primero.tec");
  EditKey(2, "7");
  TForm_teclado& chooser = *program->Form_teclado;
  WhileModal([&] { main().ui()->Mp_Guardarletrasdelteclado->trigger(); },
             [&] {
               chooser.ui()->Edit1->setText("segundo");
               chooser.ui()->Button_ok->click();
               chooser.ui()->FileListBox->setCurrentRow(0);
             });
  EXPECT_EQ(Contents(folder.path() + "/teclados/primero.tec"), first);
  const auto saved = ParseKeyboard(Contents(folder.path() + "/teclados/segundo.tec").toStdString());
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->keyCaptions[1], "7");
}

// Reading takes the file selected in the list, not what the name field says.
TEST_F(KeyboardTest, ReadingTakesTheFileSelectedInTheList) {
  StartUp();
  EditKey(2, "7");
  SaveAs("siete");
  EditKey(2, "8");
  SaveAs("ocho");
  TForm_teclado& chooser = *program->Form_teclado;
  WhileModal([&] { main().ui()->Mp_Leerletrasdelteclado->trigger(); },
             [&] {
               const auto items =
                   chooser.ui()->FileListBox->findItems("siete.tec", Qt::MatchExactly);
               ASSERT_EQ(items.size(), 1);
               chooser.ui()->FileListBox->setCurrentItem(items.first());
               chooser.ui()->Edit1->setText("ocho.tec");
               chooser.ui()->Button_ok->click();
             });
  EXPECT_EQ(keyboard().Key(2)->text(), "7");
  EXPECT_TRUE(dialogs.messages.empty());
}

// A pipe in place of "teclado.def" would block the start-up in its opening.
TEST_F(KeyboardTest, APipeNamedTecladoDefIsIgnoredAtStartUp) {
  QFile::remove(folder.path() + "/teclado.def");
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path() + "/teclado.def").constData(), 0600), 0);
  StartUp();
  EXPECT_EQ(keyboard().Key(2)->text(), "b");
  EXPECT_TRUE(dialogs.messages.empty());
}
