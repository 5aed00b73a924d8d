#!/usr/bin/env bash
# 150 % display scale: spacewell.exe under Wine with LogPixels 144 set in its own prefix before
# the start. Both windows are the design scaled by 1.5 (the main window 423 wide, rows 33 apart)
# and equal the headless snapshots drawn at 144 dpi, the memory window outside its live figures.
# Then 200 % (LogPixels 192) in a virtual desktop with a notification area: the main window, its
# text the 100 % faces doubled, equals the headless snapshot at 192 dpi, and the tray menu, opened
# by a right click on the icon, shows every label whole.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=display_scale E2E_PREFIX=wineprefix-e2e-dpi144
source tests/e2e/lib/setup.sh
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
timeout 60 wineserver -w
cp "$exe" "$WINEPREFIX/drive_c/spacewell.exe"

wine 'C:\spacewell.exe' >"$work/wine.log" 2>&1 &
win=$(e2e_wait_window) || exit 1
sleep 1

# As first_light.sh: a drive answering late fills in by itself, so capture until they match.
e2e_drive_table "$area" "$work/drives.txt"
"$snapshot" --dpi 144 "$work/drives.txt" "$work/headless.png" >/dev/null
e2e_capture_until_same "$win" "$work/wine.png" "$work/headless.png"
read -r left top width height < <(e2e_geometry "$win")
echo "main window $win: ${width}x${height} at $left,$top"
check "width (282 x 1.5)" "$width" 423
check "height (33 x 4 + 87)" "$height" 219
check "the first row's bar starts green (y 45)" "$(e2e_pixel "$work/wine.png" 40 46)" 008000
check "the second row's bar lies 33 lower (y 78)" "$(e2e_pixel "$work/wine.png" 40 79)" C0C0C0
e2e_same_picture "main window: headless at 144 dpi equals the Wine capture" \
  "$work/wine.png" "$work/headless.png"

# The ">>" button: 23 x 63 at (387, 45).
timeout 10 xdotool mousemove $((left + 398)) $((top + 75)) click 1
memory=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' 2>/dev/null | head -n 1)
[ -n "$memory" ] || { fail "\">>\" brought no memory window out"; e2e_summary display_scale "$work"; exit 1; }
sleep 1.5
read -r mleft mtop mwidth mheight < <(e2e_geometry "$memory")
echo "memory window $memory: ${mwidth}x${mheight} at $mleft,$mtop"
# 423 + 15 + 423 pixels from x 523 run past the 1280-pixel screen: it opens on the left.
check "memory window 15 left of the main window" "$mleft" $((left - mwidth - 15))
check "memory window height (212 x 1.5)" "$mheight" 318
timeout 20 import -window "$memory" "$work/wine-memory.png"
"$snapshot" --dpi 144 --memory "$work/drives.txt" "$work/headless-memory.png" >/dev/null
# The rectangles memory_window.sh leaves out (headings, live figures, thumbs), at 1.5 times.
mask() {
  convert "$1" -fill black -draw 'rectangle 144,12 249,38' -draw 'rectangle 144,192 249,218' \
    -draw 'rectangle 120,45 422,64' -draw 'rectangle 120,127 422,146' \
    -draw 'rectangle 120,228 422,247' -draw 'rectangle 120,252 422,271' \
    -draw 'rectangle 322,81 422,100' -draw 'rectangle 322,163 422,182' \
    -draw 'rectangle 12,78 313,103' -draw 'rectangle 12,162 313,187' "$2"
}
mask "$work/wine-memory.png" "$work/wine-memory-masked.png"
mask "$work/headless-memory.png" "$work/headless-memory-masked.png"
e2e_same_picture "memory window: headless at 144 dpi equals the Wine capture outside figures" \
  "$work/wine-memory-masked.png" "$work/headless-memory-masked.png"

# 200 %: the same prefix restarted at 192 dpi, in a desktop whose taskbar holds the tray icon.
sw_kill_wine
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
timeout 60 wineserver -w
wine explorer /desktop=scale200,1280x1024 'C:\spacewell.exe' >"$work/wine-200.log" 2>&1 &
win=$(e2e_wait_window) || exit 1
sleep 1
e2e_drive_table "$area" "$work/drives.txt"
"$snapshot" --dpi 192 "$work/drives.txt" "$work/headless-200.png" >/dev/null
e2e_capture_until_same "$win" "$work/wine-200.png" "$work/headless-200.png"
read -r _ _ width height < <(e2e_geometry "$win")
check "width at 200 % (282 x 2)" "$width" 564
e2e_same_picture "main window: headless at 192 dpi (text doubled) equals the Wine capture" \
  "$work/wine-200.png" "$work/headless-200.png"

# The menu is the one window that appears on the right click; the icon is the taskbar's last
# 32 pixels at the screen's bottom right.
timeout 10 xdotool search --onlyvisible --name '' 2>/dev/null | sort >"$work/windows-before.txt"
timeout 10 xdotool mousemove 1261 1006 click 3
sleep 1.5
menu=$(timeout 10 xdotool search --onlyvisible --name '' 2>/dev/null | sort |
  comm -13 "$work/windows-before.txt" - | head -n 1)
if [ -z "$menu" ]; then
  fail "a right click on the tray icon at 200 % opened no menu"
else
  timeout 20 import -window "$menu" "$work/menu-200.png"
  read -r _ _ mwidth mheight < <(e2e_geometry "$menu")
  echo "tray menu $menu: ${mwidth}x${mheight}"
  cut=$(e2e_menu_labels_cut "$work/menu-200.png")
  check "the tray menu's labels end clear of its right margin (rows cut: none)" "${cut:-none}" none
  timeout 10 xdotool key Escape
fi

e2e_summary display_scale "$work"
