#!/usr/bin/env bash
# The native program on Xvfb with openbox, measured as a user runs it. Prints figures, passes no
# judgement:
#   startup  seconds from launch to the window's map, runs alternating with a bare Xlib window
#            that maps and paints once (bench/x11/bare_window.cpp; SW_BENCH_RUNS rounds, 21 by
#            default, on each of SW_BENCH_SESSIONS fresh desktops, 1 by default), the medians,
#            their ratio and the median of each round's ratio;
#   idle     CPU as a share of one core over SW_BENCH_IDLE seconds (60 by default) while the
#            window is minimized (no notification area: hiding minimizes), and the resident
#            memory at the end; as root with SW_BENCH_DISKS set, over that many small disks.
#   instructions  instructions per refresh (the R key), counted by callgrind inside the scan as
#            bench/instructions.sh counts the headless one, present included; as root it first
#            mounts SW_BENCH_DISKS small ext4 images under /mnt (9 by default: ten drives).
# Usage: bench/x11.sh [startup] [idle] [instructions]   (startup and idle when none is named)
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
  # The shell's own clock: no process of its own runs between the reading and the launch.
  start=${EPOCHREALTIME/./}000
  "$1" >/dev/null 2>&1 &
  launched=$!
  wait "$waiter" || { echo "$1 showed no window within 30 s" >&2; exit 1; }
  end=$(tail -n 1 "$work/map.txt")
  awk -v ns=$((end - start)) 'BEGIN { printf "%.5f\n", ns / 1e9 }'
}
stop() { kill "$1"; wait "$1" 2>/dev/null || true; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

startup() {
  local runs=${SW_BENCH_RUNS:-21} sessions=${SW_BENCH_SESSIONS:-1} i session
  : > "$work/spacewell.txt"; : > "$work/bare.txt"
  for session in $(seq "$sessions"); do
    # Each session on a desktop of its own: where its parts happen to run sways a whole session.
    [ "$session" -eq 1 ] || { sw_desktop_stop; sw_desktop_start; }
    for i in $(seq "$runs"); do
      launch "$work/spacewell" Spacewell >> "$work/spacewell.txt"; stop "$launched"
      rm -f "$work/spacewell.ini"
      launch "$work/bare_window" Bare >> "$work/bare.txt"; stop "$launched"
    done
  done
  local ours bare paired
  ours=$(median < "$work/spacewell.txt"); bare=$(median < "$work/bare.txt")
  paired=$(paste "$work/spacewell.txt" "$work/bare.txt" | awk '{ print $1 / $2 }' | median)
  echo "startup: spacewell $ours s, bare window $bare s (medians of $((runs * sessions))," \
    "$sessions session(s)), ratio $(awk -v a="$ours" -v b="$bare" 'BEGIN { printf "%.2f", a / b }');" \
    "median of the rounds' ratios $(awk -v r="$paired" 'BEGIN { printf "%.2f", r }')"
}

idle() {
  local seconds=${SW_BENCH_IDLE:-60} ticks before after win
  ticks=$(getconf CLK_TCK)
  [ -z "${SW_BENCH_DISKS:-}" ] || [ "$(id -u)" -ne 0 ] || mount_disks "$SW_BENCH_DISKS"
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

# mount_disks COUNT: small ext4 images loop-mounted under /mnt, taken away at the end.
mount_disks() {
  local i
  [ -z "${disks_mounted:-}" ] || return 0
  disks_mounted=1
  for i in $(seq "$1"); do
    truncate -s 8M "$work/disk$i.img" && mkfs.ext4 -q -F "$work/disk$i.img"
    mkdir -p "/mnt/spacewell-bench$i" && mount -o loop "$work/disk$i.img" "/mnt/spacewell-bench$i"
  done
  trap 'umount /mnt/spacewell-bench* 2>/dev/null; rmdir /mnt/spacewell-bench*; sw_desktop_stop; rm -rf "$work"' EXIT
}

instructions() {
  local scan='TMainWindow::ScanDrives(std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> > const&)'
  [ "$(id -u)" -ne 0 ] || mount_disks "${SW_BENCH_DISKS:-9}"
  valgrind --tool=callgrind --callgrind-out-file="$work/cg" --toggle-collect="$scan" \
    --dump-after="$scan" "$work/spacewell" >/dev/null 2>&1 &
  local valgrind=$! win i
  sw_until 60 xdotool search --onlyvisible --name '^Spacewell$' || { echo "no window" >&2; exit 1; }
  sleep 2
  win=$(xdotool search --onlyvisible --name '^Spacewell$' | head -n 1)
  for i in $(seq 12); do xdotool windowfocus --sync "$win"; xdotool type r; sleep 1; done
  xdotool type q
  wait "$valgrind" || true
  # The first dump is the start's scan; the last, at exit, holds nothing.
  grep -h '^totals:' $(ls -v "$work"/cg.* | tail -n +2) | awk '$2 > 0 { print $2 }' | sort -n >"$work/calls"
  echo "instructions per refresh (median of $(wc -l <"$work/calls"), the machine's drives and" \
    "$(mount | grep -c spacewell-bench) disks of the bench's):" \
    "$(sed -n "$((($(wc -l <"$work/calls") + 1) / 2))p" "$work/calls")"
}

for step in "${@:-startup idle}"; do
  for s in $step; do "$s"; done
done
