// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds on the game, read through QAccessible as the
// AT-SPI bridge reads it, and the game played by the keyboard alone.
#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "charset.h"
#include "platform/text.h"
#include "results/form_jugadores.h"
#include "screens/form_error.h"
#include "settings/on_screen_keyboard.h"
#include "spelling.h"
#include "support/window_fixture.h"
#include "ui_form_error.h"
#include "ui_form_juego.h"

namespace {

QAccessibleInterface* Accessible(QObject* object) {
  QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
  EXPECT_NE(found, nullptr) << qPrintable(object->objectName());
  return found;
}

std::string Name(QObject* object) {
  QAccessibleInterface* found = Accessible(object);
  return found ? found->text(QAccessible::Name).toStdString() : std::string();
}

std::string Description(QObject* object) {
  QAccessibleInterface* found = Accessible(object);
  return found ? found->text(QAccessible::Description).toStdString() : std::string();
}

std::string Utf8(const std::string& ansi) {
  return AnsiToUtf8(ansi);
}

// Types one Windows-1252 letter on the real keyboard ("á" too, which
// QTest::keyClick cannot spell).
void Type(QWidget* focused, char letter) {
  const QString text = ToQt(std::string(1, letter));
  QTest::sendKeyEvent(QTest::Click, focused, Qt::Key(text.toUpper().at(0).unicode()), text,
                      Qt::NoModifier);
}

QStringList Split(const std::string& spelled) {
  return QString::fromStdString(spelled).split(", ");
}

class AccessibilityTest : public WindowTest {
 protected:
  void SetUp() override {
    // As the program does: before any window exists.
    InstallAccessibleNames();
    WindowTest::SetUp();
    SetUpAccessibility(*main().ui());
  }
  Ui::TForm_juego& ui() { return *main().ui(); }
};

// The word is named by the engine's spelling of what it shows, also after a letter typed
// on the real keyboard fills its gaps.
TEST_F(AccessibilityTest, WordIsSpelledWithItsGapsAndFollowsTheGame) {
  StartUp();
  const std::string before = Name(ui().Label_palabra);
  EXPECT_EQ(before, Utf8(SpellShownWord(game().state().displayText)));
  EXPECT_TRUE(Split(before).contains("hueco"));
  // The new word is said as it comes, wherever the focus is.
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(), "Palabra nueva: " + before);
  Type(FocusedChild(), LettersToFind()[0]);
  EXPECT_NE(Name(ui().Label_palabra), before);
  EXPECT_EQ(Name(ui().Label_palabra), Utf8(SpellShownWord(game().state().displayText)));
}

TEST_F(AccessibilityTest, CountersSayTheirCaptionAndValue) {
  StartUp({"ANA"});
  EXPECT_EQ(Name(ui().Label_oportunidades), "Fallos permitidos: 5");
  EXPECT_EQ(Name(ui().Label_nombrejugador), "Jugador actual: ANA");
  EXPECT_EQ(Name(ui().Label_letrafallo1), "Letra fallada: ninguna");

  // A letter with a mark typed on the real keyboard is judged and named with its mark
  // ("ï" is in no Spanish word).
  Type(FocusedChild(), Ansi("ï")[0]);
  EXPECT_EQ(Name(ui().Label_oportunidades), "Fallos permitidos: 4");
  EXPECT_EQ(Name(ui().Label_letrafallo1), "Letra fallada: i con diéresis");
}

// Each key by its letter, in the keyboard's case (the names themselves are the engine's).
TEST_F(AccessibilityTest, KeysAreNamedByTheirLetterInTheirCase) {
  StartUp();
  EXPECT_EQ(Name(ui().Button_gn), "eñe");
  EXPECT_EQ(Name(ui().BitBtn_ME), "e mayúscula");  // a coloured vowel, by its own name
  main().keyboard().SetUpperCase(true);
  EXPECT_EQ(Name(ui().Button_gn), "eñe mayúscula");
}

// "Mayús" switched by a screen reader's toggle action changes the case exactly
// as a click does, both ways; its state and the captions never disagree.
TEST_F(AccessibilityTest, MayusToggledByAnAssistiveToolChangesTheCase) {
  StartUp();
  QAccessibleActionInterface* actions = Accessible(ui().SpeedButton_may)->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  for (bool upper : {true, false}) {
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(ui().SpeedButton_may->isChecked(), upper);
    EXPECT_EQ(main().keyboard().UpperCase(), upper);
    EXPECT_EQ(ui().Button_b->text(), upper ? "B" : "b");
    EXPECT_EQ(ui().Button_gn->text(), upper ? "Ñ" : "ñ");
  }
  // The real Caps Lock key flips the case; the button follows and stays in step.
  main().keyboard().SetUpperCase(true);
  EXPECT_TRUE(ui().SpeedButton_may->isChecked());
  QTest::mouseClick(ui().SpeedButton_may, Qt::LeftButton);
  EXPECT_FALSE(main().keyboard().UpperCase());
  EXPECT_EQ(ui().Button_b->text(), "b");
}

