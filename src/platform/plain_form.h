// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window of the program that has no controls of its own yet.
#pragma once

#include <QDialog>

class PlainForm : public QDialog {
 public:
  PlainForm(QWidget* owner, const char* objectName) : QDialog(owner) {
    setObjectName(objectName);
    setWindowTitle("Lurimba");
  }
};
