// System-wide hotkeys, named in the toolkit's keys and shift states. A window is named by an
// opaque integer (the native handle's value), so nothing outside a platform's backend sees a
// window type.
#pragma once

#include "platform/keys.h"
#include "platform/window_id.h"

namespace sw {

class IHotkeys {
public:
    virtual ~IHotkeys() = default;
    // `modifiers` holds ssAlt, ssCtrl and ssShift only. False when another registration holds
    // the combination, the id is taken or the platform has no such key.
    virtual bool Register(WindowId window, int id, TShiftState modifiers, TKey key) = 0;
    virtual bool Unregister(WindowId window, int id) = 0;
};

}  // namespace sw
