#!/usr/bin/env bash
# A busy desk under Wine in a 1024x768 virtual desktop: every letter from B: to Z: but the system
# drive C: is a tmpfs drive. The 564-pixel window lies wholly on the desktop at the designed
# left; after a burst of R presses it is idle and whole within a second and a half, with its
# thread count back where it was; the open memory panel follows the window when it is dragged.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=busy_desk E2E_PREFIX=wineprefix-busy-desk
E2E_DRIVES=()
for letter in B {D..Z}; do E2E_DRIVES+=("$letter hd 4 1"); done
source tests/e2e/lib/setup.sh
[ "$E2E_MOUNTED" = 1 ] || e2e_abort "no rights to mount tmpfs: the 24 drives cannot be made"
program=$WINEPREFIX/drive_c/Spacewell
mkdir -p "$program"; rm -f "$program"/*
cp "$exe" "$program/spacewell.exe"

wine explorer /desktop=busy,1024x768 'C:\Spacewell\spacewell.exe' >"$work/wine.log" 2>&1 &
main=$(e2e_wait_window) || exit 1
sleep 1
desktop=$(xdotool search --name '^busy - Wine desktop$' | head -n 1)
read -r origin_x origin_y _ < <(e2e_geometry "$desktop")
read -r left top width height < <(e2e_geometry "$main")
check "24 rows: 564 pixels high" "$height" 564
check "the designed left" $((left - origin_x)) 523
echo "window ${width}x${height} at $((left - origin_x)),$((top - origin_y)) on the desktop"
# Wine's virtual desktop gives its whole height as the work area, taskbar or not.
check "wholly on the 768-pixel desktop" "$((top >= origin_y && top + height <= origin_y + 768))" 1

pid=$(pgrep -f '^C:\\Spacewell\\spacewell\.exe' | head -n 1)
threads() { ls "/proc/$pid/task" 2>/dev/null | wc -l; }
threads_before=$(threads)

# Key repeat speed for three seconds; the window then settles at once.
xdotool windowfocus --sync "$main"
xdotool key --delay 20 --repeat 150 r
sleep 1.5
timeout 20 import -window "$main" "$work/after-1.png"
sleep 0.5
timeout 20 import -window "$main" "$work/after-2.png"
e2e_same_picture "idle 1.5 s after the burst" "$work/after-1.png" "$work/after-2.png"
read -r _ _ _ height < <(e2e_geometry "$main")
check "whole after the burst" "$height" 564
check "the drive workers back to their number" "$(threads)" "$threads_before"
# The last row's letter, Z:, in bold black at x 8..20 of slot 23.
dark=$(convert "$work/after-2.png" -crop 14x14+8+536 +repage -threshold 50% \
  -format '%[fx:int(w*h*(1-mean))]' info:)
check "Z:'s row is drawn" "$((dark > 10))" 1

# ">>", then a drag of the main window by its title band: the panel keeps its offset.
xdotool mousemove $((left + 265)) $((top + 50)) click 1
panel=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' 2>/dev/null | head -n 1)
[ -n "$panel" ] || e2e_abort "\">>\" brought no memory window out"
sleep 0.5
read -r panel_left panel_top _ _ < <(e2e_geometry "$panel")
xdotool mousemove $((left + 100)) $((top + 15)) mousedown 1
xdotool mousemove $((left + 60)) $((top - 5)); sleep 0.2
xdotool mousemove $((left + 20)) $((top - 25)); sleep 0.2
xdotool mouseup 1; sleep 0.5
read -r moved_left moved_top _ _ < <(e2e_geometry "$main")
read -r new_left new_top _ _ < <(e2e_geometry "$panel")
check "the window was dragged" "$((moved_left - left)),$((moved_top - top))" "-80,-40"
check "the panel followed" "$((new_left - moved_left)),$((new_top - moved_top))" \
  "$((panel_left - left)),$((panel_top - top))"

e2e_summary busy_desk "$work"
