// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own Caps Lock, with keys typed as the window system delivers
// them: to the child widget holding the focus, from where an unhandled key
// passes up to the main window.
#include "platform/caps_lock.h"

#include <QKeyEvent>
#include <QStringList>
#include <QTest>

#include "platform/text.h"
#include "settings/on_screen_keyboard.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

// The text of every key press that reaches the main window (Shift alone has none).
class KeyCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->text().isEmpty())
      texts << static_cast<QKeyEvent*>(event)->text();
    return false;
  }
  QStringList texts;
};

}  // namespace

class CapsLockPresses : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(CapsLockPresses, EachPressOfTheRealKeyFlipsTheCaseOnce) {
  StartUp();
  const int presses = GetParam();
  const bool expected = presses % 2 == 1;
  for (int i = 0; i < presses; ++i)
    QTest::keyClick(FocusedChild(), Qt::Key_CapsLock);
  EXPECT_EQ(main().keyboard().UpperCase(), expected);
  EXPECT_EQ(game().settings().keyboardUpperCase, expected);
  EXPECT_EQ(CapsLockEmulation::UpperCase(), expected);
  EXPECT_EQ(main().ui()->SpeedButton_may->isChecked(), expected);
  EXPECT_EQ(main().keyboard().Key(2)->text().toStdString(), expected ? "B" : "b");
}

INSTANTIATE_TEST_SUITE_P(Presses, CapsLockPresses, ::testing::Values(1, 2, 3),
                         [](const auto& info) { return std::to_string(info.param) + "Presses"; });

struct TypedLetter {
  const char* name;
  bool upperCase;  // the program's Caps Lock
  Qt::KeyboardModifiers modifiers;
  QString typed;  // what the window system delivers (the real Caps Lock shows in it)
  QString wanted;
};

class TypedLetters : public WindowTest, public ::testing::WithParamInterface<TypedLetter> {};

TEST_P(TypedLetters, ReachTheMainWindowOnceInTheKeyboardsCase) {
  const TypedLetter& letter = GetParam();
  StartUp();
  if (letter.upperCase)
    QTest::keyClick(FocusedChild(), Qt::Key_CapsLock);
  ASSERT_EQ(CapsLockEmulation::UpperCase(), letter.upperCase);
  KeyCounter counter;
  main().installEventFilter(&counter);
  const int key = Qt::Key_A + (letter.typed.toUpper().at(0).unicode() - 'A');
  QTest::sendKeyEvent(QTest::Press, FocusedChild(), Qt::Key(key), letter.typed, letter.modifiers);
  main().removeEventFilter(&counter);
  EXPECT_EQ(counter.texts.join(",").toStdString(), letter.wanted.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Letters, TypedLetters,
    ::testing::Values(TypedLetter{"LowerStaysLower", false, Qt::NoModifier, "w", "w"},
                      TypedLetter{"RealCapsLockIsDropped", false, Qt::NoModifier, "W", "w"},
                      TypedLetter{"OursMakesItUpper", true, Qt::NoModifier, "w", "W"},
                      TypedLetter{"OursWithShiftIsLower", true, Qt::ShiftModifier, "W", "w"},
                      TypedLetter{"ShiftAloneIsUpper", false, Qt::ShiftModifier, "W", "W"}),
    [](const auto& info) { return std::string(info.param.name); });
