# Sourced after setup.sh by the end-to-end tests that play the desk's part with desk_helper.exe
# inside the program's virtual desktop "desk" (1024 x 768; messages reach only windows of the
# same desktop): builds it where missing and copies it into the prefix. Gives helper ARGS...,
# which runs it with those arguments and prints the lines it logged.
helper_exe=${SW_DESK_HELPER:-$build/tests/desk_helper.exe}
[ -f "$helper_exe" ] || scripts/build.sh "${build#build/}" desk_helper >/dev/null
[ -f "$helper_exe" ] || e2e_abort "desk_helper.exe is missing ($helper_exe)"
cp "$helper_exe" "$WINEPREFIX/drive_c/desk_helper.exe"
helper_log=$WINEPREFIX/drive_c/desk.log
helper() {
  : > "$helper_log"
  timeout 30 wine explorer /desktop=desk,1024x768 'C:\desk_helper.exe' 'C:\desk.log' "$@" \
    >>"$work/helper.log" 2>&1
  sleep 0.5
  tr -d '\r' < "$helper_log"
}
