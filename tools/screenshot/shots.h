// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the screenshot programs share: where the pictures go, saving them, and
// waiting for a window the program opens.
#pragma once

#include <QGuiApplication>
#include <QObject>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace shots {

inline QString outputFolder;
inline int failures = 0;

inline void Settle(int ms = 300) {
  QTest::qWait(ms);
}

inline void Check(bool saved, const QString& path) {
  if (!saved) {
    ++failures;
    qWarning("could not save %s", qPrintable(path));
  }
}

inline QString PathOf(const QString& name) {
  return outputFolder + "/" + name + ".png";
}

// The whole screen, once what was asked for has been painted.
inline void SaveScreen(const QString& name) {
  Settle();
  Check(QGuiApplication::primaryScreen()->grabWindow(0).save(PathOf(name)), PathOf(name));
}

// One window as it is now, even while another stands in front of it.
inline void SaveWidget(QWidget& widget, const QString& name) {
  Check(widget.grab().save(PathOf(name)), PathOf(name));
}

inline void SaveSettledWidget(QWidget& widget, const QString& name) {
  Settle();
  SaveWidget(widget, name);
}

// Runs `action` once `window` is on screen (modal windows block their opener).
inline void WhenVisible(QWidget* window, const std::function<void()>& action) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [=] {
    if (!window->isVisible())
      return;
    poll->stop();
    poll->deleteLater();
    action();
  });
  poll->start(50);
}

}  // namespace shots
