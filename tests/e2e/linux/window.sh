#!/usr/bin/env bash
# The native program's window on a real Linux desktop (Xvfb and openbox, no notification area):
# it shows at its designed place and size, equal pixel for pixel to the headless snapshot of the
# same drive (also after G and 1 to 5, after R once the disk filled up, and at 150 % from the
# Xft.dpi resource); its opacity and Always On Top are the window properties a compositor and the
# window manager read; it drags by its body, also by itself once the window manager crashed; M
# and the hotkey (also with NumLock on) minimize it, since nothing could bring back a hidden
# window without an icon, and the hotkey brings it back, as a second start does; ">>" opens the
# memory window, without a taskbar button of its own; Q and SIGTERM both leave the settings file
# beside the program, and the next start comes back where it was left; without libsystemd it
# runs as without a notification area; a hotkey another program holds leaves the window be.
set -uo pipefail
cd "$(dirname "$0")/../../.."
root=$PWD
source tests/e2e/lib/checks.sh
source tests/e2e/lib/linux_desktop.sh
exe=$root/build/native/src/spacewell
snapshot=$root/build/native/tools/snapshot
for f in "$exe" "$snapshot"; do
  [ -x "$f" ] || { echo "FAIL  $f is missing: scripts/build.sh native spacewell snapshot"; exit 1; }
done
if ! sw_desktop_start; then
  echo "FAIL  no virtual desktop (Xvfb and openbox) to run the window on"
  exit 1
fi
program=$SW_DESKTOP_HOME/program
# The captures stay in the build tree for a look after a failure.
work=$root/build/e2e/linux-window
rm -rf "$work"; mkdir -p "$program" "$work"
cp "$exe" "$program/spacewell"
ini=$program/spacewell.ini
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; sw_desktop_stop' EXIT

start() {  # [command that runs the program given last]
  "$@" "$program/spacewell" >"$work/out.txt" 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Spacewell$' | head -n 1)
  [ -n "$win" ] || { fail "the window did not show"; exit 1; }
  sleep 0.5
}
viewable() { xwininfo -id "$win" 2>/dev/null | grep -q IsViewable && echo viewable || echo gone; }
until_state() {  # expected viewable/gone, within 3 s
  for _ in $(seq 30); do [ "$(viewable)" = "$1" ] && break; sleep 0.1; done
  viewable
}
ended() {  # waits up to 5 s for the program to end
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || { wait "$pid"; pid=; echo ended; return; }; sleep 0.1; done
  echo running
}
typed() { xdotool windowfocus --sync "$win" 2>/dev/null; xdotool type --delay 60 "$1"; sleep 0.4; }
# The root file system as the snapshot tool's drive table: the drive the program shows here.
drive_table() {  # file
  read -r blocks bsize avail < <(stat -f -c '%b %S %a' /)
  echo "C fixed $((blocks * bsize)) $((avail * bsize))" > "$1"
}
# The window against the snapshot after the keys typed since start. Other programs change the
# disk's free space meanwhile, so each try reads the disk, refreshes (R), captures and reads the
# disk again: the window measured it between the two readings.
same_as_headless() {  # description, keys since start
  local name=${2:-start}${dpi:+-$dpi} when
  for _ in $(seq 8); do
    drive_table "$work/drives-before.txt"
    typed r
    timeout 20 import -window "$win" "$work/x11-$name.png"
    drive_table "$work/drives-after.txt"
    for when in before after; do
      "$snapshot" ${dpi:+--dpi "$dpi"} --keys "$2" "$work/drives-$when.txt" \
        "$work/headless-$name.png" >/dev/null
      [ "$(compare -metric AE "$work/x11-$name.png" "$work/headless-$name.png" null: 2>&1)" = 0 ] &&
        break 2
    done
  done
  e2e_same_picture "$1" "$work/x11-$name.png" "$work/headless-$name.png"
}
dpi=
ini_value() { tr -d '\r' < "$ini" | sed -n "s/^$1=//p"; }

echo "window.sh: the native window on Xvfb + openbox"
start
read -r left top width height < <(e2e_geometry "$win")
drive_table "$work/drives.txt"
"$snapshot" "$work/drives.txt" "$work/designed.png" >/dev/null
check "place at the design's" "$left,$top" "523,288"
check "size as the snapshot's" "${width}x$height" "$(identify -format '%wx%h' "$work/designed.png")"
same_as_headless "the window equals the headless snapshot" ""
check "opacity for the compositor" "$(xprop -id "$win" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')" \
  $((200 * 0x01010101))
check "not above other windows by default" \
  "$(xprop -id "$win" _NET_WM_STATE | grep -c _NET_WM_STATE_ABOVE)" 0
typed_so_far=
for keys in g1 g12 g123 g1234 g12345; do
  typed "${keys#"$typed_so_far"}"
  typed_so_far=$keys
  same_as_headless "after typing $keys" "$keys"
done
typed g2

# R measures again: a file takes space on the disk, and the caption follows.
fallocate -l 300M "$work/filler"
same_as_headless "R shows the filled disk" "g12345g2"
rm -f "$work/filler"

