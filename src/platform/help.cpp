// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/help.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/help_context.h"

namespace {

// F1 pressed in a window that names its topic opens the topic and goes no further, so
// the window neither closes nor takes the key as an answer.
class HelpKey : public QObject {
 public:
  explicit HelpKey(Help& help) : help_(help) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
      return false;
    const int context = WindowHelpContext(static_cast<QWidget*>(watched));
    if (context == 0)
      return false;
    help_.ShowHelp(context);
    return true;
  }

 private:
  Help& help_;
};

}  // namespace

Help::Help() : helpKey_(std::make_unique<HelpKey>(*this)) {
  if (qApp)
    qApp->installEventFilter(helpKey_.get());
}

Help::~Help() {
  delete window_.data();
}

HelpWindow& Help::Window() {
  if (window_.isNull())
    window_ = new HelpWindow(HelpBook::Shipped());
  return *window_;
}

void Help::ShowHelp(int context) {
  Window().ShowContext(context);
}

void Help::ShowHelpContents() {
  Window().ShowContents();
}

bool Help::OpenHelpFile(const QString& name, int context) {
  const QString file = name.section('/', -1).section('\\', -1).toLower();
  if (file == "lurimba.hlp" && context != 0)
    ShowHelp(context);
  else if (file == "lurimba.hlp" || file == "lurimba.chm")
    ShowHelpContents();
  else
    return false;
  return true;
}

void Help::CloseHelp() {
  if (window_)
    window_->close();
}
