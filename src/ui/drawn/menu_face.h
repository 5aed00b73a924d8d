// A pop-up menu's face: where each entry lies and how the menu paints, in the classic look
// (raised frame, a column for check marks and pictures, a bar in the selection colours,
// etched separators, greyed disabled entries, a bold default entry, an arrow for a submenu).
#pragma once

#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"
#include "ui/backend.h"

struct TMenuFace {
    int dpi = 96;
    TSize size;  // the whole menu window
    std::vector<TRect> rows;  // one per entry, menu-window coordinates
};

TMenuFace LayoutMenu(const std::vector<TMenuEntry>& items, int dpi);
// `selected` is the highlighted entry's index, -1 for none.
TBitmap PaintMenu(const std::vector<TMenuEntry>& items, const TMenuFace& face, int selected);
// The entry under `point` (menu-window coordinates), -1 for none (the frame included).
int MenuRowAt(const TMenuFace& face, TPoint point);

// Where a menu of `size` opens at the screen point `at`: to its lower right, or flipped to the
// left or upwards where the screen has no room.
TPoint MenuPlace(TPoint at, TSize size, TSize screen);
// Where a submenu of `size` opens beside its entry `row` (screen coordinates) of the menu
// window `parent` (screen): to the right, or to the left where the screen has no room.
TPoint SubmenuPlace(const TRect& parent, const TRect& row, TSize size, TSize screen, int dpi);
