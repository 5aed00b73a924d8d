// A hotkey table kept by the process itself, with the system's rule: a combination belongs to
// one registration at a time, and a window's id to one combination. The POSIX build has no
// system-wide table to join and uses it as its service; the tests' fake is the same table.
#pragma once

#include <optional>
#include <vector>

#include "platform/hotkey.h"

namespace sw {

struct HotkeyRegistration {
    WindowId window = 0;
    int id = 0;
    TShiftState modifiers = 0;
    TKey key = TKey::None;
};

class HotkeyTable : public IHotkeys {
public:
    bool Register(WindowId window, int id, TShiftState modifiers, TKey key) override;
    bool Unregister(WindowId window, int id) override;

    const std::vector<HotkeyRegistration>& Registrations() const { return FRegistrations; }
    // The registration a key press would reach, if any.
    std::optional<HotkeyRegistration> Holder(TShiftState modifiers, TKey key) const;

private:
    std::vector<HotkeyRegistration> FRegistrations;
};

}  // namespace sw
