#!/usr/bin/env bash
# Runs the cross-built tests under Wine. First gives the scratch prefix (scripts/wine-env.sh)
# drives of known kinds and sizes, then restarts the wineserver so it reads them, and tells the
# tests what to expect through SPACEWELL_WINE_* variables:
#   M: fixed, a 64 MiB tmpfs with 16 MiB written (a plain folder, sizes unknown, where mount is
#      refused); N: CD-ROM and O: removable, both without a medium (dangling links);
#   P: network (a folder); Q: fixed, a folder whose .windows-serial gives the volume serial;
#   R: fixed, read-only, holding "Space well\spacewell.ini" (a read-only tmpfs; where mount is
#      refused, a folder without write permission, which only binds a user other than root).
# Z: (the host's root) stays: test binaries reach SPACEWELL_TEST_DATA by its Unix path through
# it, and the drive tests look only at their own letters. The prefix's drives are put back as
# they were when the tests end.
# Before Wine, two checks of what a Windows machine meets: both exes, the shipped 32-bit one and
# the 64-bit one, read as Windows' loader reads them (tests/win32/loader_check.sh; also where only
# the 64-bit one can run), and README's Windows build (see readme_build).
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/wine-env.sh
build=${SW_WINDOWS_BUILD:-build/win32}
area=$WINEPREFIX-drives
dos=$WINEPREFIX/dosdevices
serial=1A2B3C4D

wine_drive_type() {  # letter, type
  timeout 60 wine reg add 'HKLM\Software\Wine\Drives' /v "$1:" /d "$2" /f /reg:64 >/dev/null 2>&1
}

cleanup() {
  timeout 30 wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w 2>/dev/null || true
  rm -f "$dos"/{m,n,o,p,q,r}:
  for letter in n o p; do
    timeout 60 wine reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f /reg:64 >/dev/null 2>&1 || true
  done
  timeout 30 wineserver -w 2>/dev/null || true
  for dir in fixed readonly; do
    mountpoint -q "$area/$dir" && umount "$area/$dir" || true
  done
  [ -d "$area/readonly" ] && chmod -R u+w "$area/readonly" || true
}

# A drive no write reaches, for the settings file that cannot be written.
readonly_drive() {
  local dir=$area/readonly
  mkdir -p "$dir"
  local mounted=0
  mount -t tmpfs -o size=1m tmpfs "$dir" 2>/dev/null && mounted=1
  if [ "$mounted" = 0 ] && [ "$(id -u)" = 0 ]; then
    echo "no read-only drive: mount is refused and Wine running as root ignores permissions" >&2
    return 0
  fi
  mkdir -p "$dir/Space well"
  printf '[SETTINGS]\r\nLeft=10\r\n' > "$dir/Space well/spacewell.ini"
  if [ "$mounted" = 1 ]; then mount -o remount,ro "$dir"; else chmod -R a-w "$dir"; fi
  ln -sfn "$dir" "$dos/r:"
  export SPACEWELL_WINE_READONLY=R
}


# README's Windows build in a fresh tree: the tests at their default, off, build spacewell with
# GoogleTest out of sight; turned on, the same configure stops and says GoogleTest is missing.
# Same compiler flags and ccache settings as scripts/build.sh's trees, so ccache has the objects.
readme_build() (
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
  local dir=build/win32-readme log
  local hidden=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
                -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_IGNORE_PATH=/usr/src/googletest
                -DSPACEWELL_WERROR="${SPACEWELL_WERROR:-OFF}")
  rm -rf "$dir"
  if log=$(cmake -S . -B "$dir" "${hidden[@]}" -DSPACEWELL_TESTS=ON 2>&1) ||
     [[ "$log" != *"GoogleTest not found"* ]]; then
    echo "readme_build: with the tests on and no GoogleTest, the configure did not stop:"
    echo "$log"
    return 1
  fi
  rm -rf "$dir"
  cmake -S . -B "$dir" "${hidden[@]}" --no-warn-unused-cli >/dev/null &&
    cmake --build "$dir" -j2 --target spacewell >/dev/null &&
    echo "readme_build: PASS (spacewell.exe built without GoogleTest)"
)

checks=0
scripts/build.sh win32 spacewell
scripts/build.sh win64 spacewell
bash tests/win32/loader_check.sh build/win32/src/spacewell.exe build/win64/src/spacewell.exe || checks=1
readme_build || { echo "readme_build: FAIL"; checks=1; }

trap cleanup EXIT
for dir in fixed readonly; do mountpoint -q "$area/$dir" && umount "$area/$dir" || true; done
[ -d "$area" ] && chmod -R u+w "$area" || true
rm -rf "$area"
mkdir -p "$area/fixed" "$area/net" "$area/serial"
if mount -t tmpfs -o size=64m tmpfs "$area/fixed" 2>/dev/null; then
  dd if=/dev/zero of="$area/fixed/data" bs=1M count=16 status=none
  export SPACEWELL_WINE_FIXED_TOTAL_MB=64 SPACEWELL_WINE_FIXED_FREE_MB=48
else
  echo "tmpfs mount refused: the fixed drive's exact sizes cannot be checked (that test fails)"
  unset SPACEWELL_WINE_FIXED_TOTAL_MB SPACEWELL_WINE_FIXED_FREE_MB
fi
echo "$serial" > "$area/serial/.windows-serial"

ln -sfn "$area/fixed" "$dos/m:"
ln -sfn "$area/no-disc" "$dos/n:"
ln -sfn "$area/no-medium" "$dos/o:"
ln -sfn "$area/net" "$dos/p:"
ln -sfn "$area/serial" "$dos/q:"
readonly_drive
wine_drive_type n cdrom
wine_drive_type o floppy
wine_drive_type p network
timeout 30 wineserver -k 2>/dev/null || true
timeout 30 wineserver -w

export SPACEWELL_WINE_FIXED=M SPACEWELL_WINE_CDROM=N SPACEWELL_WINE_REMOVABLE=O
export SPACEWELL_WINE_NETWORK=P SPACEWELL_WINE_SERIAL_DRIVE=Q SPACEWELL_WINE_SERIAL=$serial
ctest --test-dir "$build" --output-on-failure
exit $checks
