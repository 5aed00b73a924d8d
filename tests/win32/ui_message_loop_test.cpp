// The Win32 message loop across application lifetimes: ending the application without ever
// entering its loop, then resetting it, must leave timers ticking and a later loop waiting
// until it is ended again; what escapes work the loop runs reaches the application's error
// handling; beat timers tick from the loop's wait and through the system's own loops, and a
// timer on the beat stops with its timer; the backend's wake event, on which timer workers and
// Synchronize hand over, keeps a set for one wait. Needs a display.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

// A system loop runs the messages instead of the backend's loop: entered by `enter`, ended
// from a tick by `end`.
struct SystemLoop {
    const char* name;
    std::function<void()> enter;
    std::function<void()> end;
};

// Beat timers tick from the loop's own wait, which nothing else wakes, and go on inside the
// system's loops. A message timer ends a loop whose beats stopped, so the test fails instead of
// waiting for ever.
TEST(UiWin32, BeatTimersTickInTheLoopAndInTheSystemsLoops)
{
    Backend& backend = CurrentBackend();
    ASSERT_TRUE(backend.Offers().beatTimers);
    FailingWindow handler;
    TWindowParams params;
    params.bounds = {100, 100, 150, 150};
    const WindowId window = backend.NewWindow(params, &handler);
    ASSERT_NE(window, 0u);
    backend.SetWindowVisible(window, true);
    const HWND hwnd = reinterpret_cast<HWND>(window);
    TMenuEntry item;
    item.caption = "Item";
    item.command = 1;
    const SystemLoop loops[] = {
        {"the backend's loop", [&] { backend.Run(); }, [&] { backend.QuitLoop(); }},
        {"a pop-up menu",
         [&] {
             backend.TrackPopupMenu({item}, {120, 120});
         },
         [] { EndMenu(); }},
        {"a message box",
         [&] {
             backend.ShowMessageBox("Beats", "BeatsGoOn", TMsgBoxButtons::Ok, TMsgBoxIcon::None);
         },
         [] { PostMessageA(FindWindowA(nullptr, "BeatsGoOn"), WM_CLOSE, 0, 0); }},
        {"moving a window by keyboard", [&] { SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE, 0); },
         [&] { PostMessageA(hwnd, WM_KEYDOWN, VK_RETURN, 0); }},
    };
    for (const SystemLoop& loop : loops) {
        SCOPED_TRACE(loop.name);
        int ticks = 0;
        bool stuck = false;
        // Ended at every tick from the third: the system's window may not be there at once.
        const int beats = backend.StartBeatTimer(10, [&] {
            if (++ticks >= 3)
                loop.end();
        });
        const int failsafe = backend.StartTimer(5000, [&] {
            stuck = true;
            loop.end();
        });
        loop.enter();
        backend.StopTimer(failsafe);
        backend.StopBeatTimer(beats);
        EXPECT_FALSE(stuck) << "the beats stopped";
        EXPECT_GE(ticks, 3);
    }
    backend.FreeWindow(window);
}

// A message timer on the beat runs on the backend's beat timer, which must go when the timer is
// switched off: a tick after that would reach a timer that may be gone.
TEST(UiWin32, ATimerOnTheBeatStopsWhenSwitchedOff)
{
    Backend& backend = CurrentBackend();
    int timerTicks = 0;
    TTimer onBeat(nullptr);
    onBeat.SetOnBeat(true);
    onBeat.SetInterval(10);
    onBeat.OnTimer = [&](TObject*) { ++timerTicks; };
    int ticks = 0;
    const int beats = backend.StartBeatTimer(10, [&] {
        if (++ticks == 3)
            onBeat.SetEnabled(false);
        if (ticks >= 6)
            backend.QuitLoop();
    });
    backend.Run();
    backend.StopBeatTimer(beats);
    EXPECT_GE(timerTicks, 1);
    EXPECT_LE(timerTicks, 3);
}

TEST(UiWin32, TheKernelWakeEventKeepsOneSetForOneWait)
{
    std::unique_ptr<TWakeEvent> event = CurrentBackend().NewWakeEvent();
    ExpectWakeEventContract(*event);
}

}  // namespace