xdotool mousemove $((left + 120)) $((top + 14)) mousedown 1 mousemove $((left + 170)) $((top + 40)) \
  sleep 0.2 mousemove $((left + 220)) $((top + 114)) sleep 0.2 mouseup 1
sleep 0.5
read -r left top _ < <(e2e_geometry "$win")
check "dragged by its body" "$left,$top" "623,388"

typed m
check "M minimizes without an icon to come back from" "$(until_state gone)" gone
check "  iconified, not withdrawn" "$(xprop -id "$win" WM_STATE | grep -c Iconic)" 1
xdotool key ctrl+alt+d
check "the hotkey brings it back" "$(until_state viewable)" viewable
xdotool key Num_Lock ctrl+alt+d
check "the hotkey minimizes it, also with NumLock on" "$(until_state gone)" gone
xdotool key Num_Lock
timeout 10 "$program/spacewell"
check "a second start ends at once" "$?" 0
check "  and brings the first copy's window back" "$(until_state viewable)" viewable

xdotool mousemove $((left + 265)) $((top + 50)) click 1
panel=$(timeout 5 xdotool search --sync --onlyvisible --name '^Form2$' | head -n 1)
check "\">>\" opens the memory window" "$([ -n "$panel" ] && echo open)" open
check "  with no taskbar button of its own" \
  "$(xprop -id "$panel" _NET_WM_STATE 2>/dev/null | grep -c _NET_WM_STATE_SKIP_TASKBAR)" 1

typed q
check "Q ends the program" "$(ended)" ended
check "Q saved the place" "$(ini_value Left),$(ini_value Top)" "623,388"
check "  the model and the unit" "$(ini_value Model),$(ini_value GB)" "2,0"

sed -i 's/^OnTop=0/OnTop=1/' "$ini"
start
read -r left top _ < <(e2e_geometry "$win")
check "the next start where it was left" "$left,$top" "623,388"
check "Always On Top as the window manager's state" \
  "$(xprop -id "$win" _NET_WM_STATE | grep -c _NET_WM_STATE_ABOVE)" 1
rm -f "$ini"
kill -TERM "$pid"
check "SIGTERM ends the program" "$(ended)" ended
check "  after saving the settings" "$(ini_value OnTop)" 1
# A desktop without a notification area is the one thing worth a line.
check "on the terminal only that there is no notification area" "$(cat "$work/out.txt")" \
  "Spacewell: no notification area (StatusNotifierWatcher) on this desktop; hide minimizes the window"

# Without libsystemd (hidden in a mount namespace of the program's own) there is no bus to reach
# a notification area by: the program runs as on a desktop without one.
rm -f "$ini"
libsystemd=$(ldconfig -p | sed -n 's/.*libsystemd\.so\.0 (libc6,x86-64) => //p' | head -n 1)
[ -n "$libsystemd" ] || fail "ldconfig knows no libsystemd.so.0 to hide"
start unshare -m sh -c 'mount --bind /dev/null "$0" && exec "$1"' "$libsystemd"
check "without libsystemd it says so once" "$(cat "$work/out.txt")" \
  "Spacewell: no notification area (StatusNotifierWatcher) on this desktop; hide minimizes the window"
typed q
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then code=running; else wait "$pid"; code=$?; fi
pid=
check "  and Q ends it cleanly" "$code" 0

# Another program holds Ctrl+Alt+D: the window comes up all the same and the key stays theirs.
python3 tests/e2e/linux/hold_hotkey.py > "$work/holder.txt" &
holder=$!
for _ in $(seq 50); do grep -q held "$work/holder.txt" && break; sleep 0.1; done
start
xdotool key ctrl+alt+d; sleep 0.5
check "a hotkey held elsewhere leaves the window be" "$(viewable),$(kill -0 "$pid" && echo running)" \
  viewable,running
kill "$holder" "$pid"; wait "$holder" "$pid" 2>/dev/null; pid=

# The desktop's scale from the Xft.dpi resource: at 150 % the window is the snapshot at 144 dpi.
rm -f "$ini"
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	144"
dpi=144
start
same_as_headless "at 150 % from Xft.dpi, the snapshot at 144 dpi" ""
kill "$pid"; wait "$pid" 2>/dev/null; pid=

# A window manager that crashed leaves its _NET_SUPPORTED behind (the program, still connected,
# keeps the server from resetting): the body still drags the window, by a plain move.
rm -f "$ini"
start
sw_window_manager_crash
sleep 0.5
read -r left top _ < <(e2e_geometry "$win")
xdotool mousemove $((left + 120)) $((top + 14)) mousedown 1 mousemove $((left + 170)) $((top + 40)) \
  sleep 0.2 mousemove $((left + 220)) $((top + 88)) sleep 0.2 mouseup 1
sleep 0.5
read -r moved_left moved_top _ < <(e2e_geometry "$win")
check "without a window manager it drags all the same" "$moved_left,$moved_top" \
  "$((left + 100)),$((top + 74))"
kill "$pid"; wait "$pid" 2>/dev/null; pid=

echo "window.sh: $failures failed"
[ "$failures" -eq 0 ]
