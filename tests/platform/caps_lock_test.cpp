// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own Caps Lock, with keys typed as the window system delivers
// them: to the child widget holding the focus, from where an unhandled key
// passes up to the main window.
#include "platform/caps_lock.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include "settings/on_screen_keyboard.h"
#include "support/window_fixture.h"

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

struct TypedLetter {
  const char* name;
  int presses;  // of the real Caps Lock key, each of which flips the program's Caps Lock
  Qt::KeyboardModifiers modifiers;
  QString typed, wanted;  // what the window system delivers (with the real Caps Lock), and wanted
};

class TypedLetters : public WindowTest, public ::testing::WithParamInterface<TypedLetter> {};

TEST_P(TypedLetters, ReachTheMainWindowOnceInTheKeyboardsCase) {
  const TypedLetter& letter = GetParam();
  StartUp();
  for (int i = 0; i < letter.presses; ++i)
    QTest::keyClick(FocusedChild(), Qt::Key_CapsLock);
  const bool upper = letter.presses % 2 == 1;
  EXPECT_EQ(game().settings().keyboardUpperCase, upper);
  EXPECT_EQ(main().keyboard().Key(2)->text().toStdString(), upper ? "B" : "b");
  KeyCounter counter;
  main().installEventFilter(&counter);
  const int key = Qt::Key_A + (letter.typed.toUpper().at(0).unicode() - 'A');
  QTest::sendKeyEvent(QTest::Press, FocusedChild(), Qt::Key(key), letter.typed, letter.modifiers);
  main().removeEventFilter(&counter);
  EXPECT_EQ(counter.texts.join(",").toStdString(), letter.wanted.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Letters, TypedLetters,
    ::testing::Values(TypedLetter{"LowerStaysLower", 0, Qt::NoModifier, "w", "w"},
                      TypedLetter{"RealCapsLockIsDropped", 0, Qt::NoModifier, "W", "w"},
                      TypedLetter{"OursMakesItUpper", 1, Qt::NoModifier, "w", "W"},
                      TypedLetter{"OursWithShiftIsLower", 1, Qt::ShiftModifier, "W", "w"},
                      TypedLetter{"ShiftAloneIsUpper", 0, Qt::ShiftModifier, "W", "W"},
                      TypedLetter{"TwoPressesLower", 2, Qt::NoModifier, "w", "w"},
                      TypedLetter{"ThreePressesUpper", 3, Qt::NoModifier, "w", "W"}),
    [](const auto& info) { return std::string(info.param.name); });
