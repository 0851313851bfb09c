// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own Caps Lock. The on-screen keyboard's case decides the case
// of every letter typed into any window of the program: upper case when the
// keyboard is in upper case XOR Shift is held, whatever the real Caps Lock says.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

class CapsLockEmulation : public QObject {
 public:
  // Installs the one application-wide filter. The Caps Lock key pressed in
  // `mainWindow` calls `onCapsLockKey`.
  static void Install(QWidget* mainWindow, std::function<void()> onCapsLockKey);
  static void SetUpperCase(bool upper);
  static bool UpperCase();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
