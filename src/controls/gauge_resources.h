// The pictures the gauge controls carry inside the program: the track bar's two built-in
// thumbs and the hand-point cursor, kept as pixel data so no resource file is needed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/geometry.h"

// The bitmap resource of that name ("VRTB_HORI", "VRTB_VERT"); empty for an unknown name.
TBitmap LoadGaugeBitmap(std::string_view name);

// A two-colour cursor picture: rows of 'K' (black), 'W' (white) and '.' (transparent).
struct TCursorResource {
    std::vector<std::string> rows;
    TPoint hotSpot;
};

// The cursor resource of that name ("VRCURSORHANDPOINT"); no rows for an unknown name.
const TCursorResource& LoadGaugeCursor(std::string_view name);
// The cursor's picture: black and white on its transparent colour (Transparent is set).
TBitmap CursorPicture(const TCursorResource& cursor);
