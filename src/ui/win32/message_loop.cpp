// The message loop, and work posted to it from other threads.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

// The loop takes one message per wake-up: the next wait returns at once while the queue holds
// more, and the empty look into the queue that GetMessageA makes before each wait is saved (a
// trip to the wineserver under Wine).
void Win32Backend::Run()
{
    // Only a quit asked for while this loop runs ends it; the application decides whether to
    // enter it at all.
    FQuitRequested = false;
    PutAppWindowOnScreen();
    while (!FQuitRequested) {
        const bool input = WaitForWork();
        RunPosted();
        RunDueBeats();
        MSG msg;
        if (!input || FQuitRequested || !PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            continue;
        if (msg.message == WM_QUIT)
            return;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Work posted while the loop sleeps here wakes it through the event, without a message, so
// that only the wait itself costs a trip to the wineserver; the next beat ends the wait by
// itself. True when input came.
bool Win32Backend::WaitForWork()
{
    {
        std::lock_guard lock(FPostLock);
        if (!FPosted.empty())
            return false;
        FLoopWaiting = FPostedEvent != nullptr;
    }
    HANDLE event = FPostedEvent;
    const DWORD events = event != nullptr ? 1 : 0;
    const DWORD woke = MsgWaitForMultipleObjectsEx(events, &event, UntilNextBeat(), QS_ALLINPUT,
                                                   MWMO_INPUTAVAILABLE);
    std::lock_guard lock(FPostLock);
    FLoopWaiting = false;
    return woke == WAIT_OBJECT_0 + events;
}

// A flag rather than WM_QUIT: a WM_QUIT nobody takes out of the queue outranks WM_TIMER and
// WM_PAINT, so timers and painting would stop for good.
void Win32Backend::QuitLoop()
{
    FQuitRequested = true;
    // Wakes a waiting loop; with nothing posted the message does no work.
    PostMessageA(H(FUtilWindow), kRunPosted, 0, 0);
}

void Win32Backend::ProcessMessages()
{
    PutAppWindowOnScreen();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    RunDueBeats();
}

// One wake-up serves all the work posted until the GUI thread takes it: the two scrolling
// headings' workers tick at the same moments. Out of the loop's wait (a menu, a message box, a
// window being dragged) only a message reaches the GUI thread, and the loop runs what was
// posted before it dispatches anything.
void Win32Backend::PostToGuiThread(std::function<void()> work)
{
    bool setEvent = false;
    bool postMessage = false;
    {
        std::lock_guard lock(FPostLock);
        FPosted.push_back(std::move(work));
        if (!FWakeSent) {
            FWakeSent = true;
            setEvent = FLoopWaiting;
            postMessage = !FLoopWaiting;
        }
    }
    if (setEvent)
        SetEvent(FPostedEvent);
    if (postMessage)
        PostMessageA(H(FUtilWindow), kRunPosted, 0, 0);
}

bool Win32Backend::IsGuiThread() { return GetCurrentThreadId() == FGuiThread; }

// The loop calls this after every wait, mostly with nothing posted: an empty queue returns
// before a queue of its own is made (a deque allocates even when empty).
void Win32Backend::RunPosted()
{
    {
        std::lock_guard lock(FPostLock);
        if (FPosted.empty())
            return;
    }
    std::deque<std::function<void()>> work;
    {
        std::lock_guard lock(FPostLock);
        work.swap(FPosted);
        FWakeSent = false;
    }
    for (auto& item : work)
        RunReported(item);
}

std::intptr_t Win32Backend::UtilityMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t)
{
    if (msg == kRunPosted) {
        RunPosted();
        return 0;
    }
    if (!CarryBeats(wParam))
        FireTimer(static_cast<int>(wParam));
    return 0;
}
