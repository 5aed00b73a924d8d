#!/usr/bin/env bash
# The README's pictures, drawn by the headless snapshot tool from the drives in docs/drives.txt:
# docs/main.png (the main window with its buttons, in gigabytes after the key G) and
# docs/memory.png (the memory window that ">>" brings out), and both again at 150 % and 200 %
# display scale (docs/main-150.png, docs/memory-150.png, docs/main-200.png, docs/memory-200.png).
#   scripts/pictures.sh                    builds the snapshot tool and redraws docs/*.png
#   scripts/pictures.sh --check SNAPSHOT   draws with SNAPSHOT into a scratch folder and fails
#                                          unless docs/*.png still match pixel for pixel
set -euo pipefail
cd "$(dirname "$0")/.."

draw() {  # snapshot tool, output folder
  "$1" --keys g docs/drives.txt "$2/main.png" >/dev/null
  "$1" --memory docs/drives.txt "$2/memory.png" >/dev/null
  "$1" --dpi 144 --keys g docs/drives.txt "$2/main-150.png" >/dev/null
  "$1" --dpi 144 --memory docs/drives.txt "$2/memory-150.png" >/dev/null
  "$1" --dpi 192 --keys g docs/drives.txt "$2/main-200.png" >/dev/null
  "$1" --dpi 192 --memory docs/drives.txt "$2/memory-200.png" >/dev/null
}

if [ "${1:-}" = --check ]; then
  scratch=$(mktemp -d)
  trap 'rm -rf "$scratch"' EXIT
  draw "$2" "$scratch"
  stale=0
  for drawn in "$scratch"/*.png; do
    name=$(basename "$drawn")
    differ=$(compare -metric AE "docs/$name" "$drawn" null: 2>&1) || true
    if [ "$differ" != 0 ]; then
      echo "docs/$name differs from what the snapshot tool draws ($differ); run scripts/pictures.sh"
      stale=1
    fi
  done
  exit $stale
fi

scripts/build.sh native snapshot >/dev/null
draw build/native/tools/snapshot docs
echo "docs/main.png docs/memory.png docs/main-150.png docs/memory-150.png docs/main-200.png docs/memory-200.png redrawn"
