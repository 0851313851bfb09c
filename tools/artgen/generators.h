// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Entry points: each one draws a group of files and hands them to Output.
#pragma once

#include "common.h"

namespace art {

void makeScene(Output& out);        // room, child, broken slabs, walk to the door
void makeGifs(Output& out);         // animated room decorations
void makeKeys(Output& out);         // vowel keys, shift arrow, hand cursor
void makeIcons(Output& out);        // application icon in PNG sizes and SVG
void makeDialogs(Output& out);      // win and lose pictures
void makeSounds(Output& out);       // key click, right, wrong, victory tune
void makePuzzles(Output& out);      // the eight puzzle pictures
void makeBackgrounds(Output& out);  // whole-screen backgrounds
void makeTextures(Output& out);     // seamless tiles
void makeLogo(Output& out);         // the maker's page
void makeIntro(Output& out);        // castle at night and the introduction animations

}  // namespace art
