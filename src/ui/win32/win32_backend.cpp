// The backend's lifetime: the window classes and the windows of its own (the application's
// taskbar window, the utility window, and the hint window once a hint first shows), the event
// that wakes the loop for posted work, and what it still holds when it goes.
#include "ui/win32/win32_internal.h"

#include <memory>

using namespace win32ui;

Win32Backend::Win32Backend() : FGuiThread(GetCurrentThreadId())
{
    gBackend = this;
    RegisterWindowClasses();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // A zero-sized captioned popup: it shows only as the taskbar button.
    FAppWindow = Id(CreateWindowExA(
        0, kAppClass, "", WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
        GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr,
        nullptr, instance, nullptr));
    FUtilWindow = Id(CreateWindowExA(0, kUtilClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     instance, nullptr));
    FPostedEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
}

// Made on first use: a window costs a round trip to the window system, and most runs never
// show a hint.
WindowId Win32Backend::HintWindow()
{
    if (FHintWindow == 0)
        FHintWindow = Id(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kHintClass, "",
                                         WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr,
                                         GetModuleHandleA(nullptr), nullptr));
    return FHintWindow;
}

Win32Backend::~Win32Backend()
{
    for (auto& [id, tick] : FTimers)
        KillTimer(H(FUtilWindow), static_cast<UINT_PTR>(id));
    for (auto& [window, icon] : FIcons)
        DestroyIcon(reinterpret_cast<HICON>(icon));
    if (FAppIcon != 0)
        DestroyIcon(reinterpret_cast<HICON>(FAppIcon));
    for (std::uintptr_t cursor : FCursors)
        DestroyCursor(reinterpret_cast<HCURSOR>(cursor));
    if (FHintWindow != 0)
        DestroyWindow(H(FHintWindow));
    DestroyWindow(H(FUtilWindow));
    DestroyWindow(H(FAppWindow));
    if (FPostedEvent != nullptr)
        CloseHandle(FPostedEvent);
    if (gBackend == this)
        gBackend = nullptr;
}

std::unique_ptr<Backend> MakeWin32Backend() { return std::make_unique<Win32Backend>(); }
