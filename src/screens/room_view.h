// What the word-solved dialog changes in the castle room: its decorations.
#pragma once

#include "feedback.h"

class RoomView {
 public:
  virtual ~RoomView() = default;
  virtual void ShowDecorationScene(const DecorationScene& scene) = 0;
};
