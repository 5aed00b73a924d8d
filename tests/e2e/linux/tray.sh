#!/usr/bin/env bash
# The notification-area icon on a real panel (xfce4-panel's status tray under openbox, on a
# private session bus, with dunst): the icon shows, a left click activates it (the driver then
# turns it from magenta to cyan and sends a low-space notice, which dunst shows), a restarted panel shows it again, and the desktop's menu opens with the tip
# as its first line and ends the driver by its Exit. The icon is a test driver's, a status item
# alone (tests/platform/dbus/tray_driver.cpp).
set -euo pipefail
cd "$(dirname "$0")/../../.."
source tests/e2e/lib/linux_desktop.sh

scripts/build.sh native test_dbus >/dev/null
out=$(mktemp -d "${TMPDIR:-/tmp}/sw-tray.XXXXXX")
driver_pid=
finish() {
  [ -n "$driver_pid" ] && kill "$driver_pid" 2>/dev/null
  sw_desktop_stop
  rm -rf "$out"
}
trap finish EXIT
fail() {
  echo "tray: FAILED: $*" >&2
  echo "--- driver output:" >&2
  cat "$out/driver.log" >&2
  exit 1
}

sw_desktop_start --panel --notifications || fail "the desktop did not start"
build/native/tests/test_dbus --gtest_also_run_disabled_tests --gtest_filter='TrayDriver.*' \
  >"$out/driver.log" 2>&1 &
driver_pid=$!

# icon_at COLOUR: the centre "X Y" of the colour's box on the screen, if it is at least 8 x 8.
icon_at() {
  import -window root "$out/shot.png" || return 1
  local box w h x y
  box=$(convert "$out/shot.png" -fuzz 15% -fill black +opaque "$1" -fill white -opaque "$1" \
    -format '%@' info: 2>/dev/null)
  IFS='x+' read -r w h x y <<<"$box"
  [ "$w" -ge 8 ] && [ "$h" -ge 8 ] && [ "$w" -le 64 ] || return 1
  echo "$((x + w / 2)) $((y + h / 2))"
}

# wait_for SECONDS COMMAND...: runs the command until it succeeds, on a wall-clock deadline.
wait_for() {
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    [ $SECONDS -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

said() { grep -qx "$1" "$out/driver.log"; }

# plugin_window TYPE: a viewable window of the panel's plugin process of that type (the menu's
# POPUP_MENU, the tooltip's TOOLTIP).
plugin_window() {
  local w
  for w in $(xdotool search --onlyvisible --class wrapper-2.0 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q "_$1" && { echo "$w"; return 0; }
  done
  return 1
}

wait_for 10 icon_at '#FF00FF' >/dev/null || fail "no magenta icon in the status tray"
read -r x y < <(icon_at '#FF00FF')
xdotool mousemove "$x" "$y" click 1
wait_for 5 said "activated $x,$y" || fail "a left click at $x,$y did not activate the item"
wait_for 5 icon_at '#00FFFF' >/dev/null || fail "the icon did not turn cyan after the activation"
# What dunst shows goes to its history once closed, which keeps the texts.
noticed() { dunstctl close-all && dunstctl history | grep -q '"Low disk space"'; }
wait_for 5 noticed || fail "dunst did not show the low-space notice"

# A restarted panel forgets its items: the item registers again when the watcher comes back.
xfce4-panel -r >/dev/null 2>&1 &
sleep 1
wait_for 15 _sw_host_registered || fail "the restarted panel registered no host"
wait_for 10 icon_at '#00FFFF' >/dev/null || fail "the icon did not come back after the panel's restart"

read -r x y < <(icon_at '#00FFFF')
xdotool mousemove "$x" "$y"
wait_for 5 plugin_window TOOLTIP >/dev/null || fail "hovering the icon showed no tooltip"
import -window root "$out/tip.png"
[ -n "${SW_TRAY_SHOTS:-}" ] && cp "$out/tip.png" "$SW_TRAY_SHOTS/tray-tip.png"
xdotool click 3
wait_for 5 plugin_window POPUP_MENU >/dev/null || fail "a right click opened no menu"
[ "$(grep -cx 'about to show' "$out/driver.log")" -ge 2 ] ||
  fail "the menu opened without asking the program for it first"
# The menu takes its size once its entries are in.
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$(plugin_window POPUP_MENU)")"
import -window root "$out/menu.png"
[ -n "${SW_TRAY_SHOTS:-}" ] && cp "$out/menu.png" "$SW_TRAY_SHOTS/tray-menu.png"
# Exit is the last line of the menu.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 12))
sleep 0.3
xdotool click 1
wait_for 5 said "chosen 2" || fail "choosing Exit from the menu did not reach the program"
wait "$driver_pid" || fail "the driver ended in failure"
driver_pid=
echo "tray: passed"
