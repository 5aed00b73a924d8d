#!/usr/bin/env bash
# spacewell.exe on an ordinary desk, under Wine in a 1024 x 768 virtual desktop: started from a
# read-only folder it still quits with Q, keeping its settings in the user's folder, where the
# next start finds them; a saved place far off the screen starts inside the desktop; the
# end-of-session messages (sent by desk_helper.exe inside the same desktop) leave the latest
# caption model in the settings file and end the program; a drive mapped while it runs shows
# its row after a broadcast device-change announcement, and being 95 % full, a red bar, the
# tray's warning icon and a balloon, and a double click on its bar opens it in the file
# manager without moving the window; a refused machine-wide Run key puts
# AutoStart under the user's key; after a tray-menu choice, a click on the taskbar button and
# "q" end the program. Needs mount rights for the read-only folder and the new drive: without
# them those checks fail and say why.
set -uo pipefail
cd "$(dirname "$0")/../.."
E2E_NAME=real_desk E2E_PREFIX=wineprefix-desk
source tests/e2e/lib/setup.sh
source tests/e2e/lib/desk_helper.sh
icon_x=1012 icon_y=758
# The program's taskbar button: the first one, right of the start button.
button_x=${SW_TASKBAR_BUTTON_X:-120} button_y=758
readonly_dir=$work-readonly
new_drive=$work-k
program=$WINEPREFIX/drive_c/Spacewell
user_ini=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming 2>/dev/null | grep -v /Public/ | head -n 1)/Spacewell/spacewell.ini

cleanup_desk() {
  rm -f "$WINEPREFIX/drive_c/ReadOnly" "$WINEPREFIX/dosdevices/k:"
  for dir in "$readonly_dir" "$new_drive"; do mountpoint -q "$dir" && umount "$dir"; done
  rm -rf "$readonly_dir" "$new_drive"
  e2e_cleanup
}
trap cleanup_desk EXIT

start() {  # Windows path of the exe
  e2e_wait_desktop_gone
  wine explorer /desktop=desk,1024x768 "$1" >>"$work/wine.log" 2>&1 &
  win=$(e2e_wait_window) || exit 1
  sleep 1
}
running() { pgrep -f 'spacewell\.exe' >/dev/null; }
wait_end() {
  for _ in $(seq 20); do running || return 0; sleep 0.5; done
  return 1
}
ended() {  # description
  if wait_end; then pass "$1"; else fail "$1: still running"; pkill -f 'spacewell\.exe'; sleep 1; fi
}
# Activates the window by a click on its body, as a user does, then types.
type_keys() {
  local left top
  read -r left top _ < <(e2e_geometry "$win")
  xdotool mousemove $((left + 100)) $((top + 12)) click 1; sleep 0.3
  xdotool windowfocus --sync "$win"; xdotool type --delay 50 "$1"; sleep 1
}
tray_menu() {
  xdotool mousemove $icon_x $icon_y click 3; sleep 1
  local k; for k in "$@"; do xdotool key "$k"; sleep 0.2; done; sleep 1
}

# 1. A read-only program folder: Q quits, the settings go to the user's folder and come back.
mkdir -p "$readonly_dir"
if mount -t tmpfs -o size=64m tmpfs "$readonly_dir" 2>/dev/null; then
  cp "$exe" "$readonly_dir/spacewell.exe"
  printf '[SETTINGS]\r\nLeft=100\r\nTop=120\r\n' > "$readonly_dir/spacewell.ini"
  mount -o remount,ro "$readonly_dir"
  ln -sfn "$readonly_dir" "$WINEPREFIX/drive_c/ReadOnly"
  rm -f "$user_ini"
  start 'C:\ReadOnly\spacewell.exe'
  read -r left top _ < <(e2e_geometry "$win")
  check "read once from beside the program" "$left,$top" "100,120"
  type_keys q
  ended "Q ends the program started from a read-only folder"
  check "the settings are in the user's folder" "$(grep -a '^Left=' "$user_ini" 2>/dev/null | tr -d '\r')" Left=100
  sed -i 's/^Left=100/Left=150/' "$user_ini"
  start 'C:\ReadOnly\spacewell.exe'
  read -r left top _ < <(e2e_geometry "$win")
  check "the next start reads the user's file" "$left,$top" "150,120"
  type_keys q
  ended "Q ends it again"
else
  fail "read-only folder: mount -t tmpfs is refused here (needs mount rights), and Wine running as root ignores permissions"
fi

