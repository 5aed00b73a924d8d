// The message box's client area: its icon, its text wrapped to a readable width and its row of
// push buttons ("OK", "Yes", "No", "Cancel", Y and N underlined as their keys) centred below, in
// the classic dialog look. The caption is the window's title, which the desktop's frame shows.
#pragma once

#include <string>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "ui/types.h"

struct TMsgBoxFace {
    int dpi = 96;
    TSize size;
    TRect icon;  // empty without an icon
    TRect text;
    std::vector<TRect> buttons;
};

// The buttons of a kind, left to right; the first is the default one.
std::vector<TMsgBoxResult> MsgBoxButtonResults(TMsgBoxButtons buttons);
// The caption, its access key after "&" ("&Yes": Y answers Yes), as DrawText shows it.
const char* MsgBoxButtonCaption(TMsgBoxResult button);

TMsgBoxFace LayoutMessageBox(const std::string& text, TMsgBoxButtons buttons, TMsgBoxIcon icon,
                             int dpi);
// `focused` is the button with the keyboard focus (and the default frame), `pressed` the one
// held down by the mouse, -1 for none.
TBitmap PaintMessageBox(const TMsgBoxFace& face, const std::string& text, TMsgBoxButtons buttons,
                        TMsgBoxIcon icon, int focused, int pressed);
// The button under `point` (client coordinates), -1 for none.
int MsgBoxButtonAt(const TMsgBoxFace& face, TPoint point);
