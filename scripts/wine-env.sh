# Sourced by the scripts that run Windows code: a scratch Wine prefix under build/ and a virtual
# X display. Never touches the user's own prefix.
SW_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${SW_WINEPREFIX:-$SW_ROOT/build/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# A kernel without 32-bit support (some virtual machines) cannot start Wine's i386 loader. There
# the Windows code runs from the 64-bit build of the same sources, and every script says so.
# Debian's `wine` takes the i386 loader whenever it is installed, so a `wine` on PATH starts the
# 64-bit one instead (wineboot and CMake's test emulator find it by name).
if [ -x /usr/lib/wine/wine ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  sw_shim=$SW_ROOT/build/wine64-only
  mkdir -p "$sw_shim"
  for sw_name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$sw_shim/$sw_name"
    chmod +x "$sw_shim/$sw_name"
  done
  case ":$PATH:" in *":$sw_shim:"*) ;; *) export PATH=$sw_shim:$PATH ;; esac
  export WINELOADER=/usr/lib/wine/wine64
  if [ -z "${SW_WINDOWS_BUILD:-}" ]; then
    echo "wine-env: this machine cannot run 32-bit programs; the Windows tests run the 64-bit build (build/win64)" >&2
    export SW_WINDOWS_BUILD=build/win64
  fi
fi

# Starts Xvfb on a free display number and exports DISPLAY; stop it with sw_stop_x.
sw_start_x() {
  local n=99
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  SW_XPID=$!
  export DISPLAY=:$n
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2; return 1
}

sw_stop_x() {
  [ -n "${SW_XPID:-}" ] && kill "$SW_XPID" 2>/dev/null; SW_XPID=
}

# Creates the prefix once, with Wine's own fonts where Wine's GDI finds them.
sw_make_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 120 wineboot -i >/dev/null 2>&1
    timeout 60 wineserver -w
    # No window manager under Xvfb: unmanaged windows close without waiting for one.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    timeout 60 wineserver -w
  fi
  if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/sserife.fon" ]; then
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
}

sw_kill_wine() {
  timeout 30 wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w 2>/dev/null || true
}
