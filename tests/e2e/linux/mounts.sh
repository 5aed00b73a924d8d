#!/usr/bin/env bash
# A real mount and unmount, heard by the drives' watcher: a small ext4 image is mounted through a
# loop device under /mnt and must be reported within 0.5 s with the first free letter while the
# other drives keep theirs, and its unmount must be reported too. Needs root and a loop device;
# without them it fails and says why. The check itself is a disabled test of test_platform that
# this script runs with the image and the folder it names (mount_check below); a later check of
# the whole program can call mount_make and mount_cleanup the same way.
set -uo pipefail
cd "$(dirname "$0")/../../.."
root=$PWD
fail() { echo "mounts: FAIL ($*)" >&2; exit 1; }

[ "$(id -u)" = 0 ] || fail "mounting a loop device needs root"
command -v mkfs.ext4 >/dev/null || fail "mkfs.ext4 is missing: Debian's e2fsprogs"
[ -e /dev/loop-control ] || ls /dev/loop[0-9]* >/dev/null 2>&1 ||
  fail "no loop device on this machine (/dev/loop-control)"

scratch=$(mktemp -d /tmp/spacewell-mounts.XXXXXX)
folder=/mnt/spacewell-mounts-$$
image=$scratch/disk.img

mount_make() {
  truncate -s 8M "$image" && mkfs.ext4 -q -F -L SWTEST "$image" >/dev/null &&
    mkdir -p "$folder"
}
mount_cleanup() {
  mountpoint -q "$folder" 2>/dev/null && umount "$folder"
  rmdir "$folder" 2>/dev/null
  rm -rf "$scratch"
}
trap mount_cleanup EXIT

mount_check() {
  local binary=$root/build/native/tests/test_platform
  if [ ! -x "$binary" ]; then
    scripts/build.sh native test_platform >"$scratch/build.log" 2>&1 ||
      fail "test_platform does not build (see $scratch/build.log)"
  fi
  SPACEWELL_MOUNT_IMAGE=$image SPACEWELL_MOUNT_FOLDER=$folder "$binary" \
    --gtest_also_run_disabled_tests --gtest_filter='PosixDrivesTest.DISABLED_ALoopMount*'
}

mount_make || fail "the ext4 image or $folder could not be made"
if mount_check; then
  echo "mounts: PASS"
else
  fail "the watcher did not report the mount and unmount as it should (see above)"
fi
