#!/usr/bin/env bash
# spacewell.exe in a 1024 x 768 virtual desktop with its window at the lower right and the memory
# window open beside it: the display changes to 640 x 480 (desk_helper.exe asks for it inside
# the same desktop), and once the taskbar has settled on the smaller desktop both windows lie
# wholly on the work area.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=display_change E2E_PREFIX=wineprefix-display
source tests/e2e/lib/setup.sh
source tests/e2e/lib/desk_helper.sh
program=$WINEPREFIX/drive_c/Spacewell
# within NAME WINDOW "L T R B": passes when the window lies wholly inside the rectangle.
within() {
  local left top width height l t r b
  read -r left top width height < <(e2e_geometry "$2")
  read -r l t r b <<<"$3"
  local inside=no
  [ "$left" -ge "$l" ] && [ "$top" -ge "$t" ] && [ $((left + width)) -le "$r" ] &&
    [ $((top + height)) -le "$b" ] && inside=yes
  check "$1 ($left,$top ${width}x$height) lies wholly on the work area $3" "$inside" yes
}

mkdir -p "$program"; rm -f "$program"/*
cp "$exe" "$program/spacewell.exe"
# Far to the lower right: the start puts it in that corner of the work area.
printf '[SETTINGS]\r\nLeft=5000\r\nTop=5000\r\n' > "$program/spacewell.ini"
wine explorer /desktop=desk,1024x768 'C:\Spacewell\spacewell.exe' >>"$work/wine.log" 2>&1 &
win=$(e2e_wait_window) || exit 1
# The desktop's taskbar takes its place after the program has started.
sleep 3
read -r left top _ < <(e2e_geometry "$win")
# The ">>" button: 15 x 42 at (258, 30) in the main window.
xdotool mousemove $((left + 265)) $((top + 50)) click 1; sleep 1
panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' 2>/dev/null | head -n 1)
[ -n "$panel" ] || e2e_abort "\">>\" brought no memory window out"
# A first helper in a fresh desktop may end before it logs: asked again until it answers.
work_area() {
  local area _
  for _ in 1 2 3; do area=$(helper workarea); [ -n "$area" ] && break; done
  echo "$area"
}
before=$(work_area)
within "before the change, the main window" "$win" "$before"
within "and the memory window" "$panel" "$before"
import -window root "$work/before.png"

# The helper does not always live to log the platform's answer; the work area shows the change.
helper resolution 640 480 >/dev/null
# Wine's taskbar takes a few seconds to settle on the smaller desktop.
sleep 5
after=$(work_area)
check "the work area is the smaller desktop's less its taskbar" "$(cut -d' ' -f1-3 <<<"$after")" "0 0 640"
import -window root "$work/after.png"
within "after the change, the main window" "$win" "$after"
within "and the memory window" "$panel" "$after"

pkill -f 'spacewell\.exe'
e2e_summary display_change "$work"
