# Sourced by the end-to-end tests after scripts/wine-env.sh: gives the scratch prefix a fixed
# set of drives of known kinds and sizes and the headless renderer's system colours, and writes
# the same drives as a drive table for the snapshot tool.
#
# E2E_DRIVES: "letter kind size_mb used_mb"; kind is a Wine drive type (hd, cdrom, floppy,
# network); "-" sizes make a dangling link, a drive without a medium. C: stays Wine's system
# drive but is typed as a RAM disk, which the program skips, so no host figures show.
# A test may set its own before sourcing this.
[ -n "${E2E_DRIVES+x}" ] || E2E_DRIVES=("D hd 64 16" "E cdrom - -" "F floppy - -" "G network 32 8" "H floppy 16 4")
E2E_MOUNTED=0

# e2e_drives_up AREA SNAPSHOT_TOOL: mounts tmpfs drives under AREA (plain folders where mount
# is refused, then E2E_MOUNTED stays 0), links them into the prefix and restarts the wineserver.
e2e_drives_up() {
  local area=$1 snapshot=$2 dos=$WINEPREFIX/dosdevices reg=$WINEPREFIX/drive_c/e2e-setup.reg
  local entry letter kind size used mounted=1 keep=" c "
  e2e_drives_down "$area"
  mkdir -p "$area"
  {
    "$snapshot" --colors-reg
    printf '\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Drives]\n"c:"="ramdisk"\n'
  } > "$reg"
  for entry in "${E2E_DRIVES[@]}"; do
    read -r letter kind size used <<<"$entry"
    letter=${letter,,}
    keep+="$letter "
    printf '"%s:"="%s"\n' "$letter" "$kind" >> "$reg"
    if [ "$size" = - ]; then
      ln -sfn "$area/$letter-absent" "$dos/$letter:"
      continue
    fi
    mkdir -p "$area/$letter"
    if mount -t tmpfs -o "size=${size}m" tmpfs "$area/$letter" 2>/dev/null; then
      dd if=/dev/zero of="$area/$letter/data" bs=1M count="$used" status=none
    else
      mounted=0
    fi
    ln -sfn "$area/$letter" "$dos/$letter:"
  done
  timeout 60 wine reg import 'C:\e2e-setup.reg' /reg:64 >/dev/null 2>&1
  rm -f "$reg"
  # Only the drives above: Z: would be the whole host file system, other letters host figures.
  for entry in "$dos"/?:; do
    letter=$(basename "$entry"); letter=${letter%:}
    case $keep in *" $letter "*) ;; *) rm -f "$entry" ;; esac
  done
  timeout 30 wineserver -k 2>/dev/null || true
  timeout 30 wineserver -w
  E2E_MOUNTED=$mounted
}

# e2e_drive_table AREA FILE: the drives as the snapshot tool reads them, sizes as the file
# systems report them now (what Wine's space queries see).
e2e_drive_table() {
  local area=$1 file=$2 entry letter kind size used blocks bsize avail
  : > "$file"
  for entry in "${E2E_DRIVES[@]}"; do
    read -r letter kind size used <<<"$entry"
    case $kind in hd) kind=fixed ;; floppy) kind=removable ;; esac
    if [ "$size" = - ]; then
      echo "$letter $kind - -" >> "$file"
    else
      read -r blocks bsize avail < <(stat -f -c '%b %S %a' "$area/${letter,,}")
      echo "$letter $kind $((blocks * bsize)) $((avail * bsize))" >> "$file"
    fi
  done
}

# e2e_drives_down AREA: unlinks the drives, unmounts and removes their folders.
e2e_drives_down() {
  local area=$1 dir entry letter
  for entry in "${E2E_DRIVES[@]}"; do
    read -r letter _ <<<"$entry"
    rm -f "$WINEPREFIX/dosdevices/${letter,,}:"
  done
  [ -d "$area" ] || return 0
  for dir in "$area"/*/; do
    mountpoint -q "$dir" && umount "$dir"
  done
  rm -rf "$area"
}
