// System-wide hotkeys. A window is named by an opaque integer (the native handle's value), so
// nothing outside the Windows backend sees a window type.
#pragma once

#include "platform/window_id.h"

namespace sw {

// Modifier bits and a key code in the Win32 numbering.
inline constexpr unsigned kModAlt = 0x1;
inline constexpr unsigned kModControl = 0x2;
inline constexpr unsigned kModShift = 0x4;
inline constexpr unsigned kVirtualKeyD = 0x44;

class IHotkeys {
public:
    virtual ~IHotkeys() = default;
    // False when another registration holds the combination or the id is taken.
    virtual bool Register(WindowId window, int id, unsigned modifiers, unsigned virtualKey) = 0;
    virtual bool Unregister(WindowId window, int id) = 0;
};

}  // namespace sw
