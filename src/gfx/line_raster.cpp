// Bresenham with the tie-breaking of GDI: when the error term sits exactly halfway, lines
// in octants 3, 5, 6 and 8 (counted clockwise from +x with y pointing down) step early, the
// others late. That makes a line drawn backwards cover the same pixels as forwards.
#include "gfx/line_raster.h"

#include <cstdlib>

namespace {

int OctantOf(int dx, int dy)
{
    if (dy > 0) {
        if (dx > 0)
            return dx > dy ? 1 : 2;
        return -dx > dy ? 4 : 3;
    }
    if (dx < 0)
        return -dx > -dy ? 5 : 6;
    return dx > -dy ? 8 : 7;
}

}  // namespace

void RasterizeLine(TPoint from, TPoint to, const std::function<void(int x, int y)>& plot)
{
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int octant = OctantOf(dx, dy);
    const int bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    const int major = xMajor ? std::abs(dx) : std::abs(dy);
    const int minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int xStep = dx < 0 ? -1 : 1;
    const int yStep = dy < 0 ? -1 : 1;

    int err = 2 * minor - major;
    int x = from.x;
    int y = from.y;
    for (int i = 0; i < major; ++i) {
        plot(x, y);
        const bool stepMinor = err + bias > 0;
        err += stepMinor ? 2 * minor - 2 * major : 2 * minor;
        if (xMajor) {
            x += xStep;
            if (stepMinor)
                y += yStep;
        } else {
            y += yStep;
            if (stepMinor)
                x += xStep;
        }
    }
}
