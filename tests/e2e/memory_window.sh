#!/usr/bin/env bash
# The memory window of the real spacewell.exe under Wine in Xvfb: hidden at start, brought out
# by a click on the main window's ">>" button to its place and size beside the main window with
# the main window's first-start transparency worked out for itself, its headings scrolling,
# its picture equal to the headless snapshot outside the figures (the host's memory changes
# from tick to tick) and the headings, and taken away again by "<<".
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=memory_window E2E_PREFIX=wineprefix-e2e
source tests/e2e/lib/setup.sh
cp "$exe" "$WINEPREFIX/drive_c/spacewell.exe"

wine 'C:\spacewell.exe' >"$work/wine.log" 2>&1 &
main=$(e2e_wait_window) || exit 1
sleep 1

visible_memory_window() { xdotool search --onlyvisible --name '^Form2$' 2>/dev/null | head -n 1; }

check "memory window hidden at start" "$(visible_memory_window)" ""
read -r main_left main_top main_width main_height < <(e2e_geometry "$main")
# The ">>" button: 15 x 42 at (258, 30) in the main window.
button_x=$((main_left + 265)) button_y=$((main_top + 50))
timeout 10 xdotool mousemove "$button_x" "$button_y" click 1
memory=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form2$' 2>/dev/null | head -n 1)
if [ -z "$memory" ]; then
  echo "memory_window: FAIL (\">>\" brought no memory window out)"; exit 1
fi
# Past the slide and a refresh or two.
sleep 1.5

read -r left top width height < <(e2e_geometry "$memory")
echo "main window ${main_width}x${main_height} at $main_left,$main_top;" \
     "memory window $memory: ${width}x${height} at $left,$top"
check "10 pixels right of the main window" "$left" $((main_left + main_width + 10))
check "centred on the main window (212 high)" "$top" $((main_top - (212 - main_height) / 2))
check "the main window's width" "$width" "$main_width"
check "height" "$height" 212
# 30 % on a first start: 255 - 76 = 179 of 255, as Wine hands it to X.
opacity=$(timeout 10 xprop -id "$memory" _NET_WM_WINDOW_OPACITY | awk '{print $NF}')
check "alpha 179" "$opacity" $((0xFFFFFFFF / 255 * 179))

timeout 20 import -window "$memory" "$work/wine-1.png"
sleep 0.6
timeout 20 import -window "$memory" "$work/wine-2.png"
heading() { convert "$1" -crop 70x18+96+8 +repage "$2"; }
heading "$work/wine-1.png" "$work/heading-1.png"
heading "$work/wine-2.png" "$work/heading-2.png"
moved=$(compare -metric AE "$work/heading-1.png" "$work/heading-2.png" null: 2>&1 | cut -d' ' -f1)
if [ "${moved:-0}" -gt 0 ]; then pass "the heading moved between two captures ($moved pixels)"
else fail "the heading stood still for 0.6 s"; fi

# Left out of the comparison: the two headings, the figure texts from x = 80 (over the frame's
# right edge, where the long figures run), the gigabyte texts, and the rows the thumbs move in.
mask() {
  convert "$1" -fill black -draw 'rectangle 96,8 165,25' -draw 'rectangle 96,128 165,145' \
    -draw 'rectangle 80,30 281,42' -draw 'rectangle 80,85 281,97' \
    -draw 'rectangle 80,152 281,164' -draw 'rectangle 80,168 281,180' \
    -draw 'rectangle 215,54 281,66' -draw 'rectangle 215,109 281,121' \
    -draw 'rectangle 8,52 208,68' -draw 'rectangle 8,108 208,124' "$2"
}
e2e_drive_table "$area" "$work/drives.txt"
"$snapshot" --memory "$work/drives.txt" "$work/headless.png" >/dev/null
mask "$work/wine-1.png" "$work/wine-masked.png"
mask "$work/headless.png" "$work/headless-masked.png"
e2e_same_picture "headless snapshot equals the Wine capture outside figures and headings" \
  "$work/wine-masked.png" "$work/headless-masked.png"

timeout 10 xdotool mousemove "$button_x" "$button_y" click 1
sleep 1
check "\"<<\" took the memory window away" "$(visible_memory_window)" ""

e2e_summary memory_window "$work"
