// Hotkey registrations kept in a table: a combination belongs to one registration at a time,
// as the system's table does, and tests can see who holds what.
#pragma once

#include <optional>
#include <vector>

#include "platform/hotkey.h"

namespace sw {

struct HotkeyRegistration {
    WindowId window = 0;
    int id = 0;
    unsigned modifiers = 0;
    unsigned virtualKey = 0;
};

class FakeHotkeys : public IHotkeys {
public:
    bool Register(WindowId window, int id, unsigned modifiers, unsigned virtualKey) override;
    bool Unregister(WindowId window, int id) override;

    const std::vector<HotkeyRegistration>& Registrations() const { return FRegistrations; }
    // The registration a key press would reach, if any.
    std::optional<HotkeyRegistration> Holder(unsigned modifiers, unsigned virtualKey) const;

private:
    std::vector<HotkeyRegistration> FRegistrations;
};

}  // namespace sw
