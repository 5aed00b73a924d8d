#!/usr/bin/env bash
# Instructions per refresh of the main window (BM_RefreshTenDrives), counted by callgrind so the
# figure does not depend on the machine's speed or load. Callgrind counts only inside
# TMainWindow::ScanDrives and writes one profile per call; the script prints the median call.
# Usage: bench/instructions.sh [build-dir]   (default build/native, built here when needed)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}

if ! command -v valgrind >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends valgrind
fi
if [ "$build" = build/native ]; then
  scripts/build.sh native spacewell_bench >/dev/null
fi

scan='TMainWindow::ScanDrives(std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> > const&)'
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$out/cg" --toggle-collect="$scan" \
  --dump-after="$scan" "$build/bench/spacewell_bench" --benchmark_filter='^BM_RefreshTenDrives$' \
  --benchmark_min_time=0.5 >"$out/log" 2>&1 || { cat "$out/log" >&2; exit 1; }

# Each dump after a call holds that call alone; the final dump at exit holds nothing.
grep -h '^totals:' "$out"/cg.* | awk '$2 > 0 { print $2 }' | sort -n >"$out/calls"
count=$(wc -l <"$out/calls")
[ "$count" -gt 0 ] || { echo "no refresh was counted" >&2; exit 1; }
median=$(sed -n "$(((count + 1) / 2))p" "$out/calls")
echo "refreshes counted: $count (min $(head -1 "$out/calls"), max $(tail -1 "$out/calls"))"
echo "instructions per refresh (median): $median"
