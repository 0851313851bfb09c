#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lurimba developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every fuzz target of build-fuzz/ for SECONDS (default 60) over a working
# corpus seeded from the game folder (data/), the built-in pictures
# (resources/) and fuzz/seeds/. Prints executions and findings per target;
# fails when any target found something (the inputs are in build-fuzz/findings/).
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-60}"

seeds() {
  case "$1" in
    text_reader | word_list) echo "$root"/data/ejemplo "$root"/data/archivos/* ;;
    keyboard_file) echo "$root"/data/teclado.def "$root"/data/teclados/* ;;
    gif_decoder) echo "$root"/resources/gifs/*.gif "$root"/fuzz/seeds/gif_decoder/* ;;
    wmf_reader) echo "$root"/data/fondos/*.wmf ;;
    screen_config) echo "$root"/data/config.def "$root"/fuzz/seeds/screen_config/* ;;
    points_file | results_file | list_import) echo "$root"/fuzz/seeds/"$1"/* ;;
    picture_file)
      echo "$root"/data/texturas/*.bmp "$root"/data/acierto.bmp "$root"/data/error.bmp \
        "$root"/fuzz/seeds/picture_file/*
      ;;
  esac
}

failed=0
printf '%-14s %12s %9s %s\n' target executions findings result
for target in text_reader word_list keyboard_file gif_decoder picture_file wmf_reader \
  screen_config points_file results_file list_import; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  for seed in $(seeds "$target"); do
    [ -f "$seed" ] && cp -n "$seed" "$corpus/seed-$(basename "$seed")"
  done
  # The pictures of the game folder are large; the mutations stay near their size.
  "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -rss_limit_mb=2048 -max_len=400000 -artifact_prefix="$findings/" "$corpus" >"$log" 2>&1
  status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  found=$(find "$findings" -type f | wc -l)
  result=ok
  if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
    result="FAILED (exit $status; see $log)"
    failed=1
  fi
  printf '%-14s %12s %9s %s\n' "$target" "${executions:-?}" "$found" "$result"
done
exit "$failed"
