// Win32's order of notices for one script of actions, which the headless backend must keep too
// (tests/ui/event_order_script.h). Needs a display.
#include <gtest/gtest.h>

#include "ui/event_order_script.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

// What the platform queued after a step arrives within a few rounds of the loop.
void Settle()
{
    for (int i = 0; i < 20; ++i) {
        Application().ProcessMessages();
        Sleep(5);
    }
}

TEST(UiWin32EventOrder, TheScriptHearsTheOrderTheHeadlessBackendKeeps)
{
    EXPECT_EQ(PlayEventOrderScript(Settle), kEventOrder);
}

// Not yet kept: under Wine the minimize deactivates nothing, and the restore activates the
// application window (the active form hears "deactivate") and hands the activation back to the
// form ("activate"); the headless backend deactivates at the minimize and activates nothing at
// the restore. Run with --gtest_also_run_disabled_tests once the two agree.
TEST(UiWin32EventOrder, DISABLED_MinimizeAndRestoreHearTheOrderTheHeadlessBackendKeeps)
{
    std::vector<std::string> expected = kEventOrder;
    expected.insert(expected.end(), kMinimizeAndRestoreOrder.begin(),
                    kMinimizeAndRestoreOrder.end());
    EXPECT_EQ(PlayEventOrderScript(Settle, true), expected);
}

}  // namespace
