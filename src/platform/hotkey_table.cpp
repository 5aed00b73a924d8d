// The process's own hotkey table.
#include "platform/hotkey_table.h"

#include <algorithm>

namespace sw {

bool HotkeyTable::Register(WindowId window, int id, TShiftState modifiers, TKey key)
{
    bool taken = std::any_of(FRegistrations.begin(), FRegistrations.end(), [&](const auto& r) {
        return (r.window == window && r.id == id) || (r.modifiers == modifiers && r.key == key);
    });
    if (taken)
        return false;
    FRegistrations.push_back({window, id, modifiers, key});
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

std::optional<HotkeyRegistration> HotkeyTable::Holder(TShiftState modifiers, TKey key) const
{
    for (const auto& r : FRegistrations)
        if (r.modifiers == modifiers && r.key == key)
            return r;
    return std::nullopt;
}

}  // namespace sw
