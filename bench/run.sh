#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `make bench`: how fast Lurimba shows its main window and how much memory it holds, against a
# bare Qt window built here, both on one Xvfb and interleaved round by round so that their ratio
# holds on a busy machine; then the CPU Lurimba takes, and how often its threads wake, while a word
# is in play and the decorations animate; then the figures of every other bench program (see
# "Other bench programs" below).
#
#   bench/run.sh [BUILD_FOLDER [OTHER_FOLDER ...]]   (BENCH_ROUNDS=n: n rounds instead of 5;
#                                                     BENCH_SCREEN=WxH: the Xvfb screen, 1024x768
#                                                     unless set, e.g. 1920x1080 to measure the
#                                                     game scaled up to a large screen;
#                                                     BENCH_WM=command: a window manager to run
#                                                     on that screen, e.g. openbox, so that the
#                                                     windows show maximised as on a desktop)
#
# Each OTHER_FOLDER holds another build of the program (its `lurimba` and `data/`), for instance
# the one from before a change: it runs in the same rounds, and gets its own table against the
# same bare window, so that before and after are measured under the same load.
#
# It reports figures and never fails on one: a figure it could not take shows as "n/a".
#
# "Viewable" is the moment the X server maps the window (MapNotify on the root window, watched by
# xev without polling); the clock starts just before the program is launched. Resident memory is
# VmRSS of /proc/PID/status. The players window, which the first tick of the game timer opens,
# is answered with Return (xdotool), as a child presses "Jugar": after that a word is in play.
#
# Other bench programs: every executable bench/bench-* is run after these figures with the build
# folder as its argument and DISPLAY set to the bench's Xvfb. Each line it prints as
# "label<TAB>figure" becomes a row of the table (Lurimba's column); other lines are shown as they
# are. A program that fails or takes longer than ten minutes is reported, not fatal.

set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd) || exit 0
rounds=${BENCH_ROUNDS:-5}
screen=${BENCH_SCREEN:-1024x768}
[[ $screen =~ ^[0-9]+x[0-9]+$ ]] || { echo "bench: BENCH_SCREEN must be WIDTHxHEIGHT" >&2; exit 0; }
cpu_seconds=20
folders=("$build")
for other in "${@:2}"; do
  folders+=("$(cd "$other" && pwd)") || exit 0
done
bare=$build/bench/bare_window
work=$(mktemp -d)
pids=()

cleanup() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null
  done
  exec 7<&- 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

say() { echo "bench: $*" >&2; }

need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { say "$tool is missing (make deps installs it)"; exit 0; }
  done
}
need Xvfb xev xwininfo xdotool stdbuf g++ pkg-config

# --- The bare window, built by the bench itself -------------------------------------------------

mkdir -p "$build/bench"
if [[ ! -x $bare || $here/bare_window.cpp -nt $bare ]]; then
  say "building the bare Qt window"
  # shellcheck disable=SC2046
  g++ -std=c++20 -O2 -fPIC "$here/bare_window.cpp" -o "$bare" \
    $(pkg-config --cflags --libs Qt6Widgets) || { say "cannot build the bare window"; exit 0; }
fi
for folder in "${folders[@]}"; do
  [[ -x $folder/lurimba ]] || { say "$folder/lurimba is missing: build it first"; exit 0; }
done

# --- One X server and one watcher of mapped windows ---------------------------------------------

Xvfb -displayfd 6 -screen 0 "${screen}x24" -nolisten tcp 6>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do
  [[ -s $work/display ]] && break
  sleep 0.1
done
[[ -s $work/display ]] || { say "Xvfb did not start"; exit 0; }
export DISPLAY=:$(<"$work/display")
if [[ -n ${BENCH_WM:-} ]]; then
  need "${BENCH_WM%% *}"
  $BENCH_WM >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

# Prints "SECONDS.MICROSECONDS WINDOW_ID" the moment a window becomes mapped.
watch_maps() {
  local line mapped=0
  while IFS= read -r line; do
    if [[ $line == MapNotify* ]]; then
      mapped=1
    elif ((mapped)); then
      mapped=0
      [[ $line =~ window\ (0x[0-9a-f]+) ]] && echo "$EPOCHREALTIME ${BASH_REMATCH[1]}"
    fi
  done
}
mkfifo "$work/maps"
stdbuf -oL xev -root -event substructure 2>/dev/null | watch_maps >"$work/maps" &
pids+=($!)
exec 7<"$work/maps"
sleep 0.5

# --- Helpers that read /proc without starting a process (no disturbance at the moment measured) ---

