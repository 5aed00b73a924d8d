#!/usr/bin/env bash
# The .deb as a Debian or Ubuntu user installs it: made by scripts/package.sh, without a lintian
# error, holding the program, its desktop entry, an icon at each theme size, the manual page,
# copyright and changelog; depending on the libraries dpkg-shlibdeps found and on Wine's raster
# fonts. Unpacked, every library the program links resolves, and the unpacked program shows its
# window on a desktop with a StatusNotifierItem panel.
set -uo pipefail
cd "$(dirname "$0")/../../.."
root=$PWD
source tests/e2e/lib/checks.sh
source tests/e2e/lib/linux_desktop.sh
work=$root/build/e2e/package-deb
program=

cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null
  sw_desktop_stop
}
trap cleanup EXIT
trap 'exit 1' INT TERM
rm -rf "$work"; mkdir -p "$work"

deb=$(scripts/package.sh deb 2>"$work/package.log" | tail -n 1)
[ -f "$deb" ] || { echo "package: FAIL (scripts/package.sh made no .deb; see $work/package.log)"; exit 1; }
version=$(sed -n 's/^project(Spacewell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
check "the package is named after the version" "$deb" "build/spacewell_${version}_amd64.deb"

lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>&1
check "lintian reports no error" "$(grep -c '^E:' "$work/lintian.txt")" 0
check "lintian reports no warning" "$(grep -c '^W:' "$work/lintian.txt")" 0
sed -n '/^[EW]:/s/^/        /p' "$work/lintian.txt"

expected="./usr/bin/spacewell
./usr/share/applications/spacewell.desktop
./usr/share/doc/spacewell/changelog.gz
./usr/share/doc/spacewell/copyright"
for size in 16 22 24 32 48 256; do
  expected+=$'\n'"./usr/share/icons/hicolor/${size}x$size/apps/spacewell.png"
done
expected+=$'\n'"./usr/share/man/man1/spacewell.1.gz"
check "the package holds exactly the program and its files" \
  "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort | tr '\n' ' ')" \
  "$(sort <<<"$expected" | tr '\n' ' ')"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-wine libx11-6 libsystemd0 libc6; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] && pass "depends on $needed" ||
    fail "depends on $needed: Depends is '$depends'"
done
check "the section" "$(dpkg-deb -f "$deb" Section)" utils

unpacked=$work/root
dpkg -x "$deb" "$unpacked"
exe=$unpacked/usr/bin/spacewell
check "every library the program links resolves" "$(ldd "$exe" | grep -c 'not found')" 0
check "the program carries no debug sections" "$(objdump -h "$exe" | grep -c '\.debug')" 0
for size in 16 22 24 32 48 256; do
  png=$unpacked/usr/share/icons/hicolor/${size}x$size/apps/spacewell.png
  check "the ${size}x$size icon is that large" "$(identify -format '%wx%h' "$png" 2>&1)" "${size}x$size"
done

sw_desktop_start --panel || { echo "package: FAIL (no desktop to start the program on)"; exit 1; }
PATH=$unpacked/usr/bin:$PATH spacewell >"$work/program.log" 2>&1 &
program=$!
win=$(timeout 30 xdotool search --sync --onlyvisible --name '^Spacewell$' 2>/dev/null | head -n 1)
if [ -n "$win" ]; then pass "the unpacked program shows its window"
else fail "the unpacked program shows its window: none named Spacewell within 30 s"; fi
timeout 20 import -window root "$work/screen.png"

e2e_summary package "$work"
