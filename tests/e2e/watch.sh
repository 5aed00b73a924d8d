#!/usr/bin/env bash
# spacewell.exe keeping watch while hidden in the tray, under Wine in a 1024 x 768 virtual
# desktop with a taskbar: D:, a tmpfs drive, is filled to 95 % after the window was hidden with
# M, with no key, click or announcement after it; within the program's 10 s watch (and Wine's
# two seconds before it opens a balloon) the tray icon turns to its warning picture and the
# low-space balloon shows, while the window stays hidden. Needs mount rights for D:.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=watch E2E_PREFIX=wineprefix-watch
source tests/e2e/lib/setup.sh
[ "$E2E_MOUNTED" = 1 ] || e2e_abort "no rights to mount tmpfs: D: cannot be filled while the program runs"
program=$WINEPREFIX/drive_c/Spacewell
mkdir -p "$program"; rm -f "$program"/*
cp "$exe" "$program/spacewell.exe"
# The program's watch interval, and Wine's tray opening a balloon two seconds after it is asked.
watch_s=10 balloon_delay_s=2

wine explorer /desktop=spacewell,1024x768 'C:\Spacewell\spacewell.exe' >"$work/wine.log" 2>&1 &
main=$(e2e_wait_window) || exit 1
sleep 1
read -r left top _ < <(e2e_geometry "$main")
origin_x=$((left - 523)) origin_y=$((top - 288))
visible() { xdotool search --onlyvisible --name '^Spacewell$' >/dev/null 2>&1 && echo shown || echo hidden; }
# The tray's right end and the area above it where Wine opens balloons, in screen pixels.
icon_crop="20x20+$((origin_x + 1002))+$((origin_y + 748))"
balloon_crop="330x250+$((origin_x + 694))+$((origin_y + 500))"
changed() {  # crop: pixels that differ from the picture taken before D: filled
  compare -metric AE "$work/before.png" "$work/now.png" -crop "$1" null: 2>&1 | cut -d' ' -f1
}

xdotool windowfocus --sync "$main"; xdotool key m; sleep 1
check "M hides the window" "$(visible)" hidden
timeout 20 import -window root "$work/before.png"

dd if=/dev/zero of="$area/d/more" bs=1M count=45 status=none 2>/dev/null
filled=$(date +%s)
icon=0 balloon=0
while [ $(($(date +%s) - filled)) -le $((watch_s + balloon_delay_s + 3)) ]; do
  sleep 1
  timeout 20 import -window root "$work/now.png"
  icon=$(changed "$icon_crop") balloon=$(changed "$balloon_crop")
  [ "$balloon" -gt 1000 ] && break
done
took=$(($(date +%s) - filled))
check "a balloon shows above the tray ($balloon pixels changed, after ${took} s)" "$((balloon > 1000))" 1
# A second of polling and the screenshots' own time on top.
check "within the watch and Wine's balloon delay" "$((took <= watch_s + balloon_delay_s + 3))" 1
check "the tray icon shows its warning picture ($icon pixels changed)" "$((icon > 20))" 1
check "the window stays hidden" "$(visible)" hidden

e2e_summary watch "$work"
