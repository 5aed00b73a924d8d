#!/usr/bin/env bash
# The release zip as a Windows user takes it: named after the project version, holding the
# stripped exe (whose version resource carries the same version), README.txt with CRLF line
# ends and the licence. Unpacked into a folder whose path has spaces, the exe starts under
# Wine, shows its window, quits on "q" and leaves spacewell.ini beside itself.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
export SW_WINEPREFIX=$root/build/wineprefix-zip
source scripts/wine-env.sh
source tests/e2e/lib/checks.sh
work=$root/build/e2e/package-zip

cleanup() {
  sw_kill_wine
  sw_stop_x
}
trap cleanup EXIT
trap 'exit 1' INT TERM

version=$(sed -n 's/^project(Spacewell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip=build/spacewell-$version-win32.zip
# A zip older than the exe or the files it carries is made again.
if [ ! -f "$zip" ] || [ "$zip" -ot build/win32/src/spacewell.exe ] ||
   [ "$zip" -ot docs/README.txt.in ] || [ "$zip" -ot LICENSE ]; then
  scripts/package.sh zip >/dev/null
fi
[ -f "$zip" ] || { echo "package_zip: FAIL (scripts/package.sh made no $zip)"; exit 1; }
rm -rf "$work"; mkdir -p "$work"

check "the zip holds the exe, README.txt and the licence" \
  "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" "LICENSE.txt README.txt spacewell.exe "

sw_start_x || { echo "package_zip: FAIL (no Xvfb)"; exit 1; }
sw_make_prefix
folder=$WINEPREFIX/drive_c/Program\ Files/Spacewell\ Test
rm -rf "$folder"; mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
exe=$folder/spacewell.exe

check "the version resource says the project version" \
  "$(strings -el -n 3 "$exe" | grep -A1 -x ProductVersion | tail -n 1)" "$version"
check "the shipped exe carries no debug sections" \
  "$(x86_64-w64-mingw32-objdump -h "$exe" | grep -c '\.debug')" 0
lines=$(wc -l <"$folder/README.txt")
check "every line of README.txt ends in CRLF" "$(grep -c $'\r$' "$folder/README.txt")" "$lines"

# Where only 64-bit programs run (see scripts/wine-env.sh), the same sources' 64-bit exe starts
# in the unpacked one's place; the checks above read the shipped one.
if [ "${SW_WINDOWS_BUILD:-}" = build/win64 ]; then
  [ -f build/win64/src/spacewell.exe ] || scripts/build.sh win64 spacewell >/dev/null
  x86_64-w64-mingw32-strip -o "$exe" build/win64/src/spacewell.exe
  echo "package_zip: the 64-bit build's exe starts in the shipped one's place"
fi
wine 'C:\Program Files\Spacewell Test\spacewell.exe' >"$work/wine.log" 2>&1 &
program=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Spacewell$' 2>/dev/null | head -n 1)
[ -n "$win" ] || { echo "package_zip: FAIL (no window named Spacewell within 30 s)"; exit 1; }
pass "the unpacked exe shows its window"
sleep 1
timeout 20 import -window root "$work/screen.png"

# Activates the window by clicking its title, as a user does, then types q.
read -r left top _ _ < <(e2e_geometry "$win")
timeout 10 xdotool mousemove $((left + 77)) $((top + 12)) click 1; sleep 0.3
timeout 10 xdotool windowfocus --sync "$win"; timeout 10 xdotool type q
for _ in $(seq 40); do kill -0 "$program" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$program" 2>/dev/null; then fail "q ends the program"; else pass "q ends the program"; fi
if [ -f "$folder/spacewell.ini" ]; then pass "spacewell.ini is beside the exe"
else fail "spacewell.ini is beside the exe: found $(ls "$folder" | tr '\n' ' ')"; fi

e2e_summary package_zip "$work"
