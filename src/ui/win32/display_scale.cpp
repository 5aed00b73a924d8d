// The display scale. The per-monitor calls exist from Windows 10 on: they are looked up at run
// time, so the program still starts on Windows 7 and 8.1 and scales there by the system's dpi.
#include "ui/win32/win32_internal.h"

using namespace win32ui;

namespace {

using DpiForWindowFn = UINT(WINAPI*)(HWND);
using DpiForSystemFn = UINT(WINAPI*)();

// A function of user32 by name, or nullptr where this Windows lacks it.
template <typename Fn> Fn User32Function(const char* name)
{
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

// LOGPIXELSY of the screen: the system's scale on every Windows.
int ScreenLogPixels()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int Win32Backend::SystemDpi()
{
    static const auto forSystem = User32Function<DpiForSystemFn>("GetDpiForSystem");
    if (forSystem != nullptr)
        if (const UINT dpi = forSystem(); dpi != 0)
            return static_cast<int>(dpi);
    return ScreenLogPixels();
}

int Win32Backend::WindowDpi(WindowId window)
{
    static const auto forWindow = User32Function<DpiForWindowFn>("GetDpiForWindow");
    if (forWindow != nullptr && window != 0)
        if (const UINT dpi = forWindow(H(window)); dpi != 0)
            return static_cast<int>(dpi);
    return SystemDpi();
}