micros() { local t=${1/./}; echo $((10#$t)); }

# Waits for the next mapped window: sets map_time and map_id; false after $1 seconds.
next_map() {
  map_time='' map_id=''
  read -r -t "$1" -u 7 map_time map_id
}

drain_maps() {
  local a b
  while read -r -t 0.2 -u 7 a b; do :; done
}

# Sets rss (kB) of process $1.
read_rss() {
  local key value unit
  rss=n/a
  while read -r key value unit; do
    [[ $key == VmRSS: ]] && { rss=$value; return; }
  done <"/proc/$1/status" 2>/dev/null
}

# Sets libs: the shared libraries (Qt plug-ins included) mapped into process $1.
count_libs() {
  local -A seen=()
  local address perms offset device inode path
  while read -r address perms offset device inode path; do
    [[ $path == *.so || $path == *.so.* ]] && seen[$path]=1
  done <"/proc/$1/maps" 2>/dev/null
  libs=${#seen[@]}
}

# Sets cpu_ns: the CPU time all threads of process $1 have run, in nanoseconds (the scheduler's
# own count, finer than clock ticks). Unlike the time until viewable, it hardly grows with the
# machine's load.
read_cpu_ns() {
  local task run rest
  cpu_ns=0
  for task in /proc/"$1"/task/*/schedstat; do
    read -r run rest <"$task" 2>/dev/null && cpu_ns=$((cpu_ns + run))
  done
}

# Sets ticks: user + system CPU clock ticks of process $1.
read_ticks() {
  local line fields
  ticks=''
  read -r line <"/proc/$1/stat" 2>/dev/null || return
  read -r -a fields <<<"${line##*) }"
  ticks=$((fields[11] + fields[12]))
}

stop() {
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
  drain_maps
}

# Starts $1 from its folder and waits until its first window is viewable. Sets pid, startup_us,
# rss_shown, cpu_ns, libs and rss_later (one second after). False when no window showed.
start_and_watch() {
  local start
  drain_maps
  cd "$(dirname "$1")" || return 1
  start=$EPOCHREALTIME
  "$1" >/dev/null 2>&1 &
  pid=$!
  cd - >/dev/null || true
  if ! next_map 20; then
    say "$(basename "$1"): no window within 20 s"
    stop "$pid"
    return 1
  fi
  read_rss "$pid"
  rss_shown=$rss
  read_cpu_ns "$pid"
  startup_us=$(($(micros "$map_time") - $(micros "$start")))
  count_libs "$pid"
  sleep 1
  read_rss "$pid"
  rss_later=$rss
}

# Answers the players window that the first tick of the game timer opens. Sets word_in_play.
answer_players_window() {
  word_in_play=false
  next_map 10 || return
  if [[ -n ${BENCH_WM:-} ]]; then
    # The window manager maps its frame, not the window itself, and gives the new window focus.
    sleep 0.5
    xdotool key Return 2>/dev/null
  else
    xdotool windowfocus --sync "$map_id" key Return 2>/dev/null
  fi
  sleep 2
  # The players window goes away once answered: the first word is then in play.
  xwininfo -id "$map_id" 2>/dev/null | grep -q IsViewable || word_in_play=true
}

# Sets wakes: how many times the threads of process $1 have been given a core (the scheduler's
# count of time slices, third field of each thread's schedstat).
read_wakes() {
  local task run wait slices
  wakes=0
  for task in /proc/"$1"/task/*/schedstat; do
    read -r run wait slices <"$task" 2>/dev/null && wakes=$((wakes + slices))
  done
}

# Sets cpu_percent: the share of one core process $1 takes over $cpu_seconds seconds, and
# wakes_per_second: how often its threads wake in that time.
measure_cpu() {
  local before after hz wakes_before
  hz=$(getconf CLK_TCK)
  read_ticks "$1"
  before=$ticks
  read_wakes "$1"
  wakes_before=$wakes
  sleep "$cpu_seconds"
  read_ticks "$1"
  after=$ticks
  read_wakes "$1"
  cpu_percent=n/a
  [[ -n $before && -n $after ]] &&
    cpu_percent=$(awk -v t=$((after - before)) -v hz="$hz" -v s="$cpu_seconds" \
      'BEGIN { printf "%.2f", 100 * t / hz / s }')
  wakes_per_second=$(awk -v w=$((wakes - wakes_before)) -v s="$cpu_seconds" \
    'BEGIN { printf "%.1f", w / s }')
}

run_bare() {
  start_and_watch "$bare" || return
  echo "bare $startup_us $rss_shown $rss_later $libs - $cpu_ns" >>"$work/results"
  stop "$pid"
}

# Runs the program of folder number $1.
run_lurimba() {
  local rss_word=n/a
  start_and_watch "${folders[$1]}/lurimba" || return
  answer_players_window
  if $word_in_play; then
    read_rss "$pid"
    rss_word=$rss
  else
    say "round $round: the players window could not be answered"
  fi
  echo "lurimba$1 $startup_us $rss_shown $rss_later $libs $rss_word $cpu_ns" >>"$work/results"
  if ((round == rounds)) && $word_in_play; then
    measure_cpu "$pid"
    echo "cpu$1 $cpu_percent $wakes_per_second" >>"$work/results"
  fi
  stop "$pid"
}

# --- The rounds ---------------------------------------------------------------------------------

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
say "warming up (fonts, disk cache): one run of each, not counted"
start_and_watch "$bare" && stop "$pid"
for folder in "${folders[@]}"; do
  start_and_watch "$folder/lurimba" && stop "$pid"
done
: >"$work/results"
for ((round = 1; round <= rounds; ++round)); do
  say "round $round of $rounds"
  # Who goes first turns round by round, so that a drift of the machine's load weighs on all alike.
  runs=$((${#folders[@]} + 1))
  for ((turn = 0; turn < runs; ++turn)); do
    which=$(((turn + round - 1) % runs))
    if ((which == 0)); then
      run_bare
    else
      run_lurimba $((which - 1))
    fi
  done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# --- Other bench programs (the results report's, for one) ---------------------------------------

: >"$work/others"
for other in "$here"/bench-*; do
  [[ -f $other && -x $other ]] || continue
  say "running $(basename "$other")"
  timeout 600 "$other" "$build" >"$work/other-output" 2>&1
  status=$?
  while IFS= read -r line; do
    if [[ $line == *$'\t'* ]]; then
      printf '%s\t%s\n' "${line%%$'\t'*}" "${line#*$'\t'}" >>"$work/others"
    else
      echo "  $(basename "$other"): $line" >&2
    fi
  done <"$work/other-output"
  ((status == 0)) || printf '%s\tfailed (exit %s)\n' "$(basename "$other")" "$status" >>"$work/others"
done

# --- The table ----------------------------------------------------------------------------------

echo
echo "Lurimba bench: $rounds interleaved rounds on $(nproc) cores, Xvfb ${screen}x24${BENCH_WM:+ with $BENCH_WM}, medians" \
  "(min-max); load average $load_before before, $load_after after"
for index in "${!folders[@]}"; do
  echo
  ((${#folders[@]} > 1)) && echo "Lurimba of ${folders[$index]}"
  awk -v others="$work/others" -v me="lurimba$index" -v cpu_key="cpu$index" \
    -v first="$index" '
  function median(list, n,   sorted, i, j, t) {
    for (i = 1; i <= n; ++i) sorted[i] = list[i]
    for (i = 2; i <= n; ++i)
      for (j = i; j > 1 && sorted[j - 1] > sorted[j]; --j) {
        t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t
      }
    lo = sorted[1]; hi = sorted[n]
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  # Median of column c of program p, scaled; sets med[p], text[p].
  function figure(p, c, scale, digits,   list, n, i, v) {
    n = 0
    for (i = 1; i <= rows[p]; ++i) {
      v = value[p, i, c]
      if (v != "" && v != "n/a" && v != "-") list[++n] = v / scale
    }
    if (n == 0) { med[p] = ""; text[p] = "n/a"; return }
    med[p] = median(list, n)
    text[p] = sprintf("%." digits "f (%." digits "f-%." digits "f)", med[p], lo, hi)
  }
  function row(label, c, scale, digits, with_bare,   ratio) {
    figure("lurimba", c, scale, digits)
    if (with_bare) figure("bare", c, scale, digits)
    else text["bare"] = "-"
    ratio = "-"
    if (with_bare && med["bare"] != "" && med["bare"] > 0 && med["lurimba"] != "")
      ratio = sprintf("%.2fx", med["lurimba"] / med["bare"])
    printf "%-44s %-24s %-24s %s\n", label, text["bare"], text["lurimba"], ratio
  }
  $1 == "bare" || $1 == me {
    p = $1 == me ? "lurimba" : "bare"
    ++rows[p]
    for (c = 2; c <= NF; ++c) value[p, rows[p], c] = $c
  }
  $1 == cpu_key { cpu = $2; wakes = $3 }
  END {
    printf "%-44s %-24s %-24s %s\n", "figure", "bare Qt window", "Lurimba", "ratio"
    row("time until the main window is viewable (ms)", 2, 1000, 1, 1)
    row("CPU time until viewable, all threads (ms)", 7, 1000000, 1, 1)
    row("resident memory then (MB)", 3, 1024, 1, 1)
    row("resident memory 1 s later (MB)", 4, 1024, 1, 1)
    row("resident memory, a word in play (MB)", 6, 1024, 1, 0)
    row("shared libraries mapped when viewable", 5, 1, 0, 1)
    printf "%-44s %-24s %-24s %s\n", "CPU, word in play, decorations (% of a core)", "-",
      (cpu == "" ? "n/a" : cpu " over 20 s"), "-"
    printf "%-44s %-24s %-24s %s\n", "wake-ups per second then, all threads", "-",
      (wakes == "" ? "n/a" : wakes), "-"
    while (first == 0 && (getline line < others) > 0) {
      split(line, part, "\t")
      printf "%-44s %-24s %-24s %s\n", part[1], "-", part[2], "-"
    }
  }
' "$work/results"
done
exit 0
