#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Spell-checks the words of every word list the game ships.
#
#   data/ejemplo and data/archivos/*.lma are read as code page 850; their
#   words and hints (lines 3, 4, 5, ...) lose the "/" marks, and hunspell
#   checks each word against Debian's Spanish dictionary (es_ES) and the
#   word file Docentix adds to it, resources/docentix/palabras.dic: the
#   correct Spanish words that dictionary lacks.
#
# Prints "LIST: WORD" for every word hunspell does not know and exits with 1;
# it also exits with 1 when hunspell, the es_ES dictionary, the word file
# or a list is missing, or a list cannot be read.
#
# Usage: tests/wordlists/check_spelling.sh [REPO_ROOT]
#   REPO_ROOT defaults to the repository this script belongs to.

set -u

here=$(CDPATH= cd -- "$(dirname -- "$0")" && pwd) || exit 1
root=${1:-"$here/../.."}
root=$(CDPATH= cd -- "$root" 2>/dev/null && pwd) || {
    echo "check_spelling: no such folder: ${1:-}" >&2
    exit 1
}
extra="$root/resources/docentix/palabras.dic"

# hunspell needs a UTF-8 locale to read the words and the extra dictionary,
# and it ignores a personal dictionary (-p) when HOME is not set.
LC_ALL=C.UTF-8
export LC_ALL
if [ -z "${HOME:-}" ]; then
    HOME=/nonexistent
    export HOME
fi

for tool in hunspell iconv; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "check_spelling: $tool is not installed" \
            "(apt-get install hunspell hunspell-es)" >&2
        exit 1
    fi
done
if [ ! -f "$extra" ]; then
    echo "check_spelling: $extra is missing" >&2
    exit 1
fi

spell() {
    hunspell -d es_ES -i UTF-8 -l -p "$extra"
}

# The dictionary must be installed and must work: it knows "casa" and
# rejects "kasa".
probe=$(printf 'casa\nkasa\n' | spell 2>&1)
if [ "$probe" != kasa ]; then
    echo "check_spelling: hunspell's es_ES dictionary is missing or broken" \
        "(apt-get install hunspell-es):" >&2
    printf '%s\n' "$probe" >&2
    exit 1
fi

status=0
lists=0
checked=0
for list in "$root/data/ejemplo" "$root/data/archivos"/*.lma; do
    name=${list#"$root"/}
    if [ ! -f "$list" ]; then
        echo "$name: missing" >&2
        status=1
        continue
    fi
    if ! text=$(iconv -f CP850 -t UTF-8 < "$list"); then
        echo "$name: cannot convert from CP850" >&2
        status=1
        continue
    fi
    words=$(printf '%s\n' "$text" | tr -d '\r' |
        awk 'NR >= 3' | tr -d '/' | tr -s ' ' '\n' |
        grep -v '^$')
    if [ -z "$words" ]; then
        echo "$name: no words" >&2
        status=1
        continue
    fi
    if ! unknown=$(printf '%s\n' "$words" | spell); then
        echo "$name: hunspell failed" >&2
        status=1
        continue
    fi
    lists=$((lists + 1))
    checked=$((checked + $(printf '%s\n' "$words" | wc -l)))
    if [ -n "$unknown" ]; then
        printf '%s\n' "$unknown" | sort -u | while IFS= read -r word; do
            echo "$name: $word"
        done
        status=1
    fi
done

echo "check_spelling: $checked words in $lists lists"
exit "$status"
