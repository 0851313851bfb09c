// SPDX-FileCopyrightText: 2026 The Lurimba developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader says for the game: a word spelled letter by letter as a
// child spells it, and the result of a pressed letter. Windows-1252 text in,
// Spanish Windows-1252 text out.
#pragma once

#include <string>

#include "game.h"

// The Spanish name of one character: "be", "eñe", "a con tilde", "ele
// mayúscula"; a character without a name is said as itself.
std::string LetterName(char c);

// The word as the game shows it ("c . s a ": every character followed by a
// space, a dot for each letter still hidden) spelled as "ce, hueco, ese, a".
// Text in another form (a design caption) is spelled character by character.
std::string SpellShownWord(const std::string& shown);

// What a press did, as it is announced, with the word as it shows after it
// (`shown`, in the form above): a right letter spells the word with its gaps
// left ("a, correcta: ce, a, hueco, a"), the last one says the whole word ("a,
// correcta. Palabra acertada: casa"), a wrong one the failures left ("be,
// incorrecta, quedan 3 fallos"). An ignored press says nothing (empty text).
std::string PressAnnouncement(char c, PressResult result, int chancesLeft,
                              const std::string& shown);
