// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Docentix: the teacher's companion to Lurimba, for word lists and results files.
#include <QApplication>
#include <QTabWidget>

#include "docentix/results_tab.h"
#include "platform/application.h"

int main(int argc, char* argv[]) {
  Application app(argc, argv);
  QApplication::setApplicationName("Docentix");
  QTabWidget window;
  window.addTab(new QWidget, "Listas de palabras");
  window.addTab(new ResultsTab(QString()), "Resultados");
  window.show();
  return QApplication::exec();
}
