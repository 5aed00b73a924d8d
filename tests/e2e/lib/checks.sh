# Sourced by the end-to-end tests: one line per check, a count of failures, pixel reads from a
# capture and a window's geometry as X sees it.
failures=0
pass() { echo "  ok    $*"; }
fail() { echo "  FAIL  $*"; failures=$((failures + 1)); }
check() {  # description, actual, expected
  if [ "$2" = "$3" ]; then pass "$1 ($2)"; else fail "$1: got $2, expected $3"; fi
}

# e2e_pixel PNG X Y: the pixel as RRGGBB.
e2e_pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6; }

# e2e_geometry WINDOW: "left top width height" from xwininfo.
e2e_geometry() {
  timeout 10 xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

# e2e_same_picture DESCRIPTION A.png B.png: passes when the two pictures are equal pixel for pixel.
e2e_same_picture() {
  local differ box
  differ=$(compare -metric AE "$2" "$3" null: 2>&1)
  if [ "$differ" = 0 ]; then
    pass "$1"
  else
    box=$(convert "$2" "$3" -compose difference -composite -threshold 0 -format '%@' info: 2>/dev/null)
    fail "$1: $differ pixels differ within $box ($2, $3)"
  fi
}

# e2e_capture_until_same WINDOW OUT.png EXPECTED.png: captures the window into OUT until it
# equals EXPECTED, for at most 5 s (a drive answering late fills its row in by itself).
e2e_capture_until_same() {
  for _ in $(seq 10); do
    timeout 20 import -window "$1" "$2"
    [ "$(compare -metric AE "$2" "$3" null: 2>&1)" = 0 ] && return
    sleep 0.5
  done
}

# e2e_summary NAME WORKDIR: the closing line and the exit status.
e2e_summary() {
  if [ "$failures" -eq 0 ]; then echo "$1: PASS"; else echo "$1: FAIL ($failures checks failed; pictures in $2)"; fi
  [ "$failures" -eq 0 ]
}
