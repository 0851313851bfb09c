#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Prints the word in play as the game names it on the accessibility bus ("pe, hueco, ele, ..."),
# read from the label whose description asks for the missing letters. Waits up to SECONDS (first
# argument, 10 unless given) for a word with a gap; exits 1 without one.
import sys
import time

import pyatspi

QUESTION = "Palabra para completar"


def find_word(node, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if node.getRole() == pyatspi.ROLE_LABEL and node.description.startswith(QUESTION):
            return node.name
        for child in node:
            found = find_word(child, depth + 1)
            if found:
                return found
    except Exception:  # a control that went away while being read
        return None
    return None


def main():
    deadline = time.monotonic() + (float(sys.argv[1]) if len(sys.argv) > 1 else 10)
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "lurimba":
                word = find_word(app)
                if word and "hueco" in word:
                    print(word)
                    return 0
        time.sleep(0.3)
    return 1


sys.exit(main())
