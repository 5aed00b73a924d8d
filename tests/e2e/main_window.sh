#!/usr/bin/env bash
# The main window at work: spacewell.exe under Wine in a virtual desktop with a taskbar and a
# notification area, driven with the real keyboard and mouse. Typed keys switch the unit and
# the caption model and refresh (each capture equal to the headless snapshot after the same
# keys); M hides to the tray and a left click on the tray icon brings the window back; Ctrl+Alt+D
# hides and shows; hovering a drive letter shows its serial as a hint, as the "r" button shows
# its own; the tray menu changes the transparency and "Exit" ends the program, which
# leaves its settings file beside the executable; AutoStart writes and deletes the Run value; the
# next start comes back where the window was left, with its transparency and caption model.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=main_window E2E_PREFIX=wineprefix-main
source tests/e2e/lib/setup.sh
# The notification area's icon in the 1024 x 768 virtual desktop.
icon_x=1012 icon_y=758
program=$WINEPREFIX/drive_c/Spacewell
mkdir -p "$program"; rm -f "$program"/*
cp "$exe" "$program/spacewell.exe"
# D:, the first row, with a known serial for its letter's hint.
echo 1A2B3C4D > "$area/d/.windows-serial"

wine explorer /desktop=spacewell,1024x768 'C:\Spacewell\spacewell.exe' >"$work/wine.log" 2>&1 &
win=$(e2e_wait_window) || exit 1
sleep 1

shown() { xdotool search --onlyvisible --name '^Spacewell$' 2>/dev/null | grep -qx "$win"; }
visibility() { if shown; then echo shown; else echo hidden; fi; }
# Activates the window the way a user does, by clicking its title, then types.
type_keys() {
  xdotool mousemove 600 300 click 1; sleep 0.3
  xdotool windowfocus --sync "$win"; xdotool type --delay 50 "$1"; sleep 1
}
# Compares the window with the headless snapshot after the same keys.
same_as_headless() {  # description, keys typed since start
  local name=$2
  [ -n "$name" ] || name=start
  timeout 20 import -window "$win" "$work/wine-$name.png"
  e2e_drive_table "$area" "$work/drives-$name.txt"
  "$snapshot" --keys "$2" "$work/drives-$name.txt" "$work/headless-$name.png" >/dev/null
  e2e_same_picture "$1" "$work/wine-$name.png" "$work/headless-$name.png"
}
tray_click() { xdotool mousemove $icon_x $icon_y click "$1"; sleep 1.5; }
# Right click on the tray icon, then the menu by keyboard: KEYS one after another.
tray_menu() {
  xdotool mousemove $icon_x $icon_y click 3; sleep 1
  local k; for k in "$@"; do xdotool key "$k"; sleep 0.2; done; sleep 1
}

same_as_headless "the window with its four buttons as drawn headless" ""

# The hint window carries its text as its title, so it can be found by what it says.
hint_shown() {  # description, screen point to rest on, hint text
  xdotool mousemove "$(($2 - 3))" "$3"; sleep 0.2; xdotool mousemove "$2" "$3"; sleep 1.5
  if xdotool search --onlyvisible --name "^$4\$" >/dev/null 2>&1; then pass "$1"
  else fail "$1: no window titled \"$4\""; fi
}
read -r left top _ < <(e2e_geometry "$win")
hint_shown "hovering the letter D: shows its serial" $((left + 12)) $((top + 42)) '1A2B - 3C4D'
hint_shown "hovering the \"r\" button shows its hint" $((left + 235)) $((top + 16)) 'Refresh \[R\]'
type_keys g
same_as_headless "G: gigabytes" g
type_keys 1
same_as_headless "1: caption model 1" g1
type_keys g
same_as_headless "G again: megabytes" g1g
if [ "$E2E_MOUNTED" = 1 ]; then
  dd if=/dev/zero of="$area/d/more" bs=1M count=8 status=none
  type_keys r
  same_as_headless "R: a refresh shows 8 MiB more used on D:" g1gr
fi

type_keys m
check "M hides the window to the tray" "$(visibility)" hidden
tray_click 1
check "a left click on the tray icon brings it back" "$(visibility)" shown
tray_click 1
check "another left click takes it away" "$(visibility)" hidden
tray_click 1

xdotool windowfocus --sync "$win"; xdotool key ctrl+alt+d; sleep 1
check "Ctrl+Alt+D hides the window" "$(visibility)" hidden
desktop=$(xdotool search --name '^spacewell - Wine desktop$' | head -n 1)
xdotool windowfocus --sync "$desktop"; xdotool key ctrl+alt+d; sleep 1
check "Ctrl+Alt+D shows it again" "$(visibility)" shown

tray_menu Down Down Down Right Down Down Down Down Down Return
opacity=$(timeout 10 xprop -id "$win" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')
check "Transparency > 50% from the tray menu: alpha 128" "$opacity" $((0xFFFFFFFF / 255 * 128))
check "a right click leaves the window where it was" "$(visibility)" shown

# AutoStart, the fifth item: the quoted path under the local machine's Run key, and gone again.
run_value() {
  timeout 60 wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v Spacewell "$reg_view" \
    2>/dev/null | tr -d '\r' | awk '$1 == "Spacewell" { $1 = $2 = ""; sub(/^ +/, ""); print }'
}
tray_menu Down Down Down Down Down Return
check "AutoStart writes the quoted path" "$(run_value)" '"C:\Spacewell\spacewell.exe"'
tray_menu Down Down Down Down Down Return
check "AutoStart again deletes it" "$(run_value)" ""

# Moved by its body before the program ends, so the next start shows where it was left.
xdotool mousemove 600 300 mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((600 + 10 * step)) $((300 + 7 * step)); sleep 0.1; done
xdotool mouseup 1; sleep 0.5

tray_menu Down Down Down Down Down Down Down Down Down Return
for _ in $(seq 20); do pgrep -f 'C:\\Spacewell\\spacewell.exe' >/dev/null || break; sleep 0.5; done
if pgrep -f 'C:\\Spacewell\\spacewell.exe' >/dev/null; then fail "Exit from the tray menu ends the program"
else pass "Exit from the tray menu ends the program"; fi
ini=$program/spacewell.ini
check "the settings file keeps model 1" "$(grep -a '^Model=' "$ini" 2>/dev/null | tr -d '\r')" Model=1
check "the settings file keeps 50 %" "$(grep -a '^Transparency=' "$ini" 2>/dev/null | tr -d '\r')" Transparency=50

e2e_wait_desktop_gone
wine explorer /desktop=spacewell,1024x768 'C:\Spacewell\spacewell.exe' >"$work/wine-again.log" 2>&1 &
win=$(e2e_wait_window) || exit 1
sleep 1
read -r left top _ < <(e2e_geometry "$win")
check "restarted where it was left" "$left,$top" "583,330"
opacity=$(timeout 10 xprop -id "$win" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')
check "restarted at 50 %" "$opacity" $((0xFFFFFFFF / 255 * 128))
same_as_headless "restarted with model 1 in megabytes" 1

e2e_summary main_window "$work"
