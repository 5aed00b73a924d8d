// TextOut and DrawText placement with the bitmap-font engine (MS Sans Serif, -11: 13 px).
#include <gtest/gtest.h>

#include "gfx/canvas.h"
#include "picture.h"

namespace {

// The text alone, drawn with its cell's top-left at (x, y) on a white bitmap.
TBitmap Reference(int width, int height, int x, int y, std::string_view text)
{
    TBitmap b(width, height);
    Fonts().DrawText(b, b.BoundsRect(), x, y, TFontSpec{}, text, clBlack);
    return b;
}

TEST(CanvasText, TextHeightAndWidth)
{
    TBitmap b(1, 1);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(c.TextHeight("Spacewell v.2"), 13);
    EXPECT_EQ(c.TextWidth("Spacewell v.2"), 67);
    c.Font.bold = true;
    EXPECT_EQ(c.TextHeight("Spacewell v.2"), 13);
    EXPECT_EQ(c.TextWidth("Spacewell v.2"), 80);
}

TEST(CanvasText, TextOutPutsTheCellAtThePenPointAndHonoursTheOrigin)
{
    TBitmap b(40, 20);
    TCanvas& c = b.Canvas();
    c.Brush.style = TBrushStyle::bsClear;
    c.SetOrigin({3, 2});
    c.TextOut(4, 5, "MEMORY");
    EXPECT_EQ(Picture(b), Picture(Reference(40, 20, 7, 7, "MEMORY")));
    EXPECT_EQ(c.PenPos(), (TPoint{4 + 48, 5}));
}

TEST(CanvasText, OpaqueTextOutFillsTheCellWithTheBrush)
{
    TBitmap b(12, 15);
    TCanvas& c = b.Canvas();
    c.Brush.color = clRed;
    c.TextOut(1, 1, "x");
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inCell = x >= 1 && x < 6 && y >= 1 && y < 14;
            if (!inCell)
                EXPECT_EQ(b.Pixel(x, y), clWhite) << x << "," << y;
            else
                EXPECT_NE(b.Pixel(x, y), clWhite) << x << "," << y;
        }
    c.SetBkMode(TBackgroundMode::bkTransparent);
    c.Brush.color = clBlue;
    c.TextOut(1, 1, "x");
    EXPECT_EQ(b.Pixel(1, 1), clRed);
}

