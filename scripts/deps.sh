#!/usr/bin/env bash
# Installs the Debian packages the build and every test level need, when any is missing.
set -euo pipefail
# The shipped program is 32-bit: MinGW-w64's i686 compiler and Wine's i386 half (wine32).
# xmllint (libxml2-utils) reads the exes' manifests in tests/win32/loader_check.sh. The native
# Linux program needs Xlib with XCB (RandR through it) and sd-bus; its desktop tests a session
# bus, openbox, xfce4-panel (its status tray hosts the icon), dunst and busctl (systemd); its
# package dpkg-shlibdeps and lintian.
packages=(cmake make g++ ccache clang-format googletest libgtest-dev libpng-dev libbenchmark-dev
          g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine64 wine32:i386 fonts-wine
          xvfb xdotool x11-utils libx11-dev imagemagick unzip fuse3 libfuse3-dev pkg-config
          libxml2-utils libx11-xcb-dev libxcb-randr0-dev libsystemd-dev dbus openbox xfce4-panel dunst
          systemd lintian dpkg-dev fakeroot file e2fsprogs)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
install() {
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@" "${missing[@]}"
}
if $sudo apt-get update -q; then
  install
else
  # A mirror caught mid-sync can lose one architecture's security index; the i386 half of Wine
  # must then match the amd64 libraries at the main archive's versions, so the security
  # archive steps back for this one install.
  echo "apt-get update failed for some index; installing from the main archive's versions" >&2
  install -o "APT::Default-Release=bookworm"
fi
