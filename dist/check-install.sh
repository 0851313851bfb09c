#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs a built tree into a temporary DESTDIR as a distribution would (prefix /usr), checks
# the desktop entry and the software-centre file with their validators, then starts the
# installed program from an unrelated folder for a user with an empty home, on the offscreen
# platform: the per-user game folder must be filled and the main window must come up, without
# any message box. The program is then stopped.
#
# Usage: dist/check-install.sh [BUILD_DIR]   (default: build)
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
program_pid=
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2> /dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "check-install: $*" >&2
  exit 1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr > "$work/install.log"
usr=$root/usr

expect_file() {
  [ -f "$usr/$1" ] || fail "not installed: /usr/$1"
}
expect_file bin/lurimba
[ -x "$usr/bin/lurimba" ] || fail "/usr/bin/lurimba is not executable"
# Printing, sound and speech: modules the program loads from lib/lurimba/modules beside its bin folder.
for module in lurimba-print lurimba-sound lurimba-speech; do
  expect_file "lib/lurimba/modules/$module.so"
done
for file in .lurimba ejemplo acierto.bmp error.bmp teclado.def lurim_w.htm archivos/animales.lma \
  teclados/normal.tec puzles/puzle1.bmp; do
  expect_file "share/lurimba/$file"
done
if find "$usr/share/lurimba" -type f -perm /0022 | grep -q .; then
  fail "files of /usr/share/lurimba are writable by their group or by everyone"
fi
grep -q "Versión [0-9]" "$usr/share/lurimba/lurim_w.htm" || fail "the information page names no version"
for size in 48 64 128 256; do
  expect_file "share/icons/hicolor/${size}x${size}/apps/org.lurimba.Lurimba.png"
done
expect_file share/icons/hicolor/scalable/apps/org.lurimba.Lurimba.svg
expect_file share/man/man6/lurimba.6
expect_file share/doc/lurimba/copyright

desktop=$usr/share/applications/org.lurimba.Lurimba.desktop
metainfo=$usr/share/metainfo/org.lurimba.Lurimba.metainfo.xml
expect_file share/applications/org.lurimba.Lurimba.desktop
expect_file share/metainfo/org.lurimba.Lurimba.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli refused the metainfo file"
man --warnings -l "$usr/share/man/man6/lurimba.6" > /dev/null 2> "$work/man.log"
[ ! -s "$work/man.log" ] || fail "the man page has faults: $(cat "$work/man.log")"

# The first start of a user with an empty home, from a folder that is not the game's.
home=$work/home
elsewhere=$work/elsewhere
mkdir -p "$home" "$elsewhere"
log=$work/program.log
(
  cd "$elsewhere"
  exec env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    QT_LOGGING_RULES="qt.accessibility.cache.debug=true" "$usr/bin/lurimba"
) > "$log" 2>&1 &
program_pid=$!

# Qt's accessibility cache logs every window the program shows. The players window opens one
# second after the main window, from the main window's game timer.
came_up=false
for _ in $(seq 1 60); do
  if grep -q 'obj=TForm_juego' "$log" && grep -q 'obj=TForm_jugadores' "$log"; then
    came_up=true
    break
  fi
  kill -0 "$program_pid" 2> /dev/null || break
  sleep 0.5
done
if ! $came_up; then
  cat "$log" >&2
  fail "the main window of the installed program did not come up"
fi
# The sound module loads just after the main window shows; printing waits for "Imprimir...".
grep -q "$usr/lib/lurimba/modules/lurimba-sound.so" "/proc/$program_pid/maps" ||
  fail "the installed program did not load its sound module from /usr/lib/lurimba/modules"
if grep -q -e lurimba-print.so -e libQt6PrintSupport "/proc/$program_pid/maps"; then
  fail "the installed program loaded the printing system before printing"
fi
kill "$program_pid" 2> /dev/null || true
wait "$program_pid" 2> /dev/null || true
program_pid=

if grep -q 'obj=QMessageBox' "$log"; then
  cat "$log" >&2
  fail "the installed program showed a message box at its first start"
fi
user_folder=$home/.local/share/lurimba
for file in ejemplo acierto.bmp error.bmp teclado.def lurim_w.htm archivos/animales.lma \
  puzles/puzle1.bmp; do
  [ -f "$user_folder/$file" ] || fail "the per-user folder was not filled: $file is missing"
done
[ -z "$(ls -A "$elsewhere")" ] || fail "the program wrote into the folder it was started from"

echo "check-install: installed files valid; first start filled $user_folder and showed the main window"
