// Where the memory window and the main window meet, so that neither includes the other's header:
// what the memory window asks of the window it pops out of, and what that window drives of it.
#pragma once

#include "app/body_drag_form.h"
#include "gfx/color.h"
#include "gfx/geometry.h"

// The window the memory window belongs to.
class IMemoryWindowHost {
public:
    // Screen bounds and body colour: the memory window takes the width, the colour and the
    // vertical middle each time it shows.
    virtual TRect HostBounds() const = 0;
    virtual TColor HostColor() const = 0;
    // The transparency the memory window copies: the alpha-blending switch and the percentage.
    virtual bool MainAlphaBlend() const = 0;
    virtual int MainTransparency() const = 0;
    // A character typed in the memory window: it has no key commands of its own.
    virtual void HandleShortcutKey(char key) = 0;
    // The memory window hid itself by its own close button.
    virtual void MemoryWindowClosed() = 0;
    // The user dragged the memory window to a new place beside the host.
    virtual void MemoryWindowMoved() { }

protected:
    ~IMemoryWindowHost() = default;
};

// The memory window as its host drives it: a form it shows, slides and hides, and that copies
// the host's transparency when told.
class TMemoryWindow : public TBodyDragForm {
public:
    using TBodyDragForm::TBodyDragForm;

    virtual void SyncTransparency() = 0;
};