// A key pressed through its accessible action plays the letter, like a click.
TEST_F(AccessibilityTest, KeyPressActionPlaysTheLetter) {
  StartUp();
  const char wrong = WrongLetter();
  QPushButton* key = main().keyboard().Key(wrong - 'a' + 1 + (wrong > 'n' ? 1 : 0));
  ASSERT_EQ(key->text(), QString(QChar(wrong)));
  QAccessibleActionInterface* actions = Accessible(key)->actionInterface();
  ASSERT_NE(actions, nullptr);
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(game().state().chancesLeft, 4);
  EXPECT_EQ(ui().Label_letrafallo1->text(), QString(QChar(wrong)));
}

// Counts the times a widget is shown.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget* widget) { widget->installEventFilter(this); }
  int shows = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    shows += event->type() == QEvent::Show;
    return false;
  }
};

// The result of every press is spoken by a notification that shows anew, so
// that a screen reader speaks it wherever the focus is.
TEST_F(AccessibilityTest, EveryPressShowsItsResultAsANotification) {
  StartUp();
  QWidget* focused = FocusedChild();
  const std::string focusedDescription = Description(focused);
  const char wrong = WrongLetter();
  main().FormKeyPress(wrong);
  QWidget* announcer = main().findChild<QWidget*>("Anuncio_pulsacion");
  ASSERT_NE(announcer, nullptr);
  const std::string first = Utf8(LetterName(wrong)) + ", incorrecta, quedan 4 fallos";
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(), first);
  EXPECT_EQ(Accessible(announcer)->role(), QAccessible::Notification);
  EXPECT_EQ(Name(announcer), first);
  EXPECT_TRUE(announcer->isVisible());
  EXPECT_EQ(announcer->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(Description(focused), focusedDescription) << "the focused control is left alone";

  ShowCounter counter(announcer);
  const char second = WrongLetter(1);
  main().FormKeyPress(second);
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(),
            Utf8(LetterName(second)) + ", incorrecta, quedan 3 fallos");
  EXPECT_EQ(counter.shows, 1);
  // A press the game ignores says nothing.
  main().FormKeyPress('1');
  EXPECT_EQ(counter.shows, 1);
  EXPECT_EQ(Name(announcer), Utf8(LetterName(second)) + ", incorrecta, quedan 3 fallos");
}

// The failed dialog says its message when it opens: on the dialog and on the
// control that takes the focus.
TEST_F(AccessibilityTest, FailedDialogSaysItsMessage) {
  StartUp();
  TForm_Error& dialog = *program->Form_Error;
  std::string dialogName, dialogDescription, focusName;
  WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong)
          main().FormKeyPress(WrongLetter(wrong));
      },
      [&] {
        dialogName = Name(&dialog);
        dialogDescription = Description(&dialog);
        QWidget* focus = dialog.focusWidget();
        focusName = focus ? Name(focus) : "";
        QTest::keyClick(&dialog, Qt::Key_Escape);
      });
  const std::string message = dialog.Message()->text().simplified().toStdString();
  EXPECT_FALSE(message.empty());
  EXPECT_EQ(dialogName, "Lurimba. Palabra fallada.");
  EXPECT_EQ(dialogDescription, message);
  EXPECT_EQ(focusName, message);
}

TEST_F(AccessibilityTest, PlayersWindowNamesEachFieldByWhatGoesInIt) {
  const TForm_jugadores& players = *program->Form_jugadores;
  for (int player = 1; player <= 10; ++player)
    EXPECT_EQ(Name(players.NameField(player)), "Nombre del jugador " + std::to_string(player));
  EXPECT_EQ(Name(players.findChild<QLineEdit*>("Edit_grupo")), "Nombre del grupo");
}

// Tab walks the keys in reading order, row after row, and a click never
// takes the focus away from where the child left it.
TEST_F(AccessibilityTest, TabWalksTheKeysInReadingOrder) {
  StartUp();
  main().activateWindow();
  ui().Button_q->setFocus();
  std::string walked;
  for (int i = 0; i < 10; ++i) {
    walked += FromQt(static_cast<QPushButton*>(main().focusWidget())->text());
    QTest::keyClick(main().focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(walked, "qwertyuiop");
  EXPECT_EQ(main().focusWidget(), ui().Button_a);
  ui().Button_z->setFocus();
  QTest::keyClick(ui().Button_z, Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(main().focusWidget(), ui().Button_gn);
  EXPECT_EQ(ui().Button_b->focusPolicy(), Qt::TabFocus);
}

}  // namespace
