// The Win32 message loop across application lifetimes: ending the application without ever
// entering its loop, then resetting it, must leave timers ticking and a later loop waiting
// until it is ended again. Needs a display.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/timer.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace {

TEST(UiWin32, TimersAndTheLoopWorkAfterATerminateOutsideTheLoop)
{
    Application().Terminate();
    Application().Reset();

    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(10);
    timer.OnTimer = [&](TObject*) { ++ticks; };
    for (int i = 0; i < 400 && ticks < 2; ++i) {
        Application().ProcessMessages();
        Sleep(5);
    }
    ASSERT_GE(ticks, 2);

    // The loop must wait for this Terminate, not return at once on the earlier one.
    timer.OnTimer = [&](TObject*) {
        if (++ticks == 5)
            Application().Terminate();
    };
    Application().Run();
    EXPECT_EQ(ticks, 5);
    Application().Reset();
}

}  // namespace
