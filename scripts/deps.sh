#!/usr/bin/env bash
# Installs the Debian packages the build and every test level need, when any is missing.
set -euo pipefail
packages=(cmake make g++ ccache googletest libgtest-dev libpng-dev libbenchmark-dev
          g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb xdotool x11-utils imagemagick
          unzip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
