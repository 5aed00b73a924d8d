// The Win32 message loop across application lifetimes: ending the application without ever
// entering its loop, then resetting it, must leave timers ticking and a later loop waiting
// until it is ended again; what escapes work the loop runs reaches the application's error
// handling; the backend's wake event, on which timer workers and Synchronize hand over, keeps a
// set for one wait. Needs a display.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/timer.h"
#include "ui/wake_event_contract.h"

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

// A window whose close request fails, which no form's does: forms catch their own.
class FailingWindow : public IWindowHandler {
public:
    void WndPaint() override { }
    THitTest WndHitTest(TPoint) override { return THitTest::Client; }
    TCursor WndCursorAt(TPoint) override { return crDefault; }
    void WndMouseDown(TMouseButton, TShiftState, TPoint) override { }
    void WndMouseMove(TShiftState, TPoint) override { }
    void WndMouseHover(TPoint) override { }
    void WndMouseUp(TMouseButton, TShiftState, TPoint) override { }
    void WndMouseLeave() override { }
    void WndBodyDoubleClick(TPoint) override { }
    void WndKeyDown(TKey, TShiftState) override { }
    void WndKeyUp(TKey, TShiftState) override { }
    void WndChar(char) override { }
    void WndHotkey(int) override { }
    void WndMoved(TRect) override { }
    void WndCloseRequest() override { throw std::runtime_error("close"); }
    void WndActivate(bool) override { }
};

TEST(UiWin32, ProblemsInTicksPostedWorkAndWindowProceduresReachTheApplication)
{
    std::vector<std::string> problems;
    Application().OnException = [&](const std::exception& e) { problems.push_back(e.what()); };
    Backend& backend = CurrentBackend();

    int ticks = 0;
    const int timer = backend.StartTimer(10, [&] {
        if (++ticks == 1)
            throw std::runtime_error("tick");
    });
    backend.PostToGuiThread([] { throw std::runtime_error("posted"); });
    for (int i = 0; i < 400 && ticks < 2; ++i) {
        Application().ProcessMessages();
        Sleep(5);
    }
    backend.StopTimer(timer);
    EXPECT_GE(ticks, 2) << "the timer stopped after its tick threw";

    FailingWindow handler;
    TWindowParams params;
    params.bounds = {0, 0, 50, 50};
    const WindowId window = backend.NewWindow(params, &handler);
    ASSERT_NE(window, 0u);
    SendMessageA(reinterpret_cast<HWND>(window), WM_CLOSE, 0, 0);
    backend.FreeWindow(window);

    std::sort(problems.begin(), problems.end());
    EXPECT_EQ(problems, (std::vector<std::string>{"close", "posted", "tick"}));
    Application().Reset();
}

TEST(UiWin32, TheKernelWakeEventKeepsOneSetForOneWait)
{
    std::unique_ptr<TWakeEvent> event = CurrentBackend().NewWakeEvent();
    ExpectWakeEventContract(*event);
}

}  // namespace
