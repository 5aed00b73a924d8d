// Stand-in until the drawn popups arrive: menus dismissed, message boxes answered with their
// first button, no hint.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/x11/x11_xlib.h"

class X11Popups {
public:
    X11Popups(Display*, std::function<void()>) { }
    bool Filter(const XEvent&) { return false; }
    int TrackMenu(const std::vector<TMenuEntry>&, TPoint, int) { return 0; }
    TMsgBoxResult MessageBox(const std::string&, const std::string&, TMsgBoxButtons buttons,
                             TMsgBoxIcon, int)
    {
        return buttons == TMsgBoxButtons::YesNo ? TMsgBoxResult::Yes : TMsgBoxResult::Ok;
    }
    void ShowHint(const std::string&, TPoint, TColor, const TFontSpec&) { }
    void HideHint() { }
};
