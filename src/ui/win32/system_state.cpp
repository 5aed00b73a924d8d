// Keyboard state, screen size and the clock.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

TShiftState Win32Backend::KeyboardShift()
{
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

bool Win32Backend::KeyPressed(TKey key) { return GetKeyState(VirtualKeyOf(key)) < 0; }

// The high word names the kinds of message in the queue now.
bool Win32Backend::InputWaiting()
{
    return HIWORD(GetQueueStatus(QS_INPUT | QS_HOTKEY | QS_POSTMESSAGE)) != 0;
}

TSize Win32Backend::ScreenSize()
{
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32Backend::Pause(unsigned ms) { ::Sleep(ms); }

std::uint32_t Win32Backend::TickCount() { return GetTickCount(); }

unsigned Win32Backend::DoubleClickTime() { return GetDoubleClickTime(); }
