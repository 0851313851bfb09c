// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/help.h"

Help::Help() = default;

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
