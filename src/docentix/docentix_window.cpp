// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "docentix/docentix_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QShowEvent>
#include <QTabWidget>
#include <QWindow>

#include "docentix/progress_tab.h"
#include "docentix/results_tab.h"
#include "docentix/word_list_tab.h"

namespace {

// The window's first size, where the screen has room for it.
constexpr QSize kFirstSize(1040, 720);

}  // namespace

DocentixWindow::DocentixWindow(const GameFolder& folder, Dialogs& dialogs, SpellChecker& spelling)
    : tabs_(new QTabWidget(this)),
      lists_(new WordListTab(folder.File("archivos"), dialogs, spelling, tabs_)),
      results_(new ResultsTab(folder.File("resultad"), tabs_)) {
  tabs_->addTab(lists_, QStringLiteral("Listas de palabras"));
  tabs_->addTab(results_, QStringLiteral("Resultados"));
  tabs_->addTab(new ProgressTab(*results_, tabs_), QStringLiteral("Progreso"));
  setCentralWidget(tabs_);
  resize(kFirstSize);
  FitOnScreen();
  connect(lists_, &WordListTab::StateChanged, this, &DocentixWindow::ShowTitle);
  ShowTitle();
}

void DocentixWindow::ShowTitle() {
  const QString list = lists_->Path().isEmpty() ? QStringLiteral("lista nueva")
                                                : QFileInfo(lists_->Path()).fileName();
  setWindowTitle(QStringLiteral("Docentix, el programa del docente de Lurimba: %1[*]").arg(list));
  setWindowModified(lists_->IsModified());
}

void DocentixWindow::closeEvent(QCloseEvent* event) {
  if (lists_->MayDiscardChanges())
    event->accept();
  else
    event->ignore();
}

void DocentixWindow::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    FitOnScreen();
  }
  QMainWindow::showEvent(event);
}

void DocentixWindow::FitOnScreen() {
  const QRect room = screen()->availableGeometry();
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  const QSize fits = size().boundedTo(room.size().shrunkBy(frame));
  if (fits == size())
    return;
  resize(fits);
  move(room.topLeft());
}
