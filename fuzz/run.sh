#!/usr/bin/env bash
# Fuzzes the settings file for a while: builds the libFuzzer target with Debian's clang
# (installed when missing), starts from the committed seeds and keeps new finds out of the
# repository. Any crash, sanitizer report or hang (10 s for one input) fails the run and leaves
# the input in build/fuzz/findings/.
# Usage: fuzz/run.sh [seconds]   (default 60)   or   fuzz/run.sh -runs=N
set -euo pipefail
cd "$(dirname "$0")/.."
limit=-max_total_time=${1:-60}
case "${1:-}" in -runs=*) limit=$1 ;; esac

packages=(clang libclang-rt-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

scripts/build.sh fuzz fuzz_settings
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings=build/fuzz/findings
mkdir -p "$findings"
# The first folder receives new inputs, so the seeds stay as committed.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build/fuzz/fuzz/fuzz_settings "$limit" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -dict=fuzz/settings.dict -artifact_prefix="$findings/" -print_final_stats=1 \
  "$work" fuzz/corpus/settings
