#include "app/memory_place.h"

#include <algorithm>
#include <climits>

#include "app/screen_fit.h"
#include "meter/units.h"
#include "ui/application.h"

TRect WorkAreaAround(const TRect& window)
{
    return NearestWorkArea(window, Screen().WorkAreas())
        .value_or(Bounds(0, 0, Screen().Width(), Screen().Height()));
}

int SaturatedInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

TBesidePlace BesideHost(const TRect& host, int width, int gap, const TRect& workArea)
{
    const std::int64_t right = std::int64_t{host.right} + gap;
    const std::int64_t left = std::int64_t{host.left} - gap - width;
    if (right + width <= workArea.right)
        return {SaturatedInt(right), true};
    if (left >= workArea.left)
        return {SaturatedInt(left), false};
    const bool toTheRight = std::int64_t{workArea.right} - host.right > host.left - workArea.left;
    const std::int64_t fitted = std::max<std::int64_t>(
        workArea.left,
        std::min<std::int64_t>(toTheRight ? right : left, std::int64_t{workArea.right} - width));
    return {SaturatedInt(fitted), toTheRight};
}

int SlideOutLeft(const TBesidePlace& place, int remaining)
{
    return SaturatedInt(std::int64_t{place.left} + (place.toTheRight ? -remaining : remaining));
}

int CentredTop(int hostTop, int hostHeight, int height, const TRect& workArea)
{
    std::int64_t top = hostTop;
    if (hostHeight > height)
        top += static_cast<std::int64_t>(sw::Round((std::int64_t{hostHeight} - height) / 2.0));
    else
        top -= static_cast<std::int64_t>(sw::Round((std::int64_t{height} - hostHeight) / 2.0));
    top = std::min<std::int64_t>(top, std::int64_t{workArea.bottom} - height);
    return SaturatedInt(std::max<std::int64_t>(top, workArea.top));
}
