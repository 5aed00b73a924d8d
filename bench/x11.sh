#!/usr/bin/env bash
# The native program on Xvfb with openbox, measured as a user runs it. Prints figures, passes no
# judgement:
#   startup  seconds from launch to the window's map, runs alternating with a bare Xlib window
#            that maps and paints once (bench/x11/bare_window.cpp; SW_BENCH_RUNS rounds, 21 by
#            default), the medians and their ratio;
#   idle     CPU as a share of one core over SW_BENCH_IDLE seconds (60 by default) while the
#            window is minimized (no notification area: hiding minimizes), and the resident
#            memory at the end.
# Usage: bench/x11.sh [startup] [idle]   (both when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/build.sh native spacewell map_wait >/dev/null
work=$(mktemp -d)
c++ -O2 -o "$work/bare_window" bench/x11/bare_window.cpp -lX11
map_wait=$root/build/native/bench/map_wait
cp build/native/src/spacewell "$work/spacewell"
source tests/e2e/lib/linux_desktop.sh
sw_desktop_start
trap 'sw_desktop_stop; rm -rf "$work"' EXIT

# launch PROGRAM TITLE: starts it, waits for its window's map and prints the seconds; the
# program stays running (its pid in $launched).
launch() {
  local start end waiter
  : > "$work/map.txt"
  "$map_wait" "$2" 30 > "$work/map.txt" &
  waiter=$!
  until grep -q ready "$work/map.txt"; do sleep 0.01; done
  start=$(date +%s%N)
  "$1" >/dev/null 2>&1 &
  launched=$!
  wait "$waiter" || { echo "$1 showed no window within 30 s" >&2; exit 1; }
  end=$(tail -n 1 "$work/map.txt")
  awk -v ns=$((end - start)) 'BEGIN { printf "%.4f\n", ns / 1e9 }'
}
stop() { kill "$1"; wait "$1" 2>/dev/null || true; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

startup() {
  local runs=${SW_BENCH_RUNS:-21} i
  : > "$work/spacewell.txt"; : > "$work/bare.txt"
  for i in $(seq "$runs"); do
    launch "$work/spacewell" Spacewell >> "$work/spacewell.txt"; stop "$launched"
    rm -f "$work/spacewell.ini"
    launch "$work/bare_window" Bare >> "$work/bare.txt"; stop "$launched"
  done
  local ours bare
  ours=$(median < "$work/spacewell.txt"); bare=$(median < "$work/bare.txt")
  echo "startup: spacewell $ours s, bare window $bare s (medians of $runs), ratio" \
    "$(awk -v a="$ours" -v b="$bare" 'BEGIN { printf "%.2f", a / b }')"
}

idle() {
  local seconds=${SW_BENCH_IDLE:-60} ticks before after win
  ticks=$(getconf CLK_TCK)
  launch "$work/spacewell" Spacewell >/dev/null
  win=$(xdotool search --onlyvisible --name '^Spacewell$' | head -n 1)
  xdotool windowfocus --sync "$win"; xdotool type m
  # Past the ten seconds after the start in which the work areas are looked at twice a second.
  sleep 11
  cpu() { awk '{ print $14 + $15 }' "/proc/$launched/stat"; }
  before=$(cpu); sleep "$seconds"; after=$(cpu)
  echo "idle (minimized, ${seconds} s): $(awk -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" \
    'BEGIN { printf "%.3f", 100 * t / hz / s }') % of a core," \
    "resident $(awk '/VmRSS/ { print $2 / 1024 }' "/proc/$launched/status") MB"
  stop "$launched"
}

for step in "${@:-startup idle}"; do
  for s in $step; do "$s"; done
done
