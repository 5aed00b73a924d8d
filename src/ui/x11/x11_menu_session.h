// One pop-up menu while it is open on X: a window per open level, the pointer and keyboard
// grabbed so that keys reach it and a click anywhere else dismisses it.
#pragma once

#include <memory>
#include <vector>

#include "ui/backend.h"
#include "ui/drawn/menu_face.h"
#include "ui/drawn/menu_tracker.h"
#include "ui/x11/x11_popup_window.h"

// The toolkit's headers come before Xlib's, whose None macro would clash with their enumerators.
#include <X11/Xlib.h>

class TX11MenuSession {
public:
    TX11MenuSession(Display* display, const std::vector<TMenuEntry>& items, TPoint screen, int dpi);
    ~TX11MenuSession();
    TX11MenuSession(const TX11MenuSession&) = delete;
    TX11MenuSession& operator=(const TX11MenuSession&) = delete;

    // Input of any window while the menu is open is the menu's; true when the event was used.
    bool Handle(const XEvent& event);
    bool Done() const { return FOutcome != TMenuOutcome::Open; }
    // The chosen command, 0 when dismissed.
    int Result() const { return FOutcome == TMenuOutcome::Chosen ? FTracker.Command() : 0; }

private:
    struct TShownLevel {
        const std::vector<TMenuEntry>* items = nullptr;
        int selected = -1;
        TMenuFace face;
        std::unique_ptr<TX11PopupWindow> window;
    };

    void Grab();
    // Makes the windows follow the tracker's open levels and selections.
    void Sync();
    TPoint LevelPlace(std::size_t level, TSize size) const;
    // The level whose window lies under a screen point (the deepest first), -1 for none, and
    // the entry there.
    int LevelAt(int xRoot, int yRoot, int& row) const;
    void Pointer(int type, int xRoot, int yRoot);
    bool Owns(Window window) const;

    Display* FDisplay;
    int FDpi;
    TPoint FAt;
    TMenuTracker FTracker;
    TMenuOutcome FOutcome = TMenuOutcome::Open;
    std::vector<TShownLevel> FShown;
};
