#!/usr/bin/env bash
# Runs every test level: native unit tests (headless toolkit included), the threaded tests under
# ThreadSanitizer, the Win32 services under Wine, and spacewell.exe end to end under Wine in Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

passed=0; failed=0
level() {
  local name=$1; shift
  echo "== $name =="
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "!! $name failed"; fi
}

native() { scripts/build.sh native && ctest --test-dir build/native --output-on-failure -j2; }

# The scrolling text's worker threads, checked for data races.
tsan() {
  scripts/build.sh tsan test_controls &&
    TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/test_controls --gtest_filter='*Timer*:*ScrollText*'
}

wine_level() {
  scripts/build.sh win64 || return 1
  source scripts/wine-env.sh
  sw_start_x
  sw_make_prefix
  local rc=0
  bash tests/win32/run.sh || rc=1
  sw_kill_wine
  sw_stop_x
  return $rc
}

e2e() {
  local rc=0 t
  for t in tests/e2e/*.sh; do
    [ -e "$t" ] || continue
    bash "$t" || rc=1
  done
  return $rc
}

level "native unit tests" native
level "timer threads under ThreadSanitizer" tsan
level "Win32 tests under Wine" wine_level
level "end to end under Wine" e2e
echo "levels: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
