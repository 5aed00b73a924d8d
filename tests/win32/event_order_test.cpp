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
    // The main form the script made must not outlive it: the next test's first form is its own.
    Application().Reset();
}

}  // namespace
