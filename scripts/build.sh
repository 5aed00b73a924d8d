#!/usr/bin/env bash
# Configures and builds one tree: "native" (Linux, tests and tools) or "win64" (spacewell.exe and
# the Win32 tests, cross-built with MinGW-w64). Usage: scripts/build.sh native|win64 [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
# Lets ccache share objects between clones of the repository.
export CCACHE_BASEDIR=$PWD
kind=$1; shift
case "$kind" in
  native) extra=() ;;
  win64)  extra=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake) ;;
  tsan)   extra=(-DSPACEWELL_TSAN=ON) ;;
  *) echo "usage: $0 native|win64|tsan [targets...]" >&2; exit 2 ;;
esac
cmake -S . -B "build/$kind" "${extra[@]}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "build/$kind" -j2 --target "$@"
else
  cmake --build "build/$kind" -j2
fi
