// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feedback.h"

#include <array>

namespace {

constexpr std::array<DecorationScene, kSceneCount> kScenes = {{
    {true, false, false, 450},
    {false, true, false, 430},
    {false, false, true, 380},
    {true, true, false, 430},
    {false, true, true, 380},
    {true, false, true, 400},
    {true, true, true, 380},
}};

constexpr int kShortFailuresBeforeLong = 5;

}  // namespace

DecorationScene SceneFor(int scene) {
  if (scene < 1 || scene > kSceneCount)
    scene = 1;
  return kScenes[scene - 1];
}

int NextScene(int scene) {
  return scene >= kSceneCount ? 1 : scene + 1;
}

DialogText SolvedText(bool cleanSolve, bool puzzlesEnabled) {
  if (!cleanSolve)
    return {"Has acertado,\npero no puedes pasar", DialogLayout::Short};
  if (puzzlesEnabled) {
    return {"¡¡ HURRA !!\nAcertaste sin errores y puedes pasar", DialogLayout::Short};
  }
  return {"¡¡ HURRA !!\n\nAcertaste\nsin errores\ny puedes pasar", DialogLayout::Long};
}

DialogText PuzzleCompletedText() {
  return {"¡¡ BIEN !!\n\nHas completado\nun puzle\n¡Sigue así!", DialogLayout::Long};
}

DialogText FailedText(int& failureCount) {
  if (failureCount < kShortFailuresBeforeLong) {
    ++failureCount;
    return {"¡¡ Has fallado !!\nPrueba con otra palabra", DialogLayout::Short};
  }
  failureCount = 0;
  return {"¡ Estás fallando mucho !\n\nSigue probando\npero debes pensar mejor.",
          DialogLayout::Long};
}
