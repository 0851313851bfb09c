// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the word-solved dialog changes in the castle room: its decorations.
#pragma once

#include "feedback.h"

class RoomView {
 public:
  virtual ~RoomView() = default;
  virtual void ShowDecorationScene(const DecorationScene& scene) = 0;
};
