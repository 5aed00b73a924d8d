#!/usr/bin/env bash
# The menus, message box and hint the program draws on X, on a real desktop (Xvfb and openbox):
# keys through the menu's grabs, clicks, the window manager's close button, the pictures on the
# screen; and the work areas and screen size the backend reads as the desk changes. The checks
# are test_x11's display tests, which the unit level leaves out.
set -euo pipefail
cd "$(dirname "$0")/../../.."
source tests/e2e/lib/linux_desktop.sh
SPACEWELL_WERROR=${SPACEWELL_WERROR:-ON} scripts/build.sh native test_x11 >/dev/null
trap sw_desktop_stop EXIT
sw_desktop_start || { echo "popups: FAIL, no desktop to test on" >&2; exit 1; }
if build/native/tests/test_x11 --gtest_filter='PopupsX11.*:DeskX11.*' --gtest_also_run_disabled_tests \
    --gtest_brief=1; then
  echo "popups: ok"
else
  echo "popups: FAIL" >&2
  exit 1
fi
