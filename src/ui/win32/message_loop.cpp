// The message loop, and work posted to it from other threads.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

void Win32Backend::Run()
{
    // Only a quit asked for while this loop runs ends it; the application decides whether to
    // enter it at all.
    FQuitRequested = false;
    PutAppWindowOnScreen();
    MSG msg;
    while (!FQuitRequested && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A flag rather than WM_QUIT: a WM_QUIT nobody takes out of the queue outranks WM_TIMER and
// WM_PAINT, so timers and painting would stop for good.
void Win32Backend::QuitLoop()
{
    FQuitRequested = true;
    // Wakes a waiting GetMessageA; with nothing posted the message does no work.
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
}

void Win32Backend::PostToGuiThread(std::function<void()> work)
{
    {
        std::lock_guard lock(FPostLock);
        FPosted.push_back(std::move(work));
    }
    PostMessageA(H(FUtilWindow), kRunPosted, 0, 0);
}

bool Win32Backend::IsGuiThread() { return GetCurrentThreadId() == FGuiThread; }

void Win32Backend::RunPosted()
{
    std::deque<std::function<void()>> work;
    {
        std::lock_guard lock(FPostLock);
        work.swap(FPosted);
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
    FireTimer(static_cast<int>(wParam));
    return 0;
}
