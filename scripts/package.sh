#!/usr/bin/env bash
# Builds the portable zip for Windows users from the MinGW-w64 cross build:
# build/spacewell-<version>-win32.zip with spacewell.exe, README.txt and LICENSE.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh win32 spacewell
rm -rf build/win32/cpack
cpack --config build/win32/CPackConfig.cmake -B build/win32/cpack >/dev/null
zips=(build/win32/cpack/spacewell-*-win32.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || { echo "package: no zip from CPack" >&2; exit 1; }
mv "${zips[0]}" build/
echo "build/$(basename "${zips[0]}")"
