// System-wide hotkeys through user32; the window id is the HWND's value, the toolkit's keys and
// shift states become virtual keys and MOD_* bits.
#include <windows.h>

#include "platform/win32/win32_factories.h"

namespace sw {
namespace {

UINT ModifiersOf(TShiftState shift)
{
    return ((shift & ssAlt) ? MOD_ALT : 0) | ((shift & ssCtrl) ? MOD_CONTROL : 0) |
           ((shift & ssShift) ? MOD_SHIFT : 0);
}

// Letters, digits and the space bar are their own virtual keys; the function keys follow VK_F1.
UINT VirtualKeyOf(TKey key)
{
    const auto code = static_cast<unsigned>(key);
    if (key == TKey::Space || (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return code;
    if (key >= TKey::F1 && key <= TKey::F12)
        return VK_F1 + (code - static_cast<unsigned>(TKey::F1));
    return 0;
}

class Win32Hotkeys : public IHotkeys {
public:
    bool Register(WindowId window, int id, TShiftState modifiers, TKey key) override
    {
        const UINT virtualKey = VirtualKeyOf(key);
        return virtualKey != 0 && RegisterHotKey(reinterpret_cast<HWND>(window), id,
                                                 ModifiersOf(modifiers), virtualKey) != 0;
    }
    bool Unregister(WindowId window, int id) override
    {
        return UnregisterHotKey(reinterpret_cast<HWND>(window), id) != 0;
    }
};

}  // namespace

std::shared_ptr<IHotkeys> MakeWin32Hotkeys() { return std::make_shared<Win32Hotkeys>(); }

}  // namespace sw
