#!/usr/bin/env bash
# Builds the portable zip for Windows users from the MinGW-w64 cross build:
# build/spacewell-<version>-win64.zip with spacewell.exe, README.txt and LICENSE.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh win64 spacewell
rm -rf build/win64/cpack
cpack --config build/win64/CPackConfig.cmake -B build/win64/cpack >/dev/null
zips=(build/win64/cpack/spacewell-*-win64.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || { echo "package: no zip from CPack" >&2; exit 1; }
mv "${zips[0]}" build/
echo "build/$(basename "${zips[0]}")"
