// One window of a program-drawn popup (a menu level, the message box, the hint): it shows a
// picture the popup painted, at a place on the screen, and paints it again when exposed.
// Override-redirect windows (menus, the hint) are placed by the program alone; the message
// box's window is left to the window manager, which frames it.
#pragma once

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "platform/keys.h"

// The toolkit's headers come before Xlib's, whose None macro would clash with their enumerators.
#include <X11/Xlib.h>

enum class TPopupKind { Menu, Hint, Dialog };

class TX11PopupWindow {
public:
    TX11PopupWindow(Display* display, TPopupKind kind);
    ~TX11PopupWindow();
    TX11PopupWindow(const TX11PopupWindow&) = delete;
    TX11PopupWindow& operator=(const TX11PopupWindow&) = delete;

    Window Id() const { return FWindow; }
    // Screen coordinates of the client area.
    TRect Bounds() const { return FBounds; }
    bool Contains(int xRoot, int yRoot) const
    {
        return FMapped && FBounds.Contains({xRoot, yRoot});
    }
    // Sizes the window to `picture`, puts its top-left at `screen`, maps it and paints it.
    void Show(TBitmap picture, TPoint screen);
    // A new picture of the same place and size.
    void Repaint(TBitmap picture);
    void Hide();
    void Paint();

private:
    Display* FDisplay;
    Window FWindow;
    GC FGc;
    TBitmap FPicture;
    TRect FBounds;
    bool FMapped = false;
};

// The toolkit key a key press names, TKey{} for keys popups do not use.
TKey PopupKey(const XKeyEvent& event);
TShiftState PopupShift(unsigned state);

// The size of the default screen.
TSize PopupScreen(Display* display);
