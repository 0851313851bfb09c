// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of `make bench`: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel label("Lurimba");
  label.setWindowTitle("bare Qt window");
  label.resize(835, 724);
  label.show();
  return QApplication::exec();
}
