#!/usr/bin/env bash
# A new user's first hour with the real spacewell.exe under Wine, in a virtual desktop with a
# taskbar: a full tmpfs drive shows a full bar, in the warning ramp, with its caption (the window equal to the
# headless snapshot of the same drives); with the window dragged to the desktop's right edge,
# ">>" opens the memory panel on its left, inside the desktop; Ctrl+Alt+D hides both windows
# and shows both again; a second start brings the hidden window back and ends at once, leaving
# one process and one tray icon.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=first_hour E2E_PREFIX=wineprefix-first-hour
source tests/e2e/lib/setup.sh
[ "$E2E_MOUNTED" = 1 ] || e2e_abort "no rights to mount tmpfs: D: cannot be filled to the last byte"
program=$WINEPREFIX/drive_c/Spacewell
mkdir -p "$program"; rm -f "$program"/*
cp "$exe" "$program/spacewell.exe"
# D:, the first row: filled until the file system refuses another byte.
dd if=/dev/zero of="$area/d/fill" bs=4k status=none 2>/dev/null
check "D: has nothing free" "$(stat -f -c %a "$area/d")" 0

wine explorer /desktop=spacewell,1024x768 'C:\Spacewell\spacewell.exe' >"$work/wine.log" 2>&1 &
main=$(e2e_wait_window) || exit 1
sleep 1
visible() {  # name: shown or hidden
  if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then echo shown; else echo hidden; fi
}
# The tray icons and the taskbar's right end, to see whether an icon came or went.
tray_area() {
  timeout 20 import -window root -crop "200x28+$((origin_x + 824))+$((origin_y + 740))" +repage "$1"
}
copies() { ps -eo args= | grep -c '^C:\\Spacewell\\spacewell\.exe'; }

# The desktop's top-left corner on the X screen: the window starts at its designed 523, 288.
read -r left top width _ < <(e2e_geometry "$main")
origin_x=$((left - 523)) origin_y=$((top - 288))

timeout 20 import -window "$main" "$work/wine.png"
e2e_drive_table "$area" "$work/drives.txt"
"$snapshot" "$work/drives.txt" "$work/headless.png" >/dev/null
e2e_same_picture "the full drive's bar and caption as drawn headless" "$work/wine.png" "$work/headless.png"
# x = 250: the ">>" button covers the bar from 258 on. A full drive is low on space: its bar
# takes the warning ramp.
check "D:'s bar is filled up to the \">>\" button" "$(e2e_pixel "$work/wine.png" 250 40)" 890303
# The low-space balloon above the tray closes after Wine's shortest showing, 10 s.
sleep 10
tray_area "$work/tray-before.png"

# Dragged by its title band until only 5 pixels are left on its right.
desktop_right=$((origin_x + 1024))
xdotool mousemove $((left + 100)) $((top + 15)) mousedown 1
xdotool mousemove $((left + 150)) $((top + 15)); sleep 0.2
xdotool mousemove $((desktop_right - width - 5 + 100)) $((top + 15)); sleep 0.2
xdotool mouseup 1; sleep 0.5
read -r left top width height < <(e2e_geometry "$main")
check "the window at the desktop's right edge" $((left + width)) $((desktop_right - 5))

xdotool mousemove $((left + 265)) $((top + 50)) click 1
panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' 2>/dev/null | head -n 1)
[ -n "$panel" ] || e2e_abort "\">>\" brought no memory window out"
sleep 0.5
read -r panel_left panel_top panel_width panel_height < <(e2e_geometry "$panel")
check "the panel opens on the left, 10 pixels off" $((panel_left + panel_width)) $((left - 10))
check "the panel inside the desktop" \
  "$((panel_left >= origin_x && panel_top >= origin_y && panel_top + panel_height <= origin_y + 768))" 1

xdotool windowfocus --sync "$main"; xdotool key ctrl+alt+d; sleep 1
check "Ctrl+Alt+D hides the main window" "$(visible Spacewell)" hidden
check "... and the panel with it" "$(visible Form2)" hidden
desktop=$(xdotool search --name '^spacewell - Wine desktop$' | head -n 1)
xdotool windowfocus --sync "$desktop"; xdotool key ctrl+alt+d; sleep 1
check "Ctrl+Alt+D shows the main window again" "$(visible Spacewell)" shown
check "... and the panel with it" "$(visible Form2)" shown

xdotool windowfocus --sync "$main"; xdotool key ctrl+alt+d; sleep 1
began=$(date +%s)
timeout 30 wine explorer /desktop=spacewell,1024x768 'C:\Spacewell\spacewell.exe' >"$work/second.log" 2>&1
check "the second start ended by itself within 5 s" "$(($(date +%s) - began <= 5))" 1
sleep 1
check "the second start brought the window back" "$(visible Spacewell)" shown
check "one copy running" "$(copies)" 1
tray_area "$work/tray-after.png"
e2e_same_picture "one tray icon, as before" "$work/tray-before.png" "$work/tray-after.png"

e2e_summary first_hour "$work"
