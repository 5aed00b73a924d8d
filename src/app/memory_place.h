// Where the memory window stands beside the main window. The sums are worked out in 64 bits: a
// settings file may put the main window anywhere in the coordinate range, and no position may
// overflow on the way.
#pragma once

#include <cstdint>

#include "gfx/geometry.h"

// The part of the screen that windows may use around `window` (screen pixels). The toolkit
// knows one screen so far, so this is all of it.
TRect WorkAreaAround(const TRect& window);

// A 64-bit position brought back into the platform's int range.
int SaturatedInt(std::int64_t value);

// Whether a panel `width` wide still fits on the work area when it stands `gap` pixels right of
// the host's right edge, as the opening slide leaves it.
bool RoomRightOf(const TRect& host, int width, int gap, const TRect& workArea);

// The panel's left edge after a step of the opening slide: `step` pixels right of the host's
// right edge, or, on the left, `step` pixels left of the host's left edge.
int SlideOutLeft(int hostLeft, int hostWidth, int width, bool toTheRight, int step);

// The panel's top: centred on the host (halves to even), then moved inside the work area so
// that its heading and close button stay reachable.
int CentredTop(int hostTop, int hostHeight, int height, const TRect& workArea);
