# Sourced first by the end-to-end tests that run spacewell.exe on the test drives, with E2E_NAME
# (the test's name) and E2E_PREFIX (its Wine prefix under build/) set. Builds what is missing,
# starts a display and the prefix with the drives, and cleans all of it up on exit. Gives root,
# exe, reg_view (the registry view it uses), snapshot, work (a fresh folder for the test's pictures
# and logs) and area (the drives).
root=$PWD
native=${SW_NATIVE_BUILD:-build/native}
export SW_WINEPREFIX=${SW_E2E_WINEPREFIX:-$root/build/$E2E_PREFIX}
source scripts/wine-env.sh
build=${SW_WINDOWS_BUILD:-build/win32}
source tests/e2e/lib/wine_drives.sh
source tests/e2e/lib/checks.sh
work=$root/build/e2e/$E2E_NAME
area=$work-drives
exe=$build/src/spacewell.exe
# The registry view the program reads and writes: the 32-bit one for the shipped exe.
case "$build" in *win64*) reg_view=/reg:64 ;; *) reg_view=/reg:32 ;; esac
snapshot=$native/tools/snapshot

e2e_cleanup() {
  sw_kill_wine
  sw_stop_x
  e2e_drives_down "$area"
}
trap e2e_cleanup EXIT
trap 'exit 1' INT TERM

# Prints to stderr, so that it also shows from inside a command substitution.
e2e_abort() { echo "$E2E_NAME: FAIL ($1)" >&2; exit 1; }

# e2e_wait_window: the id of the visible window named Spacewell, within 30 s.
e2e_wait_window() {
  local win
  win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Spacewell$' 2>/dev/null | head -n 1)
  [ -n "$win" ] && { echo "$win"; return 0; }
  if pgrep -f 'spacewell\.exe' >/dev/null; then
    e2e_abort "no window named Spacewell within 30 s, though spacewell.exe runs"
  fi
  e2e_abort "no window named Spacewell within 30 s: spacewell.exe is not running"
}

# e2e_wait_desktop_gone: waits up to 10 s for the last virtual desktop to close. It lingers a
# moment after its last program ends; a start in that moment lands in a closing desktop and
# never shows its window. Its X window can outlive its process for a moment too: up to 2 s more
# for that.
e2e_wait_desktop_gone() {
  local _ gone=1
  for _ in $(seq 20); do pgrep -f 'explorer\.exe /desktop' >/dev/null || { gone=0; break; }; sleep 0.5; done
  for _ in $(seq 10); do xdotool search --name ' - Wine desktop$' >/dev/null 2>&1 || break; sleep 0.2; done
  return $gone
}

[ -x "$snapshot" ] || scripts/build.sh native snapshot >/dev/null
[ -f "$exe" ] || scripts/build.sh "${build#build/}" spacewell >/dev/null
{ [ -f "$exe" ] && [ -x "$snapshot" ]; } || e2e_abort "spacewell.exe or the snapshot tool is missing"
rm -rf "$work"; mkdir -p "$work"
sw_start_x || e2e_abort "no Xvfb"
sw_make_prefix
e2e_drives_up "$area" "$snapshot"
