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

bool RoomRightOf(const TRect& host, int width, int gap, const TRect& workArea)
{
    return std::int64_t{host.left} + host.Width() + gap + width <= workArea.right;
}

int SlideOutLeft(int hostLeft, int hostWidth, int width, bool toTheRight, int step)
{
    if (toTheRight)
        return SaturatedInt(std::int64_t{hostLeft} + hostWidth + step);
    return SaturatedInt(std::int64_t{hostLeft} - width - step);
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
