// The process's own hotkey table.
#include "platform/hotkey_table.h"

#include <algorithm>

namespace sw {

bool HotkeyTable::Register(WindowId window, int id, unsigned modifiers, unsigned virtualKey)
{
    bool taken = std::any_of(FRegistrations.begin(), FRegistrations.end(), [&](const auto& r) {
        return (r.window == window && r.id == id) ||
               (r.modifiers == modifiers && r.virtualKey == virtualKey);
    });
    if (taken)
        return false;
    FRegistrations.push_back({window, id, modifiers, virtualKey});
    return true;
}

bool HotkeyTable::Unregister(WindowId window, int id)
{
    auto it = std::find_if(FRegistrations.begin(), FRegistrations.end(),
                           [&](const auto& r) { return r.window == window && r.id == id; });
    if (it == FRegistrations.end())
        return false;
    FRegistrations.erase(it);
    return true;
}

std::optional<HotkeyRegistration> HotkeyTable::Holder(unsigned modifiers, unsigned virtualKey) const
{
    for (const auto& r : FRegistrations)
        if (r.modifiers == modifiers && r.virtualKey == virtualKey)
            return r;
    return std::nullopt;
}

}  // namespace sw
