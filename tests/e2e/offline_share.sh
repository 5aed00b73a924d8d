#!/usr/bin/env bash
# An offline network share never holds the program. N: is a network drive on a FUSE file system
# of our own (hung_share/) whose free-space question blocks while a flag file exists, beside the
# usual test drives. Answering, N: shows its row like any drive (the window equal to the headless
# snapshot). Hung: the window appears within 1 s of the answering start, R then M hides it
# within 1 s, and Q ends the program within 2 s. Hung at start and then answering: N:'s row
# shows its figures within 2 s, without a key.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=offline_share E2E_PREFIX=wineprefix-share
# Without FUSE there is no hung share to test with: say so and fail.
if [ ! -c /dev/fuse ]; then
  echo "offline_share: FAIL (/dev/fuse is missing: the hung share needs FUSE)" >&2; exit 1
fi
if ! command -v fusermount3 >/dev/null || ! pkg-config --exists fuse3; then
  echo "offline_share: FAIL (FUSE 3 is not installed: Debian's fuse3 and libfuse3-dev)" >&2; exit 1
fi
source tests/e2e/lib/setup.sh
share=$work-share flag=$work-share.hung fs=$root/build/e2e/hung_share
icon_x=1012 icon_y=758
program=$WINEPREFIX/drive_c/Spacewell
pattern='C:\\Spacewell\\spacewell.exe'

gcc -std=gnu2x -Wall -Wextra -O2 -o "$fs" tests/e2e/hung_share/hung_share.c $(pkg-config fuse3 --cflags --libs) ||
  e2e_abort "the hung share does not build"
share_off() {
  rm -f "$flag"
  mountpoint -q "$share" && fusermount3 -u "$share"
  rmdir "$share" 2>/dev/null
  rm -f "$WINEPREFIX/dosdevices/n:"
}
# The share answers again first, so that Wine can end.
trap 'rm -f "$flag"; e2e_cleanup; share_off' EXIT
share_off
mkdir -p "$share"
"$fs" "$flag" "$share" -f -o max_threads=10 >"$work/share.log" 2>&1 &
for _ in $(seq 50); do mountpoint -q "$share" && break; sleep 0.1; done
mountpoint -q "$share" || e2e_abort "the hung share did not mount (see $work/share.log)"
ln -sfn "$share" "$WINEPREFIX/dosdevices/n:"
timeout 60 wine reg add 'HKLM\Software\Wine\Drives' /v n: /d network /f /reg:64 >/dev/null 2>&1
timeout 30 wineserver -k 2>/dev/null || true
timeout 30 wineserver -w
mkdir -p "$program"; rm -f "$program"/*
cp "$exe" "$program/spacewell.exe"

now() { date +%s%N; }
ms_since() { echo $((($(now) - $1) / 1000000)); }
shown() { xdotool search --onlyvisible --name '^Spacewell$' 2>/dev/null | grep -qx "$win"; }
running() { pgrep -f "$pattern" >/dev/null; }
# Starts the program and sets win and start_ms, the milliseconds to its window's appearance.
start() {
  local t0 i
  running && e2e_abort "the program of an earlier start is still running"
  t0=$(now) win=
  wine explorer /desktop=share,1024x768 'C:\Spacewell\spacewell.exe' >>"$work/wine.log" 2>&1 &
  for i in $(seq 600); do
    win=$(xdotool search --onlyvisible --name '^Spacewell$' 2>/dev/null | head -n 1)
    [ -n "$win" ] && break
    sleep 0.02
  done
  [ -n "$win" ] || e2e_abort "no window named Spacewell within 12 s"
  start_ms=$(ms_since "$t0")
}
# Activates the window as a user does, by clicking its title band, then types KEYS.
type_keys() {
  xdotool mousemove 600 300 click 1; sleep 0.3
  xdotool windowfocus --sync "$win"; xdotool type --delay 50 "$1"
}
# Q, and the milliseconds until the program has ended (-1 after 10 s, and then its Wine session
# goes, so that the next start is a fresh one).
quit_ms() {
  local t0 i
  type_keys q; t0=$(now)
  for i in $(seq 500); do running || { ms_since "$t0"; return; }; sleep 0.02; done
  echo -1
  sw_kill_wine
}
# The headless snapshot of the test drives with N: answering; true when the window equals it.
e2e_drive_table "$area" "$work/drives.txt"
echo "N network $((8192 * 4096)) $((6144 * 4096))" >> "$work/drives.txt"
"$snapshot" "$work/drives.txt" "$work/headless.png" >/dev/null
same_as_answering() {
  timeout 20 import -window "$win" "$work/wine-$1.png" 2>/dev/null &&
    [ "$(compare -metric AE "$work/wine-$1.png" "$work/headless.png" null: 2>&1)" = 0 ]
}
# Milliseconds until the window equals the snapshot (captured as NAME), -1 after LIMIT ms.
ms_to_answering() {
  local t0 t
  t0=$(now)
  while [ "$(ms_since "$t0")" -lt "$2" ]; do
    t=$(ms_since "$t0")
    if same_as_answering "$1"; then echo "$t"; return; fi
    sleep 0.1
  done
  echo -1
}

echo "N: answering"
start
if [ "$(ms_to_answering answering 5000)" -ge 0 ]; then pass "N: answering shows its row like any drive"
else fail "N: answering: the window differs from the headless snapshot ($work/wine-answering.png)"; fi
check "Q ends the program" "$(quit_ms | awk '$1 >= 0 { print "ended" }')" ended
# Timed as the hung start below will be: right after a program of the session ended.
start; answering_ms=$start_ms
echo "  window after $answering_ms ms"
sleep 1
quit_ms >/dev/null

echo "N: hung"
touch "$flag"
start
echo "  window after $start_ms ms"
check "the window appears within 1 s of the answering start" \
  "$([ "$start_ms" -le $((answering_ms + 1000)) ] && echo yes || echo "no, $start_ms ms")" yes
sleep 1
type_keys r; t0=$(now); xdotool type --delay 50 m
for _ in $(seq 250); do shown || break; sleep 0.02; done
hide_ms=$(ms_since "$t0")
check "R then M hides the window within 1 s" \
  "$(! shown && [ "$hide_ms" -le 1000 ] && echo yes || echo "no, $hide_ms ms")" yes
xdotool mousemove $icon_x $icon_y click 1; sleep 1.5
shown || fail "a left click on the tray icon brings the window back"
ms=$(quit_ms)
check "Q ends the program within 2 s" "$([ "$ms" -ge 0 ] && [ "$ms" -le 2000 ] && echo yes || echo "no, $ms ms")" yes

echo "N: hung at start, then answering"
start
sleep 1
rm -f "$flag"
late_ms=$(ms_to_answering late 2000)
echo "  row with figures after $late_ms ms"
check "N:'s row shows its figures within 2 s, without a key" \
  "$([ "$late_ms" -ge 0 ] && echo yes || echo "no: $work/wine-late.png after 2 s")" yes
quit_ms >/dev/null

e2e_summary offline_share "$work"
