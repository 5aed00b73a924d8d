// The 3-D frame ring: which colour takes the corners, and how far the rectangle shrinks.
#include <gtest/gtest.h>

#include "controls/frame_3d.h"
#include "ring_check.h"

TEST(Frame3D, CornersTakeTheBottomColourAndTheRectShrinks)
{
    TBitmap b = MarkedBitmap(6, 5);
    TRect r = b.BoundsRect();
    DrawFrame3D(b.Canvas(), r, clWhite, clGray, 1);
    EXPECT_EQ(r, (TRect{1, 1, 5, 4}));
    EXPECT_EQ(b.Pixel(0, 0), clWhite);
    EXPECT_EQ(b.Pixel(4, 0), clWhite);
    EXPECT_EQ(b.Pixel(5, 0), clGray);  // top-right
    EXPECT_EQ(b.Pixel(0, 3), clWhite);
    EXPECT_EQ(b.Pixel(0, 4), clGray);  // bottom-left
    EXPECT_EQ(b.Pixel(5, 4), clGray);
    EXPECT_EQ(b.Pixel(1, 1), Marker);
}

TEST(Frame3D, WidthZeroDrawsAndShrinksNothing)
{
    TBitmap b = MarkedBitmap(4, 4);
    TRect r = b.BoundsRect();
    DrawFrame3D(b.Canvas(), r, clWhite, clGray, 0);
    EXPECT_EQ(r, b.BoundsRect());
    EXPECT_EQ(CountPixels(b, Marker), 16);
}
