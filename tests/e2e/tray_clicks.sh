#!/usr/bin/env bash
# The tray icon on Wine's real notification area: a virtual desktop with a taskbar, the icon at
# its tray spot, hovered (the tooltip appears), then clicked with the real mouse: one left click,
# a double click, a right click (the context menu opens, Escape closes it).
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
export SW_WINEPREFIX=$root/build/wineprefix-tray
source scripts/wine-env.sh
build=${SW_WINDOWS_BUILD:-build/win32}
source tests/e2e/lib/checks.sh
work=$root/build/e2e/tray
exe=$build/tests/tray_probe.exe
icon_x=1012 icon_y=758
log=


cleanup() { sw_kill_wine; sw_stop_x; }
trap cleanup EXIT
trap 'exit 1' INT TERM

[ -f "$exe" ] || scripts/build.sh "${build#build/}" tray_probe >/dev/null
[ -f "$exe" ] || { echo "tray_clicks: FAIL (tray_probe.exe is missing)"; exit 1; }
rm -rf "$work"; mkdir -p "$work"
sw_start_x || { echo "tray_clicks: FAIL (no Xvfb)"; exit 1; }
sw_make_prefix
cp "$exe" "$WINEPREFIX/drive_c/tray_probe.exe"
log=$WINEPREFIX/drive_c/tray.log
rm -f "$log"

wine explorer /desktop=probe,1024x768 'C:\tray_probe.exe' 'C:\tray.log' >"$work/wine.log" 2>&1 &
for _ in $(seq 100); do grep -qx ready "$log" 2>/dev/null && break; sleep 0.2; done
grep -qx ready "$log" 2>/dev/null || { echo "tray_clicks: FAIL (the probe did not start)"; exit 1; }
sleep 1

# Sets `events` to the lines logged since the last call, comma-separated, after waiting a second
# past the double-click time (500 ms).
since=1
events=
new_events() {
  sleep 1.5
  local total
  total=$(wc -l <"$log")
  events=$(sed -n "$((since + 1)),${total}p" "$log" | tr '\n' ',' | sed 's/,$//')
  since=$total
}
expect() {  # description, actual, expected
  if [ "$2" = "$3" ]; then pass "$1 ($2)"; else fail "$1: got '$2', expected '$3'"; fi
}

import -window root "$work/before-hover.png"
xdotool mousemove $icon_x $icon_y
sleep 2
import -window root "$work/hover.png"
changed=$(compare -metric AE "$work/before-hover.png" "$work/hover.png" null: 2>&1 | cut -d' ' -f1)
if [ "${changed:-0}" -gt 0 ]; then pass "hovering the icon shows its tooltip ($changed pixels changed)"
else fail "hovering the icon changed nothing on the screen"; fi
new_events
expect "hovering is no click" "$events" ""

xdotool click 1
new_events
expect "a left click arrives after the double-click time" "$events" "click left"

xdotool click --repeat 2 --delay 100 1
new_events
expect "a double click is a double click, not a click" "$events" "dblclick left"

xdotool click 3
sleep 1
import -window root "$work/menu.png"
xdotool key Escape
new_events
expect "a right click opens the menu, then clicks right" "$events" "menu,click right"

e2e_summary tray_clicks "$work"
