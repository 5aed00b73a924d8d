#!/usr/bin/env bash
# Runs every test level: the house format, native unit tests (headless toolkit included), the
# threaded tests under ThreadSanitizer, the native tests under Address- and
# UndefinedBehaviorSanitizer, a minute of settings-file fuzzing, the Win32 services under Wine,
# spacewell.exe end to end under Wine in Xvfb, and the native Linux program end to end on a real
# desktop under Xvfb. Every build treats a warning as an error.
# Usage: scripts/test.sh [format|native|tsan|asan|fuzz|win32|e2e|desktop ...]  (all without one)
# SPACEWELL_SKIP_DEPS=1 skips the package check on a machine set up by hand.
set -euo pipefail
cd "$(dirname "$0")/.."
all_levels=(format native tsan asan fuzz win32 e2e desktop)
levels=("${@:-${all_levels[@]}}")
for l in "${levels[@]}"; do
  [[ " ${all_levels[*]} " == *" $l "* ]] || { echo "unknown level: $l (${all_levels[*]})" >&2; exit 2; }
done
[ "${SPACEWELL_SKIP_DEPS:-0}" = 1 ] || scripts/deps.sh
export SPACEWELL_WERROR=ON

# A level runs in a subshell of its own with errexit on (a test of its status would switch it
# off), so a step that fails, set-up included, fails the level.
passed=0; failed=0
level() {
  local name=$1 rc began=$SECONDS; shift
  echo "== $name =="
  set +e
  (set -e; "$@")
  rc=$?
  set -e
  if [ "$rc" -eq 0 ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "!! $name failed"; fi
  echo "-- $name: $((SECONDS - began)) s"
}

# Every C++ file in the house style (.clang-format), and no include that points up a layer.
format() { git ls-files '*.h' '*.cpp' | xargs clang-format --dry-run --Werror && scripts/check_layers.sh; }

native() { scripts/build.sh native && ctest --test-dir build/native --output-on-failure -j"$(nproc)"; }

# The scrolling text's worker threads and the drive scan's workers, checked for data races.
tsan() {
  scripts/build.sh tsan test_controls test_app
  TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/test_controls --gtest_filter='*Timer*:*ScrollText*:BeatBatch*'
  TSAN_OPTIONS=halt_on_error=1 build/tsan/tests/test_app --gtest_filter='OfflineShare*:HiddenScrollText*'
}

# The native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer. The soak is left
# out: it counts the heap through its own allocation functions, which the sanitizer replaces.
asan_tests=(test_meter test_platform test_gfx test_ui test_controls test_app test_dbus)
asan() {
  scripts/build.sh asan "${asan_tests[@]}" &&
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build/asan --output-on-failure -j"$(nproc)" \
        -R "^($(IFS='|'; echo "${asan_tests[*]}"))\$"
}

# Bad settings files for a minute (fuzz/run.sh builds with clang and says what it found).
fuzz() { bash fuzz/run.sh 60; }

wine_level() {
  scripts/build.sh win32
  source scripts/wine-env.sh
  [ -z "${SW_WINDOWS_BUILD:-}" ] || scripts/build.sh "${SW_WINDOWS_BUILD#build/}"
  sw_start_x
  sw_make_prefix
  local rc=0
  bash tests/win32/run.sh || rc=1
  sw_kill_wine
  sw_stop_x
  return $rc
}

# scripts_in FOLDER: every end-to-end script there, each timed; fails when any failed.
scripts_in() {
  local rc=0 t
  for t in "$1"/*.sh; do
    [ -e "$t" ] || continue
    local began=$SECONDS
    bash "$t" || rc=1
    echo "-- $(basename "$t" .sh): $((SECONDS - began)) s"
  done
  return $rc
}

e2e() { scripts_in tests/e2e; }

# The native program, its package and its parts on openbox, xfce4-panel and dunst; each script
# starts the desktop it needs (tests/e2e/lib/linux_desktop.sh).
desktop() {
  scripts/build.sh native spacewell snapshot test_x11 test_platform
  scripts_in tests/e2e/linux
}

declare -A titles=(
  [format]="house format" [native]="native unit tests"
  [tsan]="timer threads under ThreadSanitizer"
  [asan]="native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  [fuzz]="settings file fuzzing" [win32]="Win32 tests under Wine" [e2e]="end to end under Wine"
  [desktop]="native program end to end on a Linux desktop")
declare -A steps=([format]=format [native]=native [tsan]=tsan [asan]=asan [fuzz]=fuzz
                  [win32]=wine_level [e2e]=e2e [desktop]=desktop)
for l in "${levels[@]}"; do level "${titles[$l]}" "${steps[$l]}"; done
echo "levels: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
