// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader finds on the game, read through QAccessible as the
// AT-SPI bridge reads it, and the game played by the keyboard alone.
#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <tuple>

#include "charset.h"
#include "platform/text.h"
#include "results/form_jugadores.h"
#include "screens/form_error.h"
#include "settings/on_screen_keyboard.h"
#include "spelling.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

QAccessibleInterface* Accessible(QObject* object) {
  QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
  EXPECT_NE(found, nullptr) << qPrintable(object->objectName());
  return found;
}

std::string Text(QObject* object, QAccessible::Text which = QAccessible::Name) {
  QAccessibleInterface* found = Accessible(object);
  return found ? found->text(which).toStdString() : std::string();
}

// Types one Windows-1252 letter on the real keyboard ("á" too, which
// QTest::keyClick cannot spell).
void Type(QWidget* focused, char letter) {
  const QString text = ToQt(std::string(1, letter));
  QTest::sendKeyEvent(QTest::Click, focused, Qt::Key(text.toUpper().at(0).unicode()), text,
                      Qt::NoModifier);
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
  std::string SpelledWord() { return AnsiToUtf8(SpellShownWord(game().state().displayText)); }
};

// The word is named by the engine's spelling of what it shows, also after a letter typed
// on the real keyboard fills its gaps; the new word is said as it comes, with its hint
// while the hint shows, and a right letter says the word with the gaps left.
TEST_F(AccessibilityTest, WordIsSpelledWithItsGapsAndFollowsTheGame) {
  StartUp();
  const std::string before = Text(ui().Label_palabra);
  EXPECT_EQ(before, SpelledWord());
  EXPECT_TRUE(QString::fromStdString(before).split(", ").contains("hueco"));
  const std::string hint = ui().Label_pista->text().toStdString();
  ASSERT_NE(hint.find("Pista: "), std::string::npos);
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(), "Palabra nueva: " + before + ". " + hint);
  const char letter = LettersToFind()[0];
  Type(FocusedChild(), letter);
  EXPECT_NE(Text(ui().Label_palabra), before);
  EXPECT_EQ(Text(ui().Label_palabra), SpelledWord());
  const std::string said = LastAnnouncement(&main()).toStdString();
  const std::string right = AnsiToUtf8(LetterName(letter)) + ", correcta";
  if (game().state().wordInPlay)
    EXPECT_EQ(said, right + ": " + SpelledWord());
  else  // the letter filled the last gap
    EXPECT_EQ(said.rfind(right + ". Palabra acertada: ", 0), 0u) << said;
  ui().Label_pista->hide();
  AnnounceWord(&main(), ui().Label_palabra->text());
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(), "Palabra nueva: " + SpelledWord());
}

// Counters say their caption and value; keys their letter in the keyboard's case.
TEST_F(AccessibilityTest, CountersAndKeysAreNamed) {
  StartUp({"ANA"});
  const auto names = [&] {
    std::string all;
    for (QObject* object :
         std::initializer_list<QObject*>{ui().Label_oportunidades, ui().Label_nombrejugador,
                                         ui().Label_letrafallo1, ui().Button_gn, ui().BitBtn_ME})
      all += Text(object) + "|";
    return all;
  };
  EXPECT_EQ(names(),
            "Fallos permitidos: 5|Jugador actual: ANA|Letra fallada: ninguna|eñe|e mayúscula|");
  // A letter with a mark typed on the real keyboard is judged and named with its mark
  // ("ï" is in no Spanish word).
  Type(FocusedChild(), Ansi("ï")[0]);
  main().keyboard().SetUpperCase(true);
  EXPECT_EQ(names(),
            "Fallos permitidos: 4|Jugador actual: ANA|Letra fallada: i con diéresis|"
            "eñe mayúscula|e mayúscula|");
}

// A key pressed through its accessible action plays the letter, and the result of every
// press is said by a notification that shows anew, wherever the focus is. A screen reader
// that comes to the events late still finds each text on a notification of its own.
TEST_F(AccessibilityTest, PressesPlayAndTheirResultIsSaid) {
  StartUp();
  QWidget* focused = FocusedChild();
  const std::string focusedDescription = Text(focused, QAccessible::Description);
  const std::string newWord = LastAnnouncement(&main()).toStdString();
  const char wrong = WrongLetter();
  QPushButton* key = main().keyboard().Key(wrong - 'a' + 1 + (wrong > 'n' ? 1 : 0));
  ASSERT_EQ(key->text(), QString(QChar(wrong)));
  QAccessibleActionInterface* actions = Accessible(key)->actionInterface();
  ASSERT_NE(actions, nullptr);
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(ui().Label_letrafallo1->text(), QString(QChar(wrong)));
  const std::string first = AnsiToUtf8(LetterName(wrong)) + ", incorrecta, quedan 4 fallos";
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(), first);
  EXPECT_EQ(Text(focused, QAccessible::Description), focusedDescription);

  const char second = WrongLetter(1);
  main().FormKeyPress(second);
  const std::string next = AnsiToUtf8(LetterName(second)) + ", incorrecta, quedan 3 fallos";
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(), next);
  const QList<QWidget*> announcers = main().findChildren<QWidget*>("Anuncio_pulsacion");
  std::string said;
  for (QWidget* announcer : announcers) {
    EXPECT_EQ(Accessible(announcer)->role(), QAccessible::Notification);
    EXPECT_TRUE(announcer->isVisible());
    EXPECT_EQ(announcer->focusPolicy(), Qt::NoFocus);
    said += Text(announcer) + "|";
  }
  EXPECT_EQ(said, newWord + "|" + first + "|" + next + "|");
  main().FormKeyPress('1');  // a press the game ignores says nothing: no new notification
  EXPECT_EQ(main().findChildren<QWidget*>("Anuncio_pulsacion"), announcers);
  EXPECT_EQ(LastAnnouncement(&main()).toStdString(), next);
}

