// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "word_draw.h"

#include <ctime>

void WordDraw::ResetDraw() {
  drawState_.fill(0);
  drawCount_ = 0;
  generator_.seed(static_cast<unsigned>(std::time(nullptr)));
}

int WordDraw::NextRandom() {
  if (testSource_)
    return testSource_();
  return static_cast<int>(generator_() & 0x7FFFFFFF);
}

int WordDraw::DrawWord(int wordCount) {
  if (++drawCount_ > wordCount - 3) {
    ResetDraw();
    ++drawCount_;
  }
  for (;;) {
    int k = NextRandom() % (wordCount + 1);
    if (k == 0)
      k = 1;
    if (drawState_[k] >= 0) {
      drawState_[k] = -2;
      return k;
    }
  }
}
