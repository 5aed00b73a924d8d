// Bitmaps (sizes, copies, transparent drawing, copying rectangles) and system colours.
#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "picture.h"

namespace {

TEST(Bitmap, NewPixelsAreWhiteAndResizeKeepsTheCommonPart)
{
    TBitmap b(2, 2);
    EXPECT_FALSE(b.Empty());
    b.SetPixel(1, 1, clBlack);
    b.SetSize(3, 3);
    EXPECT_EQ(Picture(b), (Rows{"...", ".#.", "..."}));
    b.SetSize(0, 3);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Pixel(0, 0), clNone);
}

TEST(Bitmap, RowsRegainedAfterShrinkingComeBackWhite)
{
    TBitmap b(3, 3);
    b.Fill(b.BoundsRect(), clBlack);
    b.SetSize(3, 1);
    b.SetSize(3, 3);
    EXPECT_EQ(Picture(b), (Rows{"###", "...", "..."}));
    b.SetSize(2, 2);
    b.SetSize(4, 2);
    EXPECT_EQ(Picture(b), (Rows{"##..", "...."}));
}

TEST(Bitmap, FillIsClippedToTheBitmap)
{
    TBitmap b(12, 3);
    b.Fill({-2, 1, 20, 9}, clBlack);
    b.Fill({10, -5, 11, 5}, clWhite);
    EXPECT_EQ(Picture(b), (Rows{"............", "##########.#", "##########.#"}));
}

// Overlapping copies inside one bitmap read every source pixel before it is overwritten.
TEST(Bitmap, CopyPixelsWithinOneBitmapInEveryDirection)
{
    TBitmap b(3, 4);
    b.SetPixel(0, 0, clBlack);
    b.SetPixel(1, 1, clBlack);
    CopyPixels(b, {0, 1, 3, 4}, b, {0, 0});  // down
    EXPECT_EQ(Picture(b), (Rows{"#..", "#..", ".#.", "..."}));
    CopyPixels(b, {1, 0, 3, 3}, b, {0, 1});  // up and right
    EXPECT_EQ(Picture(b), (Rows{"##.", "#.#", "...", "..."}));
    CopyPixels(b, {1, 1, 3, 2}, b, {0, 1});  // right within its own row
    EXPECT_EQ(Picture(b), (Rows{"##.", "##.", "...", "..."}));
    // Parts outside the destination or the source are left out.
    CopyPixels(b, {-1, -1, 2, 2}, b, {1, 1});
    EXPECT_EQ(Picture(b), (Rows{".#.", ".#.", "...", "..."}));
}

TEST(Bitmap, CopiesPixelsAndSettingsButNotTheCanvas)
{
    TBitmap a(2, 1);
    a.Transparent = true;
    a.TransparentColor = clRed;
    a.Canvas().SetOrigin({1, 0});
    TBitmap b = a;
    b.SetPixel(0, 0, clBlack);
    EXPECT_TRUE(b.Transparent);
    EXPECT_EQ(b.TransparentColor, clRed);
    EXPECT_EQ(a.Pixel(0, 0), clWhite);
    EXPECT_EQ(b.Canvas().Origin(), (TPoint{0, 0}));
    EXPECT_EQ(&b.Canvas().Target(), &b);
}

TEST(Bitmap, TransparentDrawLeavesTheKeyColourOut)
{
    TBitmap glyph(3, 2);
    glyph.SetPixel(0, 0, clBlack);
    glyph.SetPixel(1, 0, clRed);
    glyph.SetPixel(0, 1, clRed);  // bottom-left: the automatic key
    TBitmap target(5, 3);
    target.Canvas().Brush.color = clBlue;
    target.Canvas().FillRect({0, 0, 5, 3});
    target.Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(target.Pixel(1, 1), clBlack);
    EXPECT_EQ(target.Pixel(2, 1), clRed);

    glyph.Transparent = true;
    target.Canvas().FillRect({0, 0, 5, 3});
    target.Canvas().Draw(1, 1, glyph);
    EXPECT_EQ(target.Pixel(1, 1), clBlack);
    EXPECT_EQ(target.Pixel(2, 1), clBlue);
    EXPECT_EQ(target.Pixel(3, 1), clWhite);
    EXPECT_EQ(target.Pixel(1, 2), clBlue);
    EXPECT_EQ(target.Pixel(0, 1), clBlue);

    glyph.TransparentColor = clWhite;
    target.Canvas().FillRect({0, 0, 5, 3});
    target.Canvas().Draw(3, 1, glyph);  // clipped at the right border
    EXPECT_EQ(target.Pixel(3, 1), clBlack);
    EXPECT_EQ(target.Pixel(4, 1), clRed);
    EXPECT_EQ(target.Pixel(4, 2), clBlue);

    target.Canvas().FillRect({0, 0, 5, 3});
    target.Canvas().Draw(-1, 0, glyph);  // clipped at the left border, as a scrolled strip is
    EXPECT_EQ(target.Pixel(0, 0), clRed);
    EXPECT_EQ(target.Pixel(1, 0), clBlue);
}

TEST(Bitmap, CopyRectOneToOneAndStretched)
{
    TBitmap source(2, 2);
    source.SetPixel(0, 0, clBlack);
    source.SetPixel(1, 1, clBlack);
    TBitmap target(6, 4);
    target.Canvas().CopyRect({0, 0, 2, 2}, source, {0, 0, 2, 2});
    target.Canvas().CopyRect({2, 0, 6, 4}, source, {0, 0, 2, 2});
    EXPECT_EQ(Picture(target), (Rows{"#.##..", ".###..", "....##", "....##"}));
}

TEST(SystemColors, DefaultTableAndReplacement)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0u);
    EXPECT_EQ(ColorToRGB(clBackground), 0x808000u);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(0x12345678), 0x345678u);
    EXPECT_EQ(ColorToRGB(clRed), clRed);

    TSystemColorTable wine = DefaultSystemColors();
    wine[15] = 0xF5F5F5;
    SetSystemColorTable(wine);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF5F5F5u);
    SetSystemColorTable([](int index) { return static_cast<TColor>(index); });
    EXPECT_EQ(ColorToRGB(clBtnShadow), 16u);
    SetSystemColorTable(std::function<TColor(int)>{});
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0u);
}

TEST(Geometry, RectOperations)
{
    TRect r = Bounds(1, 2, 3, 4);
    EXPECT_EQ(r, (TRect{1, 2, 4, 6}));
    EXPECT_TRUE(r.Contains({1, 2}));
    EXPECT_FALSE(r.Contains({4, 2}));
    EXPECT_FALSE(r.Contains({1, 6}));
    EXPECT_EQ(TRect(r).Inflate(-1, -1), (TRect{2, 3, 3, 5}));
    EXPECT_EQ(r.Intersect({3, 5, 10, 10}), (TRect{3, 5, 4, 6}));
    EXPECT_EQ(r.Intersect({4, 0, 10, 10}), TRect{});
    EXPECT_TRUE(TRect{}.IsEmpty());
}

}  // namespace