# 2. A place far off the screen starts inside the desktop.
mkdir -p "$program"; rm -f "$program"/*
cp "$exe" "$program/spacewell.exe"
printf '[SETTINGS]\r\nLeft=5000\r\nTop=5000\r\n' > "$program/spacewell.ini"
start 'C:\Spacewell\spacewell.exe'
read -r left top width height < <(e2e_geometry "$win")
inside=no
[ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ $((left + width)) -le 1024 ] && [ $((top + height)) -le 768 ] && inside=yes
check "Left=5000, Top=5000 starts wholly inside the desktop ($left,$top ${width}x$height)" "$inside" yes
# The taskbar button, left of the fitted window: an empty stretch of taskbar has one colour.
import -window root "$work/taskbar.png"
colours=$(convert "$work/taskbar.png" -crop 160x16+62+750 +repage -format %k info:)
check "the taskbar shows the program's button ($colours colours where it stands)" "$((colours > 1))" 1
# Fitted into the corner, the window covers the tray icon: drag it by its title band to the
# middle of the desktop, so that the tray menu below opens where a user would click.
xdotool mousemove $((left + 100)) $((top + 12)) mousedown 1
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((left + 100 - 60 * step)) $((top + 12 - 50 * step)); sleep 0.1
done
xdotool mouseup 1; sleep 0.5

# 3. A new drive: a tmpfs mapped to K: while the program runs, announced by a broadcast; 95 %
# full, so it is low on space.
mkdir -p "$new_drive"
if mount -t tmpfs -o size=64m tmpfs "$new_drive" 2>/dev/null; then
  dd if=/dev/zero of="$new_drive/fill" bs=1M count=61 status=none
  before=$height
  import -window root "$work/before-low.png"
  ln -sfn "$new_drive" "$WINEPREFIX/dosdevices/k:"
  helper arrive K >/dev/null
  sleep 1
  read -r left top _ height < <(e2e_geometry "$win")
  grew=no; [ "$height" -gt "$before" ] && grew=yes
  check "the announced drive K: adds a row within 1 s (height $before -> $height)" "$grew" yes
  # Its bar's first ramp column, in the middle of the last row, and the tray: the icon, and the
  # balloon above it.
  import -window root "$work/low.png"
  check "K: at 95 % full starts its bar in the warning red" \
    "$(e2e_pixel "$work/low.png" $((left + 27)) $((top + height - 18)))" E02020
  changed() {  # crop geometry
    compare -metric AE "$work/before-low.png" "$work/low.png" -crop "$1" null: 2>&1 | cut -d' ' -f1
  }
  icon=$(changed 20x20+$((icon_x - 10))+$((icon_y - 10)))
  check "the tray icon turns to its warning picture ($icon pixels changed)" "$((icon > 20))" 1
  # Wine's tray opens a balloon two seconds after it is asked for.
  sleep 2.5
  import -window root "$work/balloon.png"
  balloon=$(compare -metric AE "$work/before-low.png" "$work/balloon.png" -crop 330x250+694+500 null: 2>&1 | cut -d' ' -f1)
  check "a balloon shows above the tray ($balloon pixels changed)" "$((balloon > 1000))" 1
  # A double click on K:'s bar asks the shell to open K:\, which Wine does in a file manager
  # window of its own; the window stays where it is.
  xdotool mousemove $((left + 150)) $((top + height - 18)) click --repeat 2 --delay 120 1
  opened=
  for _ in $(seq 20); do
    opened=$(pgrep -af 'explorer|winefile' | grep -v 'desktop=desk' | grep -i 'k:' | head -n 1)
    [ -n "$opened" ] && break; sleep 0.5
  done
  check "a double click on K:'s bar opens K: (${opened:-nothing})" "$([ -n "$opened" ] && echo yes)" yes
  read -r left2 top2 _ < <(e2e_geometry "$win")
  check "and does not move the window" "$left2,$top2" "$left,$top"
  [ -n "$opened" ] && kill "${opened%% *}"
  sleep 1
else
  fail "new drive: mount -t tmpfs is refused here (needs mount rights)"
fi

# 4. A refused machine-wide Run key: AutoStart writes under the user's key.
value() {  # root key, then the registry view option if any
  timeout 60 wine reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Run" /v Spacewell "${@:2}" \
    2>/dev/null | tr -d '\r' | awk '$1 == "Spacewell" { $1 = $2 = ""; sub(/^ +/, ""); print }'
}
check "the machine's Run key is locked" "$(helper lockrun)" locked
tray_menu Down Down Down Down Down Return
check "AutoStart with the machine's key refused writes the user's" "$(value HKCU)" '"C:\Spacewell\spacewell.exe"'
check "and nothing under the machine's" "$(value HKLM "$reg_view")" ""
tray_menu Down Down Down Down Down Return
check "AutoStart again deletes the user's value" "$(value HKCU)" ""
helper unlockrun >/dev/null

# 5. Keys after a tray-menu choice and a click on the taskbar button.
tray_menu Down Return
xdotool mousemove "$button_x" "$button_y" click 1; sleep 1
xdotool type --delay 50 4; sleep 1
# 6. The end of the session after that change of model.
check "the end-of-session query is agreed to" "$(helper endsession | head -n 1)" "query 1"
ended "the end of the session ends the program"
check "the model typed after the taskbar click is saved at the session's end" \
  "$(grep -a '^Model=' "$program/spacewell.ini" 2>/dev/null | tr -d '\r')" Model=4

start 'C:\Spacewell\spacewell.exe'
tray_menu Down Return
xdotool mousemove "$button_x" "$button_y" click 1; sleep 1
xdotool type --delay 50 q
ended "after a tray-menu choice, the taskbar button and Q end the program"

e2e_summary real_desk "$work"
