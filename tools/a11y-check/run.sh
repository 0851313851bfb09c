#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `make a11y-check`: plays one word of Lurimba with the Orca screen reader listening, and prints
# every line Orca would have spoken. A blind child's game, on the real keyboard alone:
#
#   1. Xvfb (1024x768), a D-Bus session, the AT-SPI bus, a window manager (openbox)
#      and Orca with a debug file, each started here and stopped at the end;
#   2. the game from a fresh copy of the game folder, with a list of ten times one word, so
#      that the player knows the word whatever the game hides of it;
#   3. the players window answered by typing a name and Return;
#   4. the word played with real key presses: its gaps are read from the game's name of it on the
#      accessibility bus (shown_word.py), one wrong letter is pressed first, then the letter of
#      each gap in turn;
#   5. the word-solved dialog closed with Esc, Tab and Shift+Tab through the keys of the next
#      word, that word lost with six wrong letters and the word-failed dialog closed with Esc.
#
#   tools/a11y-check/run.sh [BUILD_FOLDER]     (default: build)
#
# Orca's whole debug file is kept as BUILD_FOLDER/a11y-check/orca-debug.txt and the spoken lines
# as BUILD_FOLDER/a11y-check/speech.txt. Every wait is bounded; the run takes about a minute and
# a half.
# It fails (exit 1) only when a step cannot be taken, never on what Orca says.

set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd) || exit 1
out=$build/a11y-check
work=$(mktemp -d)
pids=()
word=pelota
wrong=x

say() { echo "a11y-check: $*" >&2; }

cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null
  done
  sleep 0.5
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill -9 "${pids[i]}" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  say "$*"
  exit 1
}

for tool in Xvfb dbus-launch orca xdotool openbox /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || fail "$tool is missing (make a11y-check installs it)"
done
[[ -x $build/lurimba ]] || fail "$build/lurimba is missing: build it first"

# --- The desktop: X server, session bus, accessibility bus, window manager, screen reader --------

mkdir -p "$out" "$work/home"
rm -f "$out/orca-debug.txt" "$out/speech.txt"
export HOME=$work/home
Xvfb -displayfd 6 -screen 0 1024x768x24 -nolisten tcp 6>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start"
DISPLAY=:$(<"$work/display")
export DISPLAY
eval "$(dbus-launch --sh-syntax)" || fail "no D-Bus session"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
# The game exposes itself on the accessibility bus as on a desktop with a screen reader on.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
orca --replace --debug-file="$out/orca-debug.txt" >"$work/orca.log" 2>&1 &
pids+=($!)
orca=$!
# Orca writes its debug file in blocks, so what it said is read once it has stopped, and its
# start cannot be watched: it is given time to listen before the game starts.
sleep 10
kill -0 "$orca" 2>/dev/null || { tail -5 "$work/orca.log" >&2; fail "Orca did not start"; }

# --- The game, from a fresh game folder with a list of one word ----------------------------------

mkdir "$work/game"
{ cp "$build/lurimba" "$work/game/" && cp -r "$build/data" "$work/game/"; } ||
  fail "cannot copy the game"
{
  printf 'K. L. TAMU P. LURIMBA\r\nJuguetes\r\n'
  for _ in $(seq 10); do printf 'pe/lo/ta\r\nJuguete redondo para jugar en el patio\r\n'; done
} >"$work/game/data/ejemplo"
(cd "$work/game" && exec ./lurimba >"$work/game.log" 2>&1) &
pids+=($!)
players=$(timeout 20 xdotool search --sync --onlyvisible --name 'va a jugar' 2>/dev/null | head -1)
[[ -n $players ]] || fail "no players window"
# Time for Orca to say the window before the first key (it falls behind on a busy machine).
sleep 3
xdotool windowactivate --sync "$players" 2>/dev/null
xdotool type --delay 150 ANA
sleep 0.5
xdotool key Return
spelled=$(/usr/bin/python3 "$here/shown_word.py" 15) || fail "no word in play"
# The main window active, as a desktop leaves it once the players window has gone (openbox does
# not always give it the focus back under Xvfb, and Orca follows the active window only).
main=$(xdotool search --onlyvisible --name '^Lurimba,' 2>/dev/null | head -1)
[[ -n $main ]] || fail "no main window"
xdotool windowactivate --sync "$main" 2>/dev/null

# --- One word played from its gaps --------------------------------------------------------------

IFS=',' read -ra parts <<<"${spelled//, /,}"
((${#parts[@]} == ${#word})) || fail "the game shows \"$spelled\", which is not $word"
letters=""
for i in "${!parts[@]}"; do
  [[ ${parts[i]} == hueco && $letters != *"${word:i:1}"* ]] && letters+=${word:i:1}
done
[[ -n $letters ]] || fail "no gap in \"$spelled\""
sleep 2
for key in $wrong $(grep -o . <<<"$letters"); do
  xdotool key "$key"
  sleep 2
done
sleep 3
xdotool key Escape
/usr/bin/python3 "$here/shown_word.py" 15 >/dev/null || say "no next word in play"
xdotool windowactivate --sync "$main" 2>/dev/null
sleep 1
for key in Tab Tab Tab shift+Tab; do
  xdotool key "$key"
  sleep 1.5
done
# The next word lost: six letters that are not in it, and the word-failed dialog closed.
for key in x z k w q j; do
  xdotool key "$key"
  sleep 1.5
done
sleep 3
xdotool key Escape
sleep 2

# --- What Orca said ------------------------------------------------------------------------------

kill "$orca"
for _ in $(seq 50); do
  kill -0 "$orca" 2>/dev/null || break
  sleep 0.1
done
# A line Orca speaks may go over several lines of the file: it ends at its closing quote and
# the voice settings after it.
perl -0777 -ne "while (/SPEECH OUTPUT: '(.*?)' ?\{/sg) {
  (\$t = \$1) =~ s/\s*\n\s*/ /g; print \"\$t\n\" }" "$out/orca-debug.txt" >"$out/speech.txt"
echo "Orca said (the whole debug file: $out/orca-debug.txt):"
sed 's/^/  /' "$out/speech.txt"
