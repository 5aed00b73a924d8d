// What the desktop says about its screens, read from X properties and resources: the work
// areas (the window manager's one rectangle for the current desktop, cut down to each RandR
// monitor) and the display scale from the Xft.dpi resource. The arithmetic is here, apart from
// the X calls, so it is checked without a display.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "gfx/geometry.h"

struct TMonitor {
    TRect bounds;  // screen coordinates
    bool primary = false;
};

// The work area of desktop `desktop` from _NET_WORKAREA's cardinals (x, y, width, height per
// desktop); nothing when the list is too short or the rectangle empty.
std::optional<TRect> WorkAreaOfDesktop(const std::vector<long>& cardinals, long desktop);

// Each monitor's work area, the primary first and the others in the given order: the monitor
// cut down to the desktop's work area, or the whole monitor where they do not meet (the window
// manager's area spans all monitors, so it cannot say which edge of which monitor a panel
// takes). Without monitors, the work area itself, else the whole screen.
std::vector<TRect> MonitorWorkAreas(const std::vector<TMonitor>& monitors,
                                    const std::optional<TRect>& workArea, TSize screen);

// The Xft.dpi value of the resource manager's text, rounded; 96 without one or with a value
// outside 48..480.
int DpiOfResources(std::string_view resources);
