// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// lurimba-artgen: draws the pictures, animations and sounds of the game's main
// window. Usage: lurimba-artgen <repository root>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "common.h"
#include "generators.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
    return 2;
  }
  // Fonts need a GUI application object, but no screen is required.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  const QString root = QString::fromLocal8Bit(argv[1]);
  if (!QDir(root).exists()) {
    std::fprintf(stderr, "lurimba-artgen: %s is not a folder\n", argv[1]);
    return 2;
  }
  art::Output out(root);
  art::makeScene(out);
  art::makeGifs(out);
  art::makeKeys(out);
  art::makeIcons(out);
  art::makeDialogs(out);
  art::makeSounds(out);
  art::makePuzzles(out);
  art::makeBackgrounds(out);
  art::makeTextures(out);
  art::makeLogo(out);
  art::makeIntro(out);
  out.printSummary();
  return out.allOk() ? 0 : 1;
}
