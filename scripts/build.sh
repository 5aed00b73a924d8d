#!/usr/bin/env bash
# Configures and builds one tree: "native" (Linux, tests and tools), "win32" (the shipped 32-bit
# spacewell.exe and the Win32 tests, cross-built with MinGW-w64), "win64" (the same as a 64-bit
# program), "tsan" (ThreadSanitizer), "asan" (Address- and UndefinedBehaviorSanitizer) or "fuzz"
# (libFuzzer targets, clang). SPACEWELL_WERROR=ON in the environment makes warnings errors.
# Usage: scripts/build.sh native|win32|win64|tsan|asan|fuzz [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
# Lets ccache share objects between clones of the repository and between build trees (with
# debug information, ccache otherwise keys each object to its tree's folder).
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
kind=$1; shift
case "$kind" in
  native) extra=() ;;
  win32)  extra=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake) ;;
  win64)  extra=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake) ;;
  tsan)   extra=(-DSPACEWELL_TSAN=ON) ;;
  asan)   extra=(-DSPACEWELL_ASAN=ON) ;;
  fuzz)   extra=(-DSPACEWELL_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  *) echo "usage: $0 native|win32|win64|tsan|asan|fuzz [targets...]" >&2; exit 2 ;;
esac
# The tests are on in every tree the scripts make, so a missing GoogleTest stops the configure.
extra+=(-DSPACEWELL_WERROR="${SPACEWELL_WERROR:-OFF}" -DSPACEWELL_TESTS=ON)
cmake -S . -B "build/$kind" "${extra[@]}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "build/$kind" -j"$(nproc)" --target "$@"
else
  cmake --build "build/$kind" -j"$(nproc)"
fi
