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

// Where a panel `width` wide ends beside the host: `gap` pixels right of the host's right edge
// where the work area has room for it there, else `gap` pixels left of the host's left edge
// where it has room there; where neither side has, on the side with more room, pushed wholly
// onto the work area over part of the host.
struct TBesidePlace {
    int left;
    bool toTheRight;
};
TBesidePlace BesideHost(const TRect& host, int width, int gap, const TRect& workArea);

// The panel's left edge `remaining` pixels before the end of its opening slide to `place`.
int SlideOutLeft(const TBesidePlace& place, int remaining);

// The panel's top: centred on the host (halves to even), then moved inside the work area so
// that its heading and close button stay reachable.
int CentredTop(int hostTop, int hostHeight, int height, const TRect& workArea);
