// Pixel searches shared by the drawn popups' tests.
#pragma once

#include "gfx/bitmap.h"
#include "gfx/geometry.h"

// Whether any pixel of `r` has the colour `color`.
inline bool HasColor(const TBitmap& image, const TRect& r, TColor color)
{
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (image.Pixel(x, y) == ColorToRGB(color))
                return true;
    return false;
}
