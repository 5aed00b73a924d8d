// Hotkeys on POSIX systems. There is no system-wide table to join, so registrations are kept
// in the process's own, with the same rule as the system's: a combination belongs to one
// registration at a time, and a window's id to one combination.
#pragma once

#include <vector>

#include "platform/hotkey.h"

namespace sw {

class PosixHotkeys : public IHotkeys {
public:
    bool Register(WindowId window, int id, unsigned modifiers, unsigned virtualKey) override;
    bool Unregister(WindowId window, int id) override;

private:
    struct Registration {
        WindowId window;
        int id;
        unsigned modifiers;
        unsigned virtualKey;
    };
    std::vector<Registration> FRegistrations;
};

}  // namespace sw
