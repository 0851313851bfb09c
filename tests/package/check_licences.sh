#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# On a copy of the source tree: tools/add-spdx.sh gives every file its licence (`reuse lint`
# passes), a second run finds nothing left to do, first lines that must stay first (#!,
# <?xml, <!DOCTYPE) stay first, and files without comments (word lists, keyboards, pictures)
# are left byte for byte.
#
# Usage: check_licences.sh SOURCE_DIR
set -euo pipefail

source_dir=$(cd "$1" && pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT

cd "$source_dir"
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard
else
  find . -type f ! -path './.git/*' ! -path './build*' -printf '%P\0'
fi | while IFS= read -r -d '' path; do
  if [ -f "$path" ]; then printf '%s\0' "$path"; fi
done | tar --null -T - -cf - | tar -xf - -C "$copy"

cd "$copy"
bash tools/add-spdx.sh "$copy" > /dev/null
if ! reuse lint > "$copy.lint" 2>&1; then
  cat "$copy.lint" >&2
  rm -f "$copy.lint"
  echo "licences: reuse lint fails after tools/add-spdx.sh" >&2
  exit 1
fi
rm -f "$copy.lint"
bash tools/add-spdx.sh --check "$copy" || {
  echo "licences: a second run of tools/add-spdx.sh would change files" >&2
  exit 1
}

failures=0
first_line() {
  local path=$1 expected=$2
  [ "$(head -n 1 "$path")" = "$expected" ] || {
    echo "licences: $path no longer starts with $expected" >&2
    failures=$((failures + 1))
  }
}
first_line .ci/run '#!/usr/bin/env bash'
first_line data/lurim_w.htm '<!DOCTYPE html>'
first_line src/app/form_juego.ui '<?xml version="1.0" encoding="UTF-8"?>'
first_line src/app/main.cpp "// SPDX-File""CopyrightText: 2026 The Lurimba developers"
for path in data/ejemplo data/teclado.def data/archivos/*.lma data/teclados/*.tec \
  tools/wordlists/*.txt resources/docentix/palabras.dic resources/images/lurimba.svg; do
  cmp -s "$path" "$source_dir/$path" || {
    echo "licences: $path was changed" >&2
    failures=$((failures + 1))
  }
done
[ "$failures" -eq 0 ]
