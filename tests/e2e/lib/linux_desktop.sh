# Sourced by the native program's end-to-end tests: a real Linux desktop on a virtual display, in a
# scratch home, started part by part and each part waited for (Xvfb, a private session bus, the
# openbox window manager, and on request xfce4-panel, whose status tray hosts StatusNotifierItems,
# and the dunst notification server).
#   sw_desktop_start [--panel] [--notifications] [--size WxH]
#   sw_desktop_stop
# sw_desktop_start exports DISPLAY, DBUS_SESSION_BUS_ADDRESS, HOME and the XDG folders, and sets
# SW_DESKTOP_HOME; it returns non-zero, saying why on stderr, when a part does not come up.

SW_DESKTOP_PIDS=()
SW_DESKTOP_HOME=

# sw_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds or time runs out
# (a wall-clock deadline; its output is dropped).
sw_until() {
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

_sw_scratch_home() {
  SW_DESKTOP_HOME=$(mktemp -d "${TMPDIR:-/tmp}/sw-desktop.XXXXXX")
  export HOME=$SW_DESKTOP_HOME/home XDG_CONFIG_HOME=$SW_DESKTOP_HOME/home/.config
  export XDG_CACHE_HOME=$SW_DESKTOP_HOME/home/.cache XDG_DATA_HOME=$SW_DESKTOP_HOME/home/.local/share
  export XDG_RUNTIME_DIR=$SW_DESKTOP_HOME/runtime
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
  export NO_AT_BRIDGE=1 GTK_THEME=Adwaita LANG=C.UTF-8
  unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS
}

_sw_xvfb() {
  local size=$1 n=99
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  SW_DESKTOP_PIDS+=($!)
  export DISPLAY=:$n
  # A busy display number is answered by someone else's server: ours must still be alive.
  sw_until 20 xdpyinfo && kill -0 "${SW_DESKTOP_PIDS[-1]}" 2>/dev/null
}

_sw_session_bus() {
  local out
  out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || return 1
  export DBUS_SESSION_BUS_ADDRESS=${out%%$'\n'*}
  SW_DESKTOP_PIDS+=("${out##*$'\n'}")
}

_sw_bus_owned() { busctl --user status "$1" >/dev/null 2>&1; }

sw_host_registered() {
  busctl --user get-property org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.kde.StatusNotifierWatcher IsStatusNotifierHostRegistered 2>/dev/null | grep -q true
}

# Now and then openbox starts without taking the screen: a second one is given the chance.
_sw_window_manager() {
  local try
  for try in 1 2; do
    openbox --sm-disable >>"$SW_DESKTOP_HOME/openbox.log" 2>&1 &
    SW_DESKTOP_PIDS+=($!)
    SW_WM_PID=$!
    sw_until 15 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' && return 0
    kill "$SW_WM_PID" 2>/dev/null || true
  done
  return 1
}

_sw_panel() {
  local config=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
  mkdir -p "$config"
  cp "$(dirname "${BASH_SOURCE[0]}")/xfce4-panel.xml" "$config/"
  xfce4-panel >/dev/null 2>&1 &
  SW_DESKTOP_PIDS+=($!)
  sw_until 30 sw_host_registered
}

_sw_notifications() {
  dunst >/dev/null 2>&1 &
  SW_DESKTOP_PIDS+=($!)
  sw_until 20 _sw_bus_owned org.freedesktop.Notifications
}

sw_desktop_start() {
  local panel=0 notifications=0 size=1024x768
  while [ $# -gt 0 ]; do
    case "$1" in
      --panel) panel=1 ;;
      --notifications) notifications=1 ;;
      --size) size=$2; shift ;;
      *) echo "sw_desktop_start: unknown option $1" >&2; return 2 ;;
    esac
    shift
  done
  _sw_scratch_home
  _sw_xvfb "$size" || { _sw_give_up "Xvfb did not come up on $DISPLAY"; return 1; }
  _sw_session_bus || { _sw_give_up "no session bus (dbus-daemon)"; return 1; }
  _sw_window_manager || {
    _sw_give_up "openbox did not take the screen on $DISPLAY: $(tail -n 5 "$SW_DESKTOP_HOME/openbox.log")"
    return 1
  }
  if [ $panel = 1 ]; then
    _sw_panel || { _sw_give_up "xfce4-panel registered no StatusNotifier host"; return 1; }
  fi
  if [ $notifications = 1 ]; then
    _sw_notifications || { _sw_give_up "dunst took no org.freedesktop.Notifications"; return 1; }
  fi
}

# A desktop that did not come up whole says why and leaves nothing running behind.
_sw_give_up() {
  echo "desktop: $1" >&2
  sw_desktop_stop
}

# The window manager crashes: killed outright, it leaves its properties on the root window.
sw_window_manager_crash() { kill -KILL "$SW_WM_PID"; wait "$SW_WM_PID" 2>/dev/null || true; }

# Ended, or a zombie its parent has not reaped yet.
_sw_ended() { [ ! -e "/proc/$1" ] || grep -q '^[0-9]* (.*) Z ' "/proc/$1/stat" 2>/dev/null; }

# Ends every part in reverse order of starting, each with its children (the panel's plugin
# process, the configuration daemon the bus started), and waits (up to 5 s each) until they are
# gone: a server still shutting down answered the next script's desktop for its display number,
# then went, and its window manager had no screen to take.
sw_desktop_stop() {
  local i pid
  for ((i = ${#SW_DESKTOP_PIDS[@]} - 1; i >= 0; i--)); do
    pkill -P "${SW_DESKTOP_PIDS[i]}" 2>/dev/null || true
    kill "${SW_DESKTOP_PIDS[i]}" 2>/dev/null || true
  done
  for pid in "${SW_DESKTOP_PIDS[@]}"; do
    for _ in $(seq 50); do _sw_ended "$pid" && break; sleep 0.1; done
  done
  SW_DESKTOP_PIDS=()
  [ -n "$SW_DESKTOP_HOME" ] && rm -rf "$SW_DESKTOP_HOME"
  SW_DESKTOP_HOME=
}
