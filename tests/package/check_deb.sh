#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a built tree and checks its name, what it holds, that every
# file lies under /usr, that it runs no maintainer script, and that its dependencies name
# Qt 6, giflib, hunspell and its Spanish dictionary, the fonts and Qt's translations.
#
# Usage: check_deb.sh BUILD_DIR VERSION
set -euo pipefail

build=$1
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() {
  echo "debian package: $*" >&2
  failures=$((failures + 1))
}

if ! (cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log" 2>&1); then
  cat "$out/cpack.log" >&2
  echo "debian package: cpack failed" >&2
  exit 1
fi
deb=$out/lurimba_${version}_amd64.deb
if [ ! -f "$deb" ]; then
  ls "$out" >&2
  echo "debian package: no $deb" >&2
  exit 1
fi

# What it holds.
dpkg-deb -c "$deb" | awk '{ print $6 }' > "$out/contents"
for path in ./usr/bin/lurimba ./usr/bin/docentix ./usr/share/lurimba/.lurimba ./usr/share/lurimba/ejemplo \
  ./usr/share/lurimba/lurim_w.htm ./usr/share/lurimba/archivos/animales.lma \
  ./usr/share/lurimba/puzles/puzle1.bmp ./usr/share/applications/org.lurimba.Lurimba.desktop \
  ./usr/share/metainfo/org.lurimba.Lurimba.metainfo.xml \
  ./usr/share/icons/hicolor/48x48/apps/org.lurimba.Lurimba.png \
  ./usr/share/icons/hicolor/256x256/apps/org.lurimba.Lurimba.png \
  ./usr/share/icons/hicolor/scalable/apps/org.lurimba.Lurimba.svg \
  ./usr/share/man/man6/lurimba.6 ./usr/share/doc/lurimba/copyright; do
  grep -qxF "$path" "$out/contents" || fail "does not hold $path"
done
outside=$(grep -v -e '^\./$' -e '^\./usr/' "$out/contents" || true)
[ -z "$outside" ] || fail "holds files outside /usr: $outside"
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print $6 }' > "$out/not-root"
[ ! -s "$out/not-root" ] || fail "files not owned by root: $(head -3 "$out/not-root")"

# The programs are stripped: a package with the debugging information is several times larger.
dpkg-deb -x "$deb" "$out/tree"
for program in lurimba docentix; do
  if readelf -S "$out/tree/usr/bin/$program" | grep -q -e '\.debug_info' -e '\.symtab'; then
    fail "/usr/bin/$program is not stripped"
  fi
done

# Its control file.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lurimba ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = amd64 ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libasound2 libespeak-ng1 \
  libgif7 libhunspell-1.7-0 fonts-liberation qt6-translations-l10n hunspell-es; do
  grep -qE "(^|, )${package}( |,|$)" <<< "$depends" || fail "Depends does not name $package: $depends"
done
dpkg-deb -e "$deb" "$out/control"
scripts=$(ls "$out/control" | grep -v -x -e control -e md5sums || true)
[ -z "$scripts" ] || fail "has maintainer scripts: $scripts"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "debian package: $(basename "$deb"), $(wc -l < "$out/contents") entries, Depends: $depends"
