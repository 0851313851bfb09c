#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the two licence lines at the top of every source file of the repository that lacks
# them, in the file's own comment syntax. Files that cannot hold a comment (pictures, sounds,
# word lists, keyboards, records) are covered by .reuse/dep5 and left alone. Running it again
# changes nothing.
#
# Usage: tools/add-spdx.sh [--check] [ROOT]
#   ROOT     the tree to annotate (default: the repository holding this script)
#   --check  change nothing; list the files that lack the lines and exit 1 if there are any
set -euo pipefail

check=false
if [ "${1:-}" = "--check" ]; then
  check=true
  shift
fi
root=${1:-"$(cd "$(dirname "$0")/.." && pwd)"}
cd "$root"

# Split so that reuse does not read these lines as this script's own licence.
readonly tag_copyright="SPDX-File""CopyrightText:"
readonly tag_licence="SPDX-License""-Identifier:"
readonly copyright="$tag_copyright 2026 The Lurimba developers"
readonly licence="$tag_licence GPL-3.0-or-later"

# Every file of the tree: git's list when it is a repository (ignored files left out), else
# everything but build folders.
list_files() {
  if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard
  else
    find . -type f ! -path './.git/*' ! -path './build*' -printf '%P\0'
  fi
}

# The comment syntax of a file: slash (//), hash (#), xml (<!-- -->), man (.\"), or none when
# the file cannot carry a comment and .reuse/dep5 speaks for it.
comment_style() {
  local path=$1 name=${1##*/}
  case "$name" in
    *.in) name=${name%.in} ;;
  esac
  case "$path" in
    LICENSE | LICENSES/* | .reuse/*) echo none; return ;;
  esac
  case "$name" in
    *.cpp | *.h | *.hpp | *.cc | *.c) echo slash ;;
    CMakeLists.txt | *.cmake | Makefile | *.mk | *.sh | *.py | *.desktop | *.yml | *.yaml | *.supp \
      | .gitignore | .gitattributes | .clang-format | .clang-tidy) echo hash ;;
    *.ui | *.qrc | *.xml | *.htm | *.html | *.md | *.ts) echo xml ;;
    *.[1-9]) echo man ;;
    *)
      if [ "$(head -c 2 "$path" | tr -d '\0')" = "#!" ]; then echo hash; else echo none; fi
      ;;
  esac
}

has_licence() {
  head -n 20 "$1" | grep -q "$tag_licence"
}

# Writes the file with the lines added: after a first line that must stay first (#!, <?xml,
# <!DOCTYPE), else at the very top; a blank line separates them from what follows.
annotate() {
  local path=$1 open=$2 close=$3 keep_first=$4
  local tmp
  tmp=$(mktemp)
  # Through the environment: awk -v would read the backslash of .\" as an escape.
  HEADER="${open}${copyright}${close}
${open}${licence}${close}" KEEP=$keep_first awk '
    NR == 1 && ENVIRON["KEEP"] == 1 { print; print ENVIRON["HEADER"]; print ""; next }
    NR == 1 { print ENVIRON["HEADER"]; print "" }
    { print }
    END { if (NR == 0) print ENVIRON["HEADER"] }
  ' "$path" > "$tmp"
  cat "$tmp" > "$path"
  rm -f "$tmp"
}

first_line_stays() {
  local path=$1 style=$2 first
  first=$(head -n 1 "$path")
  case "$style" in
    hash) [[ "$first" == '#!'* ]] && echo 1 || echo 0 ;;
    xml) [[ "${first,,}" == '<?xml'* || "${first,,}" == '<!doctype'* ]] && echo 1 || echo 0 ;;
    *) echo 0 ;;
  esac
}

missing=0
while IFS= read -r -d '' path; do
  [ -f "$path" ] || continue
  style=$(comment_style "$path")
  [ "$style" = none ] && continue
  has_licence "$path" && continue
  missing=$((missing + 1))
  if $check; then
    echo "$path"
    continue
  fi
  keep=$(first_line_stays "$path" "$style")
  case "$style" in
    slash) annotate "$path" "// " "" "$keep" ;;
    hash) annotate "$path" "# " "" "$keep" ;;
    xml) annotate "$path" "<!-- " " -->" "$keep" ;;
    man) annotate "$path" '.\" ' "" "$keep" ;;
  esac
done < <(list_files)

if $check; then
  [ "$missing" -eq 0 ] || { echo "$missing file(s) without licence lines" >&2; exit 1; }
else
  echo "licence lines added to $missing file(s)"
fi
