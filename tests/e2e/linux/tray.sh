#!/usr/bin/env bash
# The native program from its icon on a real panel (xfce4-panel's status tray under openbox, on a
# private session bus, with dunst), as a user on battery leaves it: the icon shows beside the
# window; a left click on it hides the window and the next brings it back; Always On Top chosen
# from the desktop's menu puts the shown window above the others; a small disk mounted
# under /mnt gets a row of its own by itself; filled while the window is hidden, it turns the icon
# into the warning picture and dunst shows "Low disk space" within the watch's interval; its
# unmount takes the row away; a restarted panel shows the icon again; Exit from the desktop's
# menu ends the program, which leaves its settings behind. Needs root and a loop device for the
# disk; fails saying why without them.
set -uo pipefail
cd "$(dirname "$0")/../../.."
root=$PWD
source tests/e2e/lib/checks.sh
source tests/e2e/lib/linux_desktop.sh
exe=$root/build/native/src/spacewell
work=$root/build/e2e/linux-tray
rm -rf "$work"; mkdir -p "$work"
disk=/mnt/spacewell-tray-$$
pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  mountpoint -q "$disk" 2>/dev/null && umount "$disk"
  rmdir "$disk" 2>/dev/null
  sw_desktop_stop
}
trap finish EXIT
abort() { echo "tray: FAIL ($*)" >&2; exit 1; }

[ -x "$exe" ] || abort "$exe is missing: scripts/build.sh native spacewell"
[ "$(id -u)" = 0 ] || abort "mounting the test disk needs root"
[ -e /dev/loop-control ] || abort "no loop device on this machine (/dev/loop-control)"
sw_desktop_start --panel --notifications || abort "the desktop did not start"
program=$SW_DESKTOP_HOME/program
mkdir -p "$program"
cp "$exe" "$program/spacewell"

# icon: the centre "X Y" of what stands out from the panel's bottom strip (the tray holds only
# this icon).
icon() {
  import -window root "$work/shot.png" || return 1
  local w h x y
  read -r w h x y < <(convert "$work/shot.png" -crop 1024x32+0+736 +repage -fuzz 8% -trim \
    -format '%w %h %X %Y' info: 2>/dev/null)
  [ "${w:-0}" -ge 12 ] && [ "${w:-0}" -le 40 ] && [ "${h:-0}" -ge 12 ] || return 1
  echo "$((${x#+} + w / 2)) $((736 + ${y#+} + h / 2))"
}
# icon_picture OUT.png: the icon as the panel shows it.
icon_picture() {
  local x y
  read -r x y < <(icon) || return 1
  convert "$work/shot.png" -crop 24x24+$((x - 12))+$((y - 12)) +repage "$1"
}
# warned: the icon is no longer the one it started with (the warning picture adds its mark).
warned() {
  icon_picture "$work/icon-now.png" &&
    [ "$(compare -metric AE "$work/icon-now.png" "$work/icon-start.png" null: 2>&1)" -gt 20 ]
}
viewable() { xwininfo -id "$win" 2>/dev/null | grep -q IsViewable; }
hidden() { ! viewable; }
# second_row: what the window shows where a second drive's bar goes (the window's background
# while there is none).
second_row() {
  import -window "$win" "$work/window.png" && e2e_pixel "$work/window.png" 200 60
}
rows_grew() { [ "$(second_row)" != "$no_row" ]; }
rows_back() { [ "$(second_row)" = "$no_row" ]; }
click_icon() {
  local x y
  read -r x y < <(icon) || return 1
  xdotool mousemove "$x" "$y" click "${1:-1}"
  # The panel lights an icon under the pointer up.
  [ "${1:-1}" = 3 ] || xdotool mousemove 500 100
}
noticed() { dunstctl close-all && dunstctl history | grep -q '"Low disk space"'; }
above() { xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
# menu_click LABEL: the desktop's click on the icon menu's item of that label, as a panel sends it.
menu_click() {
  local item=org.kde.StatusNotifierItem-$pid-1 id
  id=$(busctl --user call "$item" /MenuBar com.canonical.dbusmenu GetLayout iias -- 0 -1 0 |
    grep -o "[0-9]* [0-9]* \"label\" s \"$1\"" | cut -d' ' -f1)
  [ -n "$id" ] &&
    busctl --user call "$item" /MenuBar com.canonical.dbusmenu Event isvu "$id" clicked s "" 0
}
# A viewable top-level window of the panel's plugin process of this type (POPUP_MENU, TOOLTIP).
plugin_window() {
  local w
  for w in $(xdotool search --onlyvisible --class wrapper-2.0 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q "_$1" && { echo "$w"; return 0; }
  done
  return 1
}

echo "tray.sh: the native program from its icon on xfce4-panel"
"$program/spacewell" >"$work/out.txt" 2>&1 &
pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Spacewell$' | head -n 1)
[ -n "$win" ] || abort "the window did not show"
sleep 0.5
no_row=$(second_row)
check "the icon shows in the status tray" "$(sw_until 10 icon && echo shown)" shown
icon_picture "$work/icon-start.png" || abort "the icon could not be captured"

click_icon
check "a left click on the icon hides the window" "$(sw_until 5 hidden && echo hidden)" hidden
click_icon
check "the next click brings it back" "$(sw_until 5 viewable && echo shown)" shown
menu_click "Always On Top" >/dev/null
check "Always On Top from the desktop's menu while shown" "$(sw_until 3 above && echo above)" above

truncate -s 8M "$work/disk.img" && mkfs.ext4 -q -F "$work/disk.img" && mkdir -p "$disk" &&
  mount -o loop "$work/disk.img" "$disk" || abort "the test disk could not be mounted on $disk"
check "a disk mounted under /mnt gets a row by itself" "$(sw_until 3 rows_grew && echo row)" row

click_icon
sw_until 5 hidden || abort "the window did not hide for the watch"
dd if=/dev/zero of="$disk/fill" bs=64K >/dev/null 2>&1
sync
check "filled while hidden, the disk turns the icon to the warning" \
  "$(sw_until 15 warned && echo warning)" warning
check "and dunst shows the low-space notice" "$(sw_until 5 noticed && echo noticed)" noticed
dunstctl history >"$work/notices.json"
check "the notice names the disk's letter" "$(grep -o '"D: [^"]*(' "$work/notices.json" | head -c 3)" '"D:'

click_icon
sw_until 5 viewable || abort "the window did not come back"
umount "$disk"
check "its unmount takes the row away" "$(sw_until 3 rows_back && echo gone)" gone

xfce4-panel -r >/dev/null 2>&1 &
sleep 1
sw_until 15 sw_host_registered || abort "the restarted panel registered no host"
check "a restarted panel shows the icon again" "$(sw_until 10 icon && echo shown)" shown

click_icon 3
check "a right click opens the desktop's menu" "$(sw_until 5 plugin_window POPUP_MENU && echo menu)" menu
# The menu takes its size once its entries are in; Exit is its last line.
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$(plugin_window POPUP_MENU)")"
import -window root "$work/menu.png"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 12))
sleep 0.3
xdotool click 1
ended() { ! kill -0 "$pid" 2>/dev/null; }
check "Exit from the menu ends the program" "$(sw_until 5 ended && echo ended)" ended
pid=
check "and leaves its settings behind" "$([ -s "$program/spacewell.ini" ] && echo saved)" saved
check "nothing on the terminal" "$(cat "$work/out.txt")" ""
e2e_summary tray "$work"
