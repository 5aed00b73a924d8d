// The pixels of a one-pixel line exactly as GDI steps them, so lines match the platform's.
#pragma once

#include <functional>

#include "gfx/geometry.h"

// Calls plot for every pixel from `from` up to but not including `to`.
void RasterizeLine(TPoint from, TPoint to, const std::function<void(int x, int y)>& plot);
