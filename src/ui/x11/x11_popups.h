// Menus, the message box and the hint drawn by the program in windows of its own, for X
// desktops that draw none of them for it. The backend hands every X event to Filter first;
// the modal ones (a menu, a message box) run the backend's `step` until they are answered, so
// timers and posted work go on meanwhile.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "gfx/geometry.h"
#include "ui/backend.h"

// The toolkit's headers come before Xlib's, whose None macro would clash with their enumerators.
#include <X11/Xlib.h>

class TX11MenuSession;
class TX11MessageBox;
class TX11PopupWindow;

class X11Popups {
public:
    // `step` waits for the next X event, timer or posted work and handles it (X events pass
    // Filter first); modal popups loop on it until they are done.
    X11Popups(Display* display, std::function<void()> step);
    ~X11Popups();
    X11Popups(const X11Popups&) = delete;
    X11Popups& operator=(const X11Popups&) = delete;

    // True: a popup's own event, handled. While a menu is open all input is its own.
    bool Filter(const XEvent& event);
    // The chosen entry's command, 0 when dismissed (or while another menu is open).
    int TrackMenu(const std::vector<TMenuEntry>& items, TPoint screen, int dpi);
    TMsgBoxResult MessageBox(const std::string& text, const std::string& caption,
                             TMsgBoxButtons buttons, TMsgBoxIcon icon, int dpi);
    // Shows `text` with its top-left at `screen` (kept on the screen), replacing any hint.
    void ShowHint(const std::string& text, TPoint screen, TColor color, const TFontSpec& font);
    void HideHint();

private:
    Display* FDisplay;
    std::function<void()> FStep;
    std::unique_ptr<TX11PopupWindow> FHint;
    // The open menu (at most one).
    std::vector<TX11MenuSession*> FMenus;
    // Open message boxes, the latest last (one may open over another).
    std::vector<TX11MessageBox*> FBoxes;
};