// The failed dialog shows its message to be read when it opens, names the control
// that takes the focus by it, and says the way on.
TEST_F(AccessibilityTest, FailedDialogSaysItsMessage) {
  StartUp();
  TForm_Error& dialog = *program->Form_Error;
  std::string said;
  WhileModal(
      [&] {
        for (int wrong = 0; wrong < 6 && game().state().wordInPlay; ++wrong)
          main().FormKeyPress(WrongLetter(wrong));
      },
      [&] {
        QWidget* focus = dialog.focusWidget();
        said = Text(&dialog) + "|" + Text(&dialog, QAccessible::Description) + "|" +
               (focus ? Text(focus) : "");
        QTest::keyClick(&dialog, Qt::Key_Escape);
      });
  const std::string message = dialog.Message()->text().simplified().toStdString();
  EXPECT_FALSE(message.empty());
  EXPECT_EQ(said, "Lurimba. Palabra fallada.|Pulsa Escape para seguir.|" + message);
  EXPECT_FALSE(dialog.isVisible());
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

// "Mayús" switched by a screen reader's toggle action changes the case exactly
// as a click does, both ways.
TEST_F(AccessibilityTest, MayusToggledByAnAssistiveToolChangesTheCase) {
  StartUp();
  QAccessibleActionInterface* actions = Accessible(ui().SpeedButton_may)->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  for (bool upper : {true, false}) {
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(ui().SpeedButton_may->isChecked(), upper);
    EXPECT_EQ(main().keyboard().UpperCase(), upper);
    EXPECT_EQ(ui().Button_b->text() + ui().Button_gn->text(), upper ? "BÑ" : "bñ");
  }
}

// Each of the players window's fields is named by what goes in it.
TEST_F(AccessibilityTest, PlayersWindowNamesEachFieldByWhatGoesInIt) {
  const TForm_jugadores& players = *program->Form_jugadores;
  for (int player = 1; player <= 10; ++player)
    EXPECT_EQ(Text(players.NameField(player)), "Nombre del jugador " + std::to_string(player));
  EXPECT_EQ(Text(players.findChild<QLineEdit*>("Edit_grupo")), "Nombre del grupo");
}

}  // namespace

// On a scaled screen a magnifier following the focus is told where a key really is: in
// the window's own picture, in screen pixels, the key shows at the place it reports.
// Runs as its own test with QT_SCALE_FACTOR=1.25 (tests/CMakeLists.txt).
class ScaledScreenTest : public AccessibilityTest, public ::testing::WithParamInterface<int> {};

TEST_P(ScaledScreenTest, KeyIsReportedWhereItIsDrawn) {
  ASSERT_EQ(qGuiApp->devicePixelRatio(), 1.25) << "needs QT_SCALE_FACTOR=1.25";
  StartUp({"ANA"});
  QPushButton* key = main().keyboard().Key(GetParam());
  if (QWidget* focused = QApplication::focusWidget())
    focused->clearFocus();  // no focus frame over the key's edges
  key->setStyleSheet("background: #ff00ff; border: none;");
  const QImage drawn = main().grab().toImage().convertToFormat(QImage::Format_RGB32);
  QRect painted;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (drawn.pixel(x, y) == qRgb(255, 0, 255))
        painted |= QRect(x, y, 1, 1);
  const QRect window = Accessible(&main())->rect();
  // Qt rounds the window's scaled size to the nearest pixel, as the places are rounded.
  EXPECT_LE(std::abs(window.width() - drawn.width()), 1);
  EXPECT_LE(std::abs(window.height() - drawn.height()), 1);
  const QRect reported = Accessible(key)->rect().translated(-window.topLeft());
  for (const auto& [edge, want, got] : {std::tuple{"left", painted.left(), reported.left()},
                                        {"top", painted.top(), reported.top()},
                                        {"right", painted.right(), reported.right()},
                                        {"bottom", painted.bottom(), reported.bottom()}})
    EXPECT_LE(std::abs(want - got), 1) << edge;
  EXPECT_FALSE(Text(key).empty());  // the game's own name still comes through
}

INSTANTIATE_TEST_SUITE_P(Keys, ScaledScreenTest, ::testing::Values(1, 17, 33),
                         [](const auto& info) { return "Key" + std::to_string(info.param); });
