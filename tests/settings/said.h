// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The messages a window showed, to be compared all at once.
#pragma once

#include <string>
#include <vector>

#include "support/window_fixture.h"

using Texts = std::vector<std::string>;

// Every text shown, in order: a plain message's as it is, any other after its kind.
inline Texts Said(const ScriptedDialogs& dialogs) {
  Texts texts;
  for (const ShownMessage& message : dialogs.messages)
    texts.push_back(message.kind == "plain" ? message.text : message.kind + ": " + message.text);
  return texts;
}
