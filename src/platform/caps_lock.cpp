// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/caps_lock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "letter_case.h"
#include "platform/text.h"

namespace {

bool upperCase = false;
bool resending = false;
QPointer<QWidget> mainWindow;
std::function<void()> onCapsLockKey;
CapsLockEmulation* filter = nullptr;

// The typed text in the keyboard's case, relative to Shift.
QString InKeyboardCase(const QString& text, bool shift) {
  const bool upper = upperCase != shift;
  std::string ansi = FromQt(text);
  for (char& c : ansi)
    c = upper ? ToUpper(c) : ToLower(c);
  return ToQt(ansi);
}

}  // namespace

void CapsLockEmulation::Install(QWidget* window, std::function<void()> onKey) {
  mainWindow = window;
  onCapsLockKey = std::move(onKey);
  if (!filter) {
    filter = new CapsLockEmulation;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
  }
}

void CapsLockEmulation::SetUpperCase(bool upper) {
  upperCase = upper;
}

bool CapsLockEmulation::UpperCase() {
  return upperCase;
}

bool CapsLockEmulation::eventFilter(QObject* watched, QEvent* event) {
  if (resending || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)) {
    return false;
  }
  auto* key = static_cast<QKeyEvent*>(event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget)
    return false;
  if (key->key() == Qt::Key_CapsLock) {
    // The key goes to the focused child first and, unhandled, on up to the main
    // window; this filter sees it at every step. It flips the case once, at the
    // first, and the key goes no further.
    if (event->type() == QEvent::KeyPress && widget->window() == mainWindow && onCapsLockKey) {
      onCapsLockKey();
      return true;
    }
    return false;
  }
  const QString text = key->text();
  if (text.isEmpty())
    return false;
  const QString wanted = InKeyboardCase(text, key->modifiers() & Qt::ShiftModifier);
  if (wanted == text)
    return false;
  // Deliver the letter in the keyboard's case instead of the one typed; the
  // replacement passes up on its own, unfiltered, and the typed one stops here,
  // so the letter is rewritten and delivered once.
  QKeyEvent changed(key->type(), key->key(), key->modifiers(), wanted, key->isAutoRepeat(),
                    static_cast<ushort>(key->count()));
  resending = true;
  QApplication::sendEvent(watched, &changed);
  resending = false;
  return true;
}
