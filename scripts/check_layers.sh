#!/usr/bin/env bash
# Refuses an include that points up the layers: every library sees the whole src/ folder, so the
# compiler alone would let gfx/ include app/. Each quoted include of a file under src/ must name
# a folder its own folder may use:
#   platform  < meter          platform, gfx < ui < controls < app
# A backend folder (win32, posix, x11, headless, fake) is seen only from a folder of the same name
# (win32 from win32), from its own layer's backend folders of that name or below it (posix from
# posix/dbus), and not from the core above it; the fakes only from the fakes. gfx/fnt is part of
# gfx, ui/drawn (what the program draws where a desktop does not) part of ui. A program's start
# (app/win32, app/linux) puts together the backends of its platform. The controls and the app
# reach the toolkit's backend through the form, the screen or the application, never directly.
# Usage: scripts/check_layers.sh [files...]  (every file under src/ without any)
set -euo pipefail
cd "$(dirname "$0")/.."

# The layers a core folder may include, itself first.
uses() {
  case "$1" in
    platform) echo "platform" ;;
    meter) echo "meter platform" ;;
    gfx) echo "gfx" ;;
    ui) echo "ui gfx platform" ;;
    controls) echo "controls ui gfx platform" ;;
    app) echo "app controls meter ui gfx platform" ;;
    *) return 1 ;;
  esac
}

# 0 when a file in folder $1 may include "$2".
allowed() {
  local from=$1 include=$2
  local layer=${from%%/*} backend=
  [ "$from" != "$layer" ] && backend=${from#*/}
  local target=${include%/*}
  [ "$target" = "$include" ] && return 0  # a file beside it
  local tlayer=${target%%/*} tbackend=
  [ "$target" != "$tlayer" ] && tbackend=${target#*/}
  [ "$tbackend" = fnt ] || [ "$tbackend" = drawn ] && tbackend=
  local layers
  layers=$(uses "$layer") || return 1
  [[ " $layers " == *" $tlayer "* ]] || return 1
  [ -z "$tbackend" ] && return 0
  [ "$tbackend" = "$backend" ] || [[ "$backend" == "$tbackend/"* ]] && return 0
  [ "$from" = app/linux ] && [[ " x11 posix posix/dbus " == *" $tbackend "* ]]
}

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
  mapfile -t files < <(find src -name '*.h' -o -name '*.cpp' | sort)
fi
bad=0
for file in "${files[@]}"; do
  folder=$(dirname "${file#src/}")
  while IFS= read -r include; do
    [ -e "src/$include" ] || continue  # a generated or a system header
    if ! allowed "$folder" "$include"; then
      echo "$file: includes \"$include\", above or beside its layer" >&2
      bad=1
    fi
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)".*/\1/p' "$file")
  case "$folder" in
    controls* | app*)
      if grep -q 'CurrentBackend()' "$file"; then
        echo "$file: reaches the backend itself; ask the form, the screen or the application" >&2
        bad=1
      fi
      ;;
  esac
done
exit $bad
