#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Lurimba's word-list files from the UTF-8 sources in this folder.
#
#   ejemplo.txt   -> data/ejemplo            (default list, no extension)
#   <name>.txt    -> data/archivos/<name>.lma
#
# Output files are OEM code page 850 with CR LF line ends, which is what
# the game reads.  Every list is checked before it is written:
#   - line 1 is exactly "K. L. TAMU P. LURIMBA"
#   - line 2 (theme) is not empty and has at most 65 characters
#   - 10 to 50 word/hint pairs follow
#   - a word line is not empty, has at most 30 letters not counting the
#     "/" marks, and at most 60 characters with them; it holds only
#     letters of the Spanish keyboard (a-z, n with tilde, accented vowels,
#     u with diaeresis), single spaces between words and marks, and each
#     "/" stands right before a letter
#   - a hint is not empty and has at most 65 characters
#   - no character fails the conversion to CP850
# A list that fails a check is not written; the script then exits with 1.
#
# Usage: tools/wordlists/build.sh [DATA_DIR]
#   DATA_DIR defaults to the repository's data/ folder.

set -u

here=$(CDPATH= cd -- "$(dirname -- "$0")" && pwd) || exit 1
root=$(CDPATH= cd -- "$here/../.." && pwd) || exit 1
data=${1:-"$root/data"}

MAGIC='K. L. TAMU P. LURIMBA'

# Checks one list already converted to CP850 (one byte per character) and
# still with LF line ends.  Prints one message per problem; exit status 1
# if anything is wrong.
check_list() {
    LC_ALL=C awk -v magic="$MAGIC" -v name="$2" '
    function fail(msg) { printf "%s:%d: %s\n", name, NR, msg; bad = 1 }
    BEGIN {
        # Letters allowed in a word: a-z, A-Z and, as CP850 bytes,
        # a e i o u with acute accent, u with diaeresis and n with tilde
        # (lower case, then upper case).
        letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
        n = split("160 130 161 162 163 129 164 181 144 214 224 233 154 165", code, " ")
        for (i = 1; i <= n; i++) letters = letters sprintf("%c", code[i] + 0)
        bad = 0; pairs = 0
    }
    {
        line = $0
        if (index(line, "\r")) { fail("carriage return in source line"); next }
        for (i = 1; i <= length(line); i++) {
            c = substr(line, i, 1)
            if (c < " " || c == "\177") { fail("control character"); next }
        }
    }
    NR == 1 {
        if (line != magic) fail("first line must be \"" magic "\"")
        next
    }
    NR == 2 {
        if (line == "") fail("empty theme")
        if (length(line) > 65) fail("theme longer than 65 characters")
        next
    }
    NR % 2 == 1 {
        # word line
        pairs++
        if (line == "") { fail("empty word line"); next }
        if (length(line) > 60) fail("word line longer than 60 characters")
        count = 0
        for (i = 1; i <= length(line); i++) {
            c = substr(line, i, 1)
            if (c == "/") {
                d = substr(line, i + 1, 1)
                if (d == "" || index(letters, d) == 0)
                    fail("\"/\" must stand right before a letter")
            } else if (c == " ") {
                if (i == 1 || i == length(line) || substr(line, i + 1, 1) == " ")
                    fail("leading, trailing or double space in word")
            } else if (index(letters, c)) {
                count++
            } else {
                fail("character not allowed in a word: \"" c "\"")
            }
        }
        if (count == 0) fail("word without letters")
        if (count > 30) fail("word longer than 30 letters (" count ")")
        next
    }
    {
        # hint line
        if (line == "") fail("empty hint")
        if (length(line) > 65) fail("hint longer than 65 characters")
    }
    END {
        if (NR < 2) { printf "%s: missing magic or theme line\n", name; exit 1 }
        if (NR % 2 == 1) { printf "%s: last word has no hint\n", name; bad = 1 }
        if (pairs < 10 || pairs > 50) {
            printf "%s: %d pairs, must be 10 to 50\n", name, pairs; bad = 1
        }
        exit bad
    }' "$1"
}

status=0
found=0
for src in "$here"/*.txt; do
    [ -f "$src" ] || continue
    found=1
    base=$(basename -- "$src" .txt)
    if [ "$base" = ejemplo ]; then
        out="$data/ejemplo"
    else
        out="$data/archivos/$base.lma"
    fi
    dir=$(dirname -- "$out")
    mkdir -p -- "$dir" || { status=1; continue; }

    tmp="$out.tmp.$$"
    tmp850="$tmp.850"
    if ! iconv -f UTF-8 -t CP850 < "$src" > "$tmp850"; then
        echo "$src: cannot convert to CP850" >&2
        rm -f -- "$tmp850"
        status=1
        continue
    fi
    if ! check_list "$tmp850" "$src" >&2; then
        rm -f -- "$tmp850"
        status=1
        continue
    fi
    # CR LF after every line, the last one included.
    if ! LC_ALL=C awk '{ printf "%s\r\n", $0 }' "$tmp850" > "$tmp" ||
       ! mv -f -- "$tmp" "$out"; then
        rm -f -- "$tmp850" "$tmp"
        status=1
        continue
    fi
    rm -f -- "$tmp850"
    pairs=$(( ($(wc -l < "$out") - 2) / 2 ))
    echo "$out: $pairs words"
done

if [ "$found" -eq 0 ]; then
    echo "no word-list sources in $here" >&2
    exit 1
fi
exit "$status"
