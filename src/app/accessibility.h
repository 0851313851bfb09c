// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader and a child without a mouse get from the game: Spanish
// names for every control (the word spelled letter by letter, the counters with
// their captions, each key by its letter), the result of every press spoken, a
// Tab order in reading order and a focus that can always be seen.
#pragma once

#include <QProxyStyle>
#include <QString>
#include <string>

#include "game.h"

namespace Ui {
class TForm_juego;
}
class QAccessibleEvent;
class QWidget;

// Installs the names that follow the controls' texts: the word label, the
// counters, the keys and the feedback dialogs always say what they show now;
// on a scaled screen every control gives its place in screen pixels.
// Call once, after the application object exists and before the windows.
void InstallAccessibleNames();

// Names the main window's controls that have no text of their own, puts every
// control that takes the focus in reading order (top to bottom, left to right)
// and lets Tab reach the keys without a click ever moving the focus.
void SetUpAccessibility(Ui::TForm_juego& ui);

// Speaks the result of one press with the word as it shows after it ("a,
// correcta: ce, a, hueco, a"), whatever holds the focus of `window`. An ignored
// press says nothing.
void AnnouncePress(QWidget* window, char letter, PressResult result, int chancesLeft,
                   const std::string& shownWord);
// Says a new word as it is shown, spelled with its gaps, and the hint while it
// shows ("Palabra nueva: ele, hueco, a. Pista: Se come en verano").
void AnnounceWord(QWidget* window, const QString& shownWord);
// The text of the last announcement in `window` ("" before the first).
QString LastAnnouncement(const QWidget* window);

// Keeps the changes of the controls from the screen reader while it lives. A
// change that concerns no one at that moment (every key renamed at once when the
// keyboard changes case) would flood Orca, which then drops what the game says
// next; the names are read afresh whenever a control takes the focus.
class QuietAccessibility {
 public:
  QuietAccessibility();
  ~QuietAccessibility();
  QuietAccessibility(const QuietAccessibility&) = delete;
  QuietAccessibility& operator=(const QuietAccessibility&) = delete;

 private:
  void (*previous_)(QAccessibleEvent*);
};

// Draws a thick frame around the control holding the keyboard focus, so that
// a child who plays with the keyboard alone always sees where it is.
class VisibleFocusStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};
