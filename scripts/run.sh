#!/usr/bin/env bash
# Builds the native Linux spacewell and starts it: on your display when there is one, otherwise on
# a virtual Xvfb display with the openbox window manager and a panel for its icon, where it saves
# a screenshot and tells you where it is. With --windows it builds spacewell.exe and starts that
# under Wine instead.
# Usage: scripts/run.sh [--windows]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

if [ "${1:-}" = --windows ]; then
  export SW_WINEPREFIX=$PWD/build/wineprefix-run
  source scripts/wine-env.sh
  build=${SW_WINDOWS_BUILD:-build/win32}
  scripts/build.sh "${build#build/}" spacewell
  exe=$PWD/$build/src/spacewell.exe
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    sw_make_prefix
    exec wine "$exe"
  fi
  sw_start_x
  trap 'sw_kill_wine; sw_stop_x' EXIT
  sw_make_prefix
  wine explorer /desktop=spacewell,1024x768 "$exe" >/dev/null 2>&1 &
  win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Spacewell$' | head -n 1)
  sleep 1
  shot=$PWD/build/spacewell-screenshot.png
  import -window root "$shot"
  echo "No display found: ran spacewell.exe on a virtual display (window $win)."
  echo "Screenshot: $shot"
  exit 0
fi

scripts/build.sh native spacewell
exe=$PWD/build/native/src/spacewell
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$exe"
fi

source tests/e2e/lib/linux_desktop.sh
sw_desktop_start --panel
"$exe" &
program=$!
trap 'kill "$program" 2>/dev/null; wait "$program"; sw_desktop_stop' EXIT
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Spacewell$' | head -n 1)
sleep 1
shot=$PWD/build/spacewell-screenshot.png
import -window root "$shot"
echo "No display found: ran spacewell on a virtual display with openbox and xfce4-panel (window $win)."
echo "Screenshot: $shot"
