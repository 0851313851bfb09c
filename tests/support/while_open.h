// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answers a real modal window while it is open.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `answer` on the modal window that `open` shows, once it is open.
inline void WhileOpen(const std::function<void()>& open,
                      const std::function<void(QWidget*)>& answer) {
  bool answered = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    answered = modal != nullptr;
    if (modal)
      answer(modal);
  });
  open();
  EXPECT_TRUE(answered) << "no modal window opened";
}
