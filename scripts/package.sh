#!/usr/bin/env bash
# Builds the packages users install:
#   zip  build/spacewell-<version>-win32.zip for Windows (spacewell.exe, README.txt, LICENSE.txt),
#        from the MinGW-w64 cross build;
#   deb  build/spacewell_<version>_amd64.deb for Debian and Ubuntu, from a Release
#        build of the native program with Debian's hardening flags, in build/deb.
# Usage: scripts/package.sh [zip|deb|all]   (all, the default, makes both). Prints each path.
set -euo pipefail
cd "$(dirname "$0")/.."
what=${1:-all}
case "$what" in
  zip|deb|all) ;;
  *) echo "usage: $0 [zip|deb|all]" >&2; exit 2 ;;
esac
scripts/deps.sh
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1

# cpack_one TREE PATTERN: runs the tree's CPack and moves its single package into build/.
cpack_one() {
  rm -rf "$1/cpack"
  cpack --config "$1/CPackConfig.cmake" -B "$1/cpack" >/dev/null
  local made=("$1"/cpack/$2)
  [ ${#made[@]} -eq 1 ] && [ -f "${made[0]}" ] || { echo "package: no $2 from CPack" >&2; exit 1; }
  mv "${made[0]}" build/
  echo "build/$(basename "${made[0]}")"
}

if [ "$what" != deb ]; then
  scripts/build.sh win32 spacewell
  cpack_one build/win32 'spacewell-*-win32.zip'
fi
if [ "$what" != zip ]; then
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cmake -S . -B build/deb -DCMAKE_BUILD_TYPE=Release -DSPACEWELL_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
  cmake --build build/deb -j"$(nproc)" --target spacewell deb_files
  cpack_one build/deb 'spacewell_*_amd64.deb'
fi
