// The nearest work area by the gap between the rectangles, then the window pushed inside it.
#include "app/screen_fit.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// How far apart two ranges [from, to) are along one axis; 0 when they overlap.
std::int64_t Gap(int from, int to, int areaFrom, int areaTo)
{
    if (to <= areaFrom)
        return static_cast<std::int64_t>(areaFrom) - to + 1;
    if (from >= areaTo)
        return static_cast<std::int64_t>(from) - areaTo + 1;
    return 0;
}

std::int64_t SquaredDistance(const TRect& window, const TRect& area)
{
    const std::int64_t dx = Gap(window.left, window.right, area.left, area.right);
    const std::int64_t dy = Gap(window.top, window.bottom, area.top, area.bottom);
    return dx * dx + dy * dy;
}

// Pushes a range of `length` starting at `from` into [areaFrom, areaTo); its start wins when
// it cannot fit.
int Fit(int from, int length, int areaFrom, int areaTo)
{
    return std::max(areaFrom, std::min(from, areaTo - length));
}

}  // namespace

std::optional<TRect> NearestWorkArea(const TRect& window, const std::vector<TRect>& workAreas)
{
    std::optional<TRect> nearest;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const TRect& area : workAreas) {
        if (area.IsEmpty())
            continue;
        const std::int64_t distance = SquaredDistance(window, area);
        if (distance < best) {
            best = distance;
            nearest = area;
        }
    }
    return nearest;
}

std::optional<TPoint> PlaceWhollyOnWorkArea(const TRect& window,
                                            const std::vector<TRect>& workAreas)
{
    const std::optional<TRect> nearest = NearestWorkArea(window, workAreas);
    if (!nearest)
        return std::nullopt;
    return TPoint{Fit(window.left, window.Width(), nearest->left, nearest->right),
                  Fit(window.top, window.Height(), nearest->top, nearest->bottom)};
}
