// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A right press as the window system delivers it on Linux: the press, then the
// context menu event, then the release. On a key or on the word it does its
// one thing; no context menu of what lies behind opens as well.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "charset.h"
#include "support/window_fixture.h"
#include "ui_form_juego.h"

namespace {

struct RightPressCase {
  const char* name;
  const char* target;    // the widget pressed
  const char* expected;  // what the press did, as RightPress() tells it
};

class RightPressTest : public WindowTest, public ::testing::WithParamInterface<RightPressCase> {
 protected:
  // Presses the right button on `target` and tells what opened: the messages
  // shown, "font" for the font dialog, the name of a modal window (cancelled).
  std::string RightPress(QWidget* target) {
    std::string done;
    QTimer cancel;
    cancel.setSingleShot(true);
    QObject::connect(&cancel, &QTimer::timeout, [&] {
      if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        done += modal->objectName().toStdString();
        modal->reject();
      }
    });
    cancel.start(0);
    dialogs.fonts = {std::nullopt};  // the font dialog, cancelled
    const QPoint at = target->rect().center();
    QTest::mousePress(target, Qt::RightButton, {}, at);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &menuEvent);
    QTest::mouseRelease(target, Qt::RightButton, {}, at);
    QApplication::processEvents();
    const std::string refusal =
        Ansi("El carácter de las 5 letras vocales básicas, no se puede modificar");
    for (const ShownMessage& message : dialogs.messages)
      done += message.text == refusal ? "refusal" : message.text;
    return done + (dialogs.fonts.empty() ? "font" : "");
  }
};

TEST_P(RightPressTest, DoesItsOneThingAndOpensNoMenu) {
  StartUp();
  dialogs.messages.clear();
  EXPECT_EQ(RightPress(main().findChild<QWidget*>(GetParam().target)), GetParam().expected);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  for (QMenu* menu : main().findChildren<QMenu*>())
    EXPECT_FALSE(menu->isVisible()) << menu->objectName().toStdString();
  if (QWidget* popup = QApplication::activePopupWidget())
    popup->close();
}

INSTANTIATE_TEST_SUITE_P(Targets, RightPressTest,
                         ::testing::Values(RightPressCase{"VowelKey", "Button_a", "refusal"},
                                           RightPressCase{"LetterKey", "Button_b",
                                                          "Form_charboton"},
                                           RightPressCase{"Word", "Label_palabra", "font"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
