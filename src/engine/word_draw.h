// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the next word of the list without repeating one until most have been played.
#pragma once

#include <array>
#include <functional>
#include <random>

#include "word_list.h"

class WordDraw {
 public:
  WordDraw() { ResetDraw(); }

  // Makes every slot drawable again and seeds the generator with the time in seconds.
  void ResetDraw();
  // A slot 1..wordCount not drawn since the last reset. After wordCount - 3 draws
  // the draw starts over. The draw value 0 counts as slot 1, as it always has.
  int DrawWord(int wordCount);

  // Tests replace the generator; it must return non-negative numbers.
  void SetRandomSource(std::function<int()> source) { testSource_ = std::move(source); }

 private:
  int NextRandom();

  std::array<int, kMaxWords + 1> drawState_{};
  int drawCount_ = 0;
  std::mt19937 generator_;
  std::function<int()> testSource_;
};
