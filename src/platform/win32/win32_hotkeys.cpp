// System-wide hotkeys through user32; the window id is the HWND's value.
#include <windows.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

class Win32Hotkeys : public IHotkeys {
public:
    bool Register(WindowId window, int id, unsigned modifiers, unsigned virtualKey) override
    {
        return RegisterHotKey(reinterpret_cast<HWND>(window), id, modifiers, virtualKey) != 0;
    }
    bool Unregister(WindowId window, int id) override
    {
        return UnregisterHotKey(reinterpret_cast<HWND>(window), id) != 0;
    }
};

}  // namespace

std::shared_ptr<IHotkeys> MakeWin32Hotkeys() { return std::make_shared<Win32Hotkeys>(); }

}  // namespace sw