// Centred single line: x = (left + right - cx) / 2, y = top + H / 2 - cy / 2, each
// division truncating towards zero on its own.
TEST(CanvasText, DrawTextCentresAsWin32)
{
    const struct {
        TRect r;
        int x, y;
    } cases[] = {
        {{0, 0, 100, 14}, 47, 1},
        {{10, 3, 31, 20}, 18, 5},
        {{-4, 0, 2, 13}, -3, 0},
        {{0, 0, 4, 3}, 0, -5},
    };
    for (const auto& k : cases) {
        TBitmap b(120, 30);
        TCanvas& c = b.Canvas();
        c.SetOrigin({6, 6});
        c.Brush.style = TBrushStyle::bsClear;
        TRect r = k.r;
        c.DrawText(r, "x", DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
        EXPECT_EQ(Picture(b), Picture(Reference(120, 30, k.x + 6, k.y + 6, "x")))
            << k.x << "," << k.y;
    }
}

TEST(CanvasText, DrawTextClipsToTheRectangleUnlessNoClip)
{
    TBitmap b(40, 20);
    TCanvas& c = b.Canvas();
    TRect r{0, 0, 6, 13};
    c.Brush.style = TBrushStyle::bsClear;
    c.DrawText(r, "MMM", DT_SINGLELINE);
    for (int y = 0; y < 20; ++y)
        for (int x = 6; x < 40; ++x)
            EXPECT_EQ(b.Pixel(x, y), clWhite) << x << "," << y;
    c.DrawText(r, "MMM", DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(Picture(b), Picture(Reference(40, 20, 0, 0, "MMM")));
}

TEST(CanvasText, DrawTextRightAndBottom)
{
    TBitmap b(60, 30);
    TCanvas& c = b.Canvas();
    c.Brush.style = TBrushStyle::bsClear;
    TRect r{0, 0, 60, 30};
    c.DrawText(r, "C:", DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    EXPECT_EQ(Picture(b), Picture(Reference(60, 30, 50, 17, "C:")));
}

TEST(CanvasText, AmpersandUnderlinesTheMarkedCharacter)
{
    TBitmap b(40, 16);
    TCanvas& c = b.Canvas();
    c.Brush.style = TBrushStyle::bsClear;
    TRect r{0, 0, 40, 16};
    c.DrawText(r, "a&xb", DT_SINGLELINE);
    const int from = c.TextWidth("a");
    const int to = c.TextWidth("ax") - 1;
    // Row ascent + 1 = 12 holds only the underline: no descender in "axb".
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(b.Pixel(x, 12), x >= from && x < to ? clBlack : clWhite) << x;
    TBitmap shown = Reference(40, 16, 0, 0, "axb");
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 40; ++x)
            EXPECT_EQ(b.Pixel(x, y), shown.Pixel(x, y)) << x << "," << y;

    TBitmap plain(40, 16);
    plain.Canvas().Brush.style = TBrushStyle::bsClear;
    plain.Canvas().DrawText(r, "a&xb", DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(Picture(plain), Picture(Reference(40, 16, 0, 0, "a&xb")));
}

TEST(CanvasText, CalcRectMeasuresWithoutDrawing)
{
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    TRect r{5, 7, 200, 100};
    EXPECT_EQ(c.DrawText(r, "Spacewell v.2", DT_CALCRECT | DT_SINGLELINE), 13);
    EXPECT_EQ(r, (TRect{5, 7, 72, 20}));
    EXPECT_EQ(Picture(b), Picture(TBitmap(10, 10)));

    TRect wrapped{0, 0, 50, 0};
    c.DrawText(wrapped, "Virtual MEMORY", DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(wrapped, (TRect{0, 0, 48, 26}));

    TRect prefixed{0, 0, 100, 0};
    c.DrawText(prefixed, "&&C&:", DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(prefixed.right, c.TextWidth("&C:"));

    TRect empty{3, 4, 50, 50};
    c.DrawText(empty, "", DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(empty, (TRect{3, 4, 3, 17}));
}

TEST(CanvasText, WordBreakStacksLinesByTheTextHeight)
{
    TBitmap b(60, 40);
    TCanvas& c = b.Canvas();
    c.Brush.style = TBrushStyle::bsClear;
    TRect r{0, 0, 50, 40};
    EXPECT_EQ(c.DrawText(r, "Virtual MEMORY", DT_WORDBREAK), 26);
    TBitmap expected = Reference(60, 40, 0, 0, "Virtual");
    Fonts().DrawText(expected, expected.BoundsRect(), 0, 13, TFontSpec{}, "MEMORY", clBlack);
    // The rectangle clips the second line's right edge at x = 50.
    EXPECT_EQ(Picture(b, {0, 0, 50, 40}), Picture(expected, {0, 0, 50, 40}));
}

TEST(CanvasText, EndEllipsisFitsTheRectangle)
{
    TBitmap b(60, 13);
    TCanvas& c = b.Canvas();
    c.Brush.style = TBrushStyle::bsClear;
    TRect r{0, 0, 40, 13};
    c.DrawText(r, "Spacewell v.2", DT_SINGLELINE | DT_END_ELLIPSIS);
    const std::string shown = "Space...";
    ASSERT_LE(c.TextWidth(shown), 40);
    ASSERT_GT(c.TextWidth("Spacew..."), 40);
    EXPECT_EQ(Picture(b), Picture(Reference(60, 13, 0, 0, shown)));
}

}  // namespace
