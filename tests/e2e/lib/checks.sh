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

# e2e_menu_labels_cut MENU.png: the rows (y) of a captured pop-up menu where a label runs into the
# menu's right margin, space-separated; nothing when every label is whole. An ink run at a row's
# right end is a submenu's arrow only with a clear gap before it.
e2e_menu_labels_cut() {
  convert "$1" -colorspace gray -threshold 38% txt:- | awk -F'[,: ]+' '
    NR == 1 { next }
    { x = $1; y = $2; if (x + 1 > w) w = x + 1; if ($0 ~ /black|#000000/) ink[y] = ink[y] " " x }
    END {
      for (y in ink) {
        n = split(substr(ink[y], 2), xs, " ")
        right = 0; for (i = 1; i <= n; i++) if (xs[i] + 0 > right) right = xs[i] + 0
        if (right < w - 16) continue
        start = right; grown = 1
        while (grown) { grown = 0; for (i = 1; i <= n; i++) if (xs[i] + 0 == start - 1) { start--; grown = 1 } }
        before = 0; for (i = 1; i <= n; i++) if (xs[i] + 0 < start && xs[i] + 0 > before) before = xs[i] + 0
        if (right - start > 12 || (before > 0 && start - before < 6)) print y
      }
    }' | sort -n | tr '\n' ' ' | sed 's/ $//'
}

# e2e_summary NAME WORKDIR: the closing line and the exit status.
e2e_summary() {
  if [ "$failures" -eq 0 ]; then echo "$1: PASS"; else echo "$1: FAIL ($failures checks failed; pictures in $2)"; fi
  [ "$failures" -eq 0 ]
}
