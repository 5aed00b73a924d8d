// The system-wide hotkey as a key grab on the root window, for each state of NumLock and
// CapsLock, so the combination works whichever of them is on. A combination another program
// holds is refused (BadAccess), and Register says so as on Windows.
#pragma once

#include <vector>

#include "platform/hotkey.h"
#include "ui/x11/x11_backend.h"

class X11Hotkeys : public sw::IHotkeys {
public:
    explicit X11Hotkeys(X11Backend& backend);
    ~X11Hotkeys() override;

    bool Register(WindowId window, int id, TShiftState modifiers, TKey key) override;
    bool Unregister(WindowId window, int id) override;

private:
    struct Grab {
        WindowId window = 0;
        int id = 0;
        KeyCode code = 0;
        unsigned modifiers = 0;
    };

    bool Filter(const XEvent& event);
    // The grabs of `code` with `modifiers` under every lock state; false when one is refused
    // (the others are taken back).
    bool GrabAllLocks(KeyCode code, unsigned modifiers);
    void UngrabAllLocks(KeyCode code, unsigned modifiers);
    std::vector<unsigned> LockStates();

    X11Backend& FBackend;
    Display* FDisplay;
    Window FRoot;
    int FFilter = 0;
    std::vector<Grab> FGrabs;
};
