// Pixel checks shared by the frame and bevel tests: a marked canvas to draw on, a colour
// count, and one ring of a frame.
#pragma once

#include <gtest/gtest.h>

#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/color.h"

inline constexpr TColor Marker = 0x00ABCDEF;

inline TBitmap MarkedBitmap(int w, int h)
{
    TBitmap bitmap(w, h);
    bitmap.Canvas().Brush.color = Marker;
    bitmap.Canvas().FillRect(bitmap.BoundsRect());
    return bitmap;
}

inline int CountPixels(const TBitmap& bitmap, TColor color)
{
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Pixel(x, y) == color ? 1 : 0;
    return count;
}

// Ring `ring` (0 = outermost): top and left in `topLeft`, right and bottom (with the
// top-right and bottom-left corners) in `bottomRight`.
inline void ExpectRing(const TBitmap& b, int ring, TColor topLeft, TColor bottomRight)
{
    const int l = ring, t = ring, r = b.Width() - 1 - ring, btm = b.Height() - 1 - ring;
    for (int x = l; x < r; ++x)
        EXPECT_EQ(b.Pixel(x, t), topLeft) << "top x " << x << " ring " << ring;
    for (int y = t; y < btm; ++y)
        EXPECT_EQ(b.Pixel(l, y), topLeft) << "left y " << y << " ring " << ring;
    for (int x = l; x <= r; ++x)
        EXPECT_EQ(b.Pixel(x, btm), bottomRight) << "bottom x " << x << " ring " << ring;
    for (int y = t; y <= btm; ++y)
        EXPECT_EQ(b.Pixel(r, y), bottomRight) << "right y " << y << " ring " << ring;
}
