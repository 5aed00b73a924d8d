#!/usr/bin/env bash
# spacewell.exe under Wine in Xvfb, measured as a user runs it. Prints figures, passes no
# judgement:
#   startup  seconds from launch to the window's map, runs alternating with two bare Win32
#            windows (bench/wine/bare_window.cpp): one that also links the same system
#            libraries, reads the shell's version, adds a tray icon and opens the Run key (so
#            only the program's own work differs), and a plain one (SW_BENCH_RUNS rounds, 21 by
#            default); the ratios of the medians;
#   soak     private memory, GDI/USER object and handle counts after start and after 1,000 and
#            2,000 refreshes (the "r" key); Wine answers 0 for the object counts, so the
#            memory is also read from Linux (private pages of the process, /proc/PID/smaps_rollup);
#   idle     over 60 s while hidden in the tray, where the program measures the drives every
#            10 s: CPU as a share of one core, the program's, the wineserver's and the two
#            together, and per thread the CPU and the wake-ups (the times it went to
#            sleep and was woken: Linux's voluntary context switches).
#   panel    the same over 60 s with the window shown and the memory window open, its two
#            headings scrolling.
#   baseline the same over 60 s for the bare window with the same libraries and a tray icon:
#            what Wine itself costs on this machine now; idle and panel named after it also
#            print their figure above it.
# Usage: bench/wine.sh [startup] [soak] [baseline] [idle] [panel]
#        (startup, soak and idle when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export SW_WINEPREFIX=$PWD/build/wineprefix-bench
source scripts/wine-env.sh
# The shipped 32-bit build, or the 64-bit one where this machine cannot run 32-bit programs.
windows_build=${SW_WINDOWS_BUILD:-build/win32}
scripts/build.sh "${windows_build#build/}" spacewell bare_window bare_system_window gui_resources >/dev/null
scripts/build.sh native map_wait >/dev/null
map_wait=$PWD/build/native/bench/map_wait
work=$(mktemp -d)
sw_start_x
trap 'sw_kill_wine; sw_stop_x; rm -rf "$work"' EXIT
sw_make_prefix
bench=$WINEPREFIX/drive_c/bench
mkdir -p "$bench"
rm -f "$bench"/*.ini
# Stripped, as the zip ships them: the debug sections would be loaded with the image.
strip=i686-w64-mingw32-strip
[ "$windows_build" = build/win32 ] || strip=x86_64-w64-mingw32-strip
for exe in src/spacewell.exe bench/bare_window.exe bench/bare_system_window.exe \
           bench/gui_resources.exe; do
  "$strip" -o "$bench/$(basename "$exe")" "$windows_build/$exe"
done
# SW_BENCH_EXE measures another build of spacewell.exe.
if [ -n "${SW_BENCH_EXE:-}" ]; then cp "$SW_BENCH_EXE" "$bench/spacewell.exe"; fi
# One wineserver for all runs, so each start pays only for itself; an earlier one may still be
# on its way out.
timeout 30 wineserver -w || true
wineserver -p
ticks=$(getconf CLK_TCK)

# launch NAME TITLE: starts C:\bench\NAME.exe and waits for its window to be mapped; prints the
# seconds. The X server's map event marks the moment: no poller takes the CPU from the start.
launch() {
  local start end waiter
  : > "$work/map.txt"
  "$map_wait" "$2" 30 > "$work/map.txt" &
  waiter=$!
  until grep -q ready "$work/map.txt"; do sleep 0.01; done
  start=$(date +%s%N)
  wine "C:\\bench\\$1.exe" >/dev/null 2>&1 &
  wait "$waiter" || { echo "$1.exe showed no window within 30 s" >&2; exit 1; }
  end=$(tail -n 1 "$work/map.txt")
  awk -v ns=$((end - start)) 'BEGIN { printf "%.3f\n", ns / 1e9 }'
}
# stop NAME: ends the program and waits until it is gone.
stop() {
  pkill -f "C:\\\\bench\\\\$1.exe" || true
  for _ in $(seq 50); do pgrep -f "C:\\\\bench\\\\$1.exe" >/dev/null || return 0; sleep 0.1; done
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
pid_of() { pgrep -f "C:\\\\bench\\\\${1:-spacewell}.exe" | head -n 1; }
# cpu_ticks DIR: user + system time of a process or thread (/proc/PID, /proc/PID/task/TID).
cpu_ticks() { awk '{ print $14 + $15 }' "$1/stat"; }
resources() { wine 'C:\bench\gui_resources.exe' Spacewell 2>/dev/null | tr -d '\r'; }
type_on() {  # WINDOW KEYS: activates the window by its title band, then types
  xdotool mousemove 600 300 click 1; sleep 0.3
  xdotool windowfocus --sync "$1"; xdotool type --delay "${3:-20}" "$2"
}

startup() {
  local i own=() libs=() bare=() runs=${SW_BENCH_RUNS:-21}
  launch spacewell Spacewell >/dev/null; stop spacewell  # warms the disk cache for all three
  for i in $(seq "$runs"); do
    own+=("$(launch spacewell Spacewell)"); stop spacewell
    libs+=("$(launch bare_system_window Bare)"); stop bare_system_window
    bare+=("$(launch bare_window Bare)"); stop bare_window
  done
  local m_own m_libs m_bare
  m_own=$(printf '%s\n' "${own[@]}" | median)
  m_libs=$(printf '%s\n' "${libs[@]}" | median)
  m_bare=$(printf '%s\n' "${bare[@]}" | median)
  echo "startup: spacewell.exe                ${own[*]} s (median $m_own)"
  echo "startup: bare window, same libraries  ${libs[*]} s (median $m_libs)"
  echo "startup: bare window                  ${bare[*]} s (median $m_bare)"
  awk -v a="$m_own" -v l="$m_libs" -v b="$m_bare" 'BEGIN {
    printf "startup: ratio of the medians %.2f against the same libraries, %.2f against bare\n",
           a / l, a / b }'
}

# private_kib PID: the process's private pages as Linux counts them.
private_kib() { awk '/^Private_(Clean|Dirty):/ { kib += $2 } END { print kib }' "/proc/$1/smaps_rollup"; }

soak() {
  launch spacewell Spacewell >/dev/null
  local win round
  win=$(xdotool search --onlyvisible --name '^Spacewell$' | head -n 1)
  sleep 2
  echo "soak: after start:            $(resources), Linux private $(private_kib "$(pid_of)") KiB"
  for round in 1,000 2,000; do
    type_on "$win" "$(printf 'r%.0s' $(seq 1000))" 2
    sleep 5
    echo "soak: after $round refreshes:  $(resources), Linux private $(private_kib "$(pid_of)") KiB"
  done
  stop spacewell
}

# prefix_server: the wineserver of this prefix (others may run on the machine); it works in a
# folder named after the prefix's device and inode.
prefix_server() {
  local dir p
  dir=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for p in $(pgrep wineserver); do
    if [ "$(basename "$(readlink "/proc/$p/cwd")")" = "$dir" ]; then echo "$p"; fi
  done
}
# wakeups DIR: how often a process or thread went to sleep and was woken again.
wakeups() { awk '/^voluntary_ctxt_switches:/ { print $2 }' "$1/status"; }

# cpu_over_60s NAME STATE [EXE]: the program's (spacewell unless EXE names another) and the
# wineserver's CPU, and each thread's, over 60 s in the state the caller has put it in. Keeps
# the two together in $together (ticks).
together=
baseline_ticks=
cpu_over_60s() {
  local pid server before after server_before server_after task
  pid=$(pid_of "${3:-spacewell}")
  server=$(prefix_server)
  declare -A start woke
  for task in /proc/"$pid"/task/*; do
    start[$task]=$(cpu_ticks "$task")
    woke[$task]=$(wakeups "$task")
  done
  before=$(cpu_ticks "/proc/$pid")
  server_before=$(cpu_ticks "/proc/$server")
  sleep 60
  after=$(cpu_ticks "/proc/$pid")
  server_after=$(cpu_ticks "/proc/$server")
  awk -v t=$((after - before)) -v s=$((server_after - server_before)) -v hz="$ticks" \
      -v name="$1" -v state="$2" 'BEGIN {
    printf "%s: %.2f %% of one core over 60 s %s", name, 100 * t / hz / 60, state
    printf " (and the wineserver %.2f %%; together %.2f %%)\n", 100 * s / hz / 60, 100 * (t + s) / hz / 60 }'
  together=$((after - before + server_after - server_before))
  if [ -n "$baseline_ticks" ] && [ "$1" != baseline ]; then
    awk -v d=$((together - baseline_ticks)) -v hz="$ticks" -v name="$1" 'BEGIN {
      printf "%s: together %.2f %% of one core above the bare window\n", name, 100 * d / hz / 60 }'
  fi
  for task in /proc/"$pid"/task/*; do
    [ -n "${start[$task]:-}" ] || continue
    echo "$1:   thread $(basename "$task") ($(cat "$task/comm")):" \
      "$(($(cpu_ticks "$task") - start[$task])) ticks," \
      "$(($(wakeups "$task") - woke[$task])) wake-ups"
  done
}

baseline() {
  launch bare_system_window Bare >/dev/null
  sleep 3
  cpu_over_60s baseline "for the bare window with a tray icon" bare_system_window
  baseline_ticks=$together
  stop bare_system_window
}

idle() {
  launch spacewell Spacewell >/dev/null
  local win
  win=$(xdotool search --onlyvisible --name '^Spacewell$' | head -n 1)
  type_on "$win" m
  sleep 3
  cpu_over_60s idle "hidden in the tray"
  stop spacewell
}

panel() {
  launch spacewell Spacewell >/dev/null
  local win left top
  win=$(xdotool search --onlyvisible --name '^Spacewell$' | head -n 1)
  read -r left top < <(xwininfo -id "$win" |
    awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }')
  # The ">>" button: 15 x 42 at (258, 30) in the main window.
  xdotool mousemove $((left + 265)) $((top + 50)) click 1
  sleep 1
  xdotool mousemove 5 5
  sleep 2
  cpu_over_60s panel "with the memory window open"
  stop spacewell
}

[ $# -gt 0 ] || set -- startup soak idle
for figure in "$@"; do "$figure"; done
