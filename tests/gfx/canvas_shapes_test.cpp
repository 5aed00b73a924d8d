// Canvas shapes, pixels checked inside, outside and on the edges against GDI's rules.
#include <gtest/gtest.h>

#include <array>

#include "gfx/canvas.h"
#include "picture.h"

namespace {

TEST(CanvasShapes, FillRectIsHalfOpen)
{
    TBitmap b(6, 5);
    b.Canvas().Brush.color = clBlack;
    b.Canvas().FillRect({1, 1, 4, 3});
    EXPECT_EQ(Picture(b), (Rows{"......", ".###..", ".###..", "......", "......"}));
}

TEST(CanvasShapes, FillColumnsPaintsOneColourPerColumnWithinOriginAndClip)
{
    TBitmap b(6, 3);
    TCanvas& c = b.Canvas();
    c.SetOrigin({1, 0});
    c.SetClipRect({0, 1, 4, 3});
    const TColor columns[] = {clBlack, clRed, clBlack, clBlack, clBlack};
    c.FillColumns({-1, 0, 5, 3}, columns);
    EXPECT_EQ(Picture(b), (Rows{"......", "#o##..", "#o##.."}));
    c.ResetClipRect();
    c.SetOrigin({0, 0});
    // Columns past the colours keep what they had.
    c.FillColumns({3, 0, 6, 1}, std::span<const TColor>(columns).first(2));
    EXPECT_EQ(Picture(b), (Rows{"...#o.", "#o##..", "#o##.."}));
}

TEST(CanvasShapes, FillRectWithClearBrushDrawsNothing)
{
    TBitmap b(4, 4);
    b.Canvas().Brush = {clBlack, TBrushStyle::bsClear};
    b.Canvas().FillRect({0, 0, 4, 4});
    EXPECT_EQ(Picture(b), (Rows{"....", "....", "....", "...."}));
}

TEST(CanvasShapes, LineLeavesOutItsEndPixel)
{
    TBitmap b(8, 4);
    TCanvas& c = b.Canvas();
    c.MoveTo(1, 1);
    c.LineTo(6, 1);
    c.MoveTo(7, 0);
    c.LineTo(7, 3);
    EXPECT_EQ(Picture(b), (Rows{".......#", ".#####.#", ".......#", "........"}));
    EXPECT_EQ(c.PenPos(), (TPoint{7, 3}));
}

// GDI's tie rule: a shallow line steps late forwards and early backwards, so both
// directions cover the same pixels between the end points.
TEST(CanvasShapes, DiagonalLinesStepAsGdi)
{
    TBitmap forward(5, 3);
    forward.Canvas().MoveTo(0, 0);
    forward.Canvas().LineTo(4, 2);
    EXPECT_EQ(Picture(forward), (Rows{"##...", "..##.", "....."}));

    TBitmap backward(5, 3);
    backward.Canvas().MoveTo(4, 2);
    backward.Canvas().LineTo(0, 0);
    EXPECT_EQ(Picture(backward), (Rows{".#...", "..##.", "....#"}));

    TBitmap steep(3, 5);
    steep.Canvas().MoveTo(0, 0);
    steep.Canvas().LineTo(2, 4);
    EXPECT_EQ(Picture(steep), (Rows{"#..", "#..", ".#.", ".#.", "..."}));
}

TEST(CanvasShapes, FrameRectUsesTheBrushOnTheBorder)
{
    TBitmap b(6, 5);
    TCanvas& c = b.Canvas();
    c.Brush.color = clBlack;
    c.Pen.color = clRed;
    c.FrameRect({1, 0, 5, 4});
    EXPECT_EQ(Picture(b), (Rows{".####.", ".#..#.", ".#..#.", ".####.", "......"}));
}

TEST(CanvasShapes, RectangleOutlineAndFill)
{
    TBitmap b(6, 5);
    TCanvas& c = b.Canvas();
    c.Brush.color = clRed;
    c.Rectangle({0, 0, 5, 4});
    EXPECT_EQ(Picture(b), (Rows{"#####.", "#ooo#.", "#ooo#.", "#####.", "......"}));

    TBitmap clear(5, 4);
    clear.Canvas().Brush.style = TBrushStyle::bsClear;
    clear.Canvas().Rectangle(0, 0, 5, 4);
    EXPECT_EQ(Picture(clear), (Rows{"#####", "#...#", "#...#", "#####"}));
}

TEST(CanvasShapes, RectangleWithoutPenFillsOneLessRightAndBottom)
{
    TBitmap b(5, 4);
    TCanvas& c = b.Canvas();
    c.Pen.style = TPenStyle::psClear;
    c.Brush.color = clBlack;
    c.Rectangle({0, 0, 4, 3});
    EXPECT_EQ(Picture(b), (Rows{"###..", "###..", ".....", "....."}));
}

TEST(CanvasShapes, PolylineCornersAreDrawnOnceAndTheLastPointLeftOut)
{
    TBitmap b(6, 5);
    TCanvas& c = b.Canvas();
    c.Pen.color = clWhite;
    c.Pen.mode = TPenMode::pmXor;  // a pixel drawn twice would come back white
    const std::array<TPoint, 4> points{TPoint{1, 1}, TPoint{4, 1}, TPoint{4, 3}, TPoint{1, 3}};
    c.Polyline(points);
    EXPECT_EQ(Picture(b), (Rows{"......", ".####.", "....#.", "..###.", "......"}));
    EXPECT_EQ(c.PenPos(), (TPoint{0, 0}));
}

TEST(CanvasShapes, PenModes)
{
    TBitmap b(4, 1);
    TCanvas& c = b.Canvas();
    c.Pen.color = RGB(0x12, 0x34, 0x56);
    c.Pen.mode = TPenMode::pmNot;
    c.MoveTo(0, 0);
    c.LineTo(2, 0);
    EXPECT_EQ(b.Pixel(0, 0), clBlack);
    EXPECT_EQ(b.Pixel(2, 0), clWhite);

    c.Pen.mode = TPenMode::pmXor;
    c.MoveTo(2, 0);
    c.LineTo(4, 0);
    EXPECT_EQ(b.Pixel(2, 0), RGB(0xED, 0xCB, 0xA9));
    c.MoveTo(2, 0);
    c.LineTo(4, 0);
    EXPECT_EQ(b.Pixel(3, 0), clWhite);
}

TEST(CanvasShapes, PenStyles)
{
    TBitmap b(14, 3);
    TCanvas& c = b.Canvas();
    c.Pen.style = TPenStyle::psClear;
    c.MoveTo(0, 0);
    c.LineTo(14, 0);
    c.Pen.style = TPenStyle::psDot;
    c.Brush.style = TBrushStyle::bsClear;
    c.MoveTo(0, 1);
    c.LineTo(14, 1);
    c.Brush = {clRed, TBrushStyle::bsSolid};
    c.MoveTo(0, 2);
    c.LineTo(14, 2);
    EXPECT_EQ(Picture(b), (Rows{"..............", "###...###...##", "###ooo###ooo##"}));
}

TEST(CanvasShapes, ClippedAtTheBitmapBorders)
{
    TBitmap b(4, 3);
    TCanvas& c = b.Canvas();
    c.Brush.color = clBlack;
    c.FillRect({-10, -10, 2, 2});
    c.MoveTo(-5, 2);
    c.LineTo(50, 2);
    c.Brush.style = TBrushStyle::bsClear;
    c.Rectangle({2, -3, 9, 9});
    EXPECT_EQ(Picture(b), (Rows{"###.", "###.", "####"}));
    EXPECT_EQ(c.Pixel(-1, 0), clNone);
    EXPECT_EQ(c.Pixel(4, 0), clNone);
}

TEST(CanvasShapes, OriginAndClipRect)
{
    TBitmap b(8, 6);
    TCanvas& c = b.Canvas();
    c.SetOrigin({2, 1});
    c.SetClipRect({2, 1, 6, 4});
    c.Brush.color = clBlack;
    c.FillRect({-100, -100, 100, 100});
    c.Pen.color = clRed;
    c.MoveTo(0, 0);
    c.LineTo(10, 0);
    EXPECT_EQ(Picture(b),
              (Rows{"........", "..oooo..", "..####..", "..####..", "........", "........"}));
    EXPECT_EQ(c.Pixel(0, 1), clBlack);
    EXPECT_EQ(c.Pixel(4, 0), clNone);
    c.SetPixel(-1, 0, clRed);
    EXPECT_EQ(b.Pixel(1, 1), clWhite);
    c.ResetClipRect();
    c.SetPixel(-1, 0, clBlack);
    EXPECT_EQ(b.Pixel(1, 1), clBlack);
}

TEST(CanvasShapes, DrawFocusRectInvertsEveryOtherPixelAndUndoesItself)
{
    TBitmap b(5, 4);
    TCanvas& c = b.Canvas();
    c.DrawFocusRect({0, 0, 5, 4});
    EXPECT_EQ(Picture(b), (Rows{"#.#.#", ".....", "#...#", ".#.#."}));
    c.DrawFocusRect({0, 0, 5, 4});
    EXPECT_EQ(Picture(b), (Rows{".....", ".....", ".....", "....."}));
}

TEST(CanvasShapes, SystemColoursAreResolvedWhenDrawn)
{
    TBitmap b(1, 1);
    b.Canvas().Brush.color = clBtnShadow;
    b.Canvas().FillRect({0, 0, 1, 1});
    EXPECT_EQ(b.Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_FALSE(IsSystemColor(b.Pixel(0, 0)));
}

}  // namespace
