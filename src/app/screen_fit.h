// Keeping a window reachable: one that lies partly or wholly outside every monitor's work area
// (a monitor unplugged, a resolution lowered, a taskbar moved) moves onto the nearest one.
#pragma once

#include <optional>
#include <vector>

#include "gfx/geometry.h"

// The work area nearest to `window` (one it lies on, if any); none when there are no work areas.
std::optional<TRect> NearestWorkArea(const TRect& window, const std::vector<TRect>& workAreas);

// The top-left corner that puts `window` wholly on its nearest work area, moved as little as
// possible; a window taller (wider) than the area has its top (left) edge on it. None when
// there are no work areas.
std::optional<TPoint> PlaceWhollyOnWorkArea(const TRect& window,
                                            const std::vector<TRect>& workAreas);
