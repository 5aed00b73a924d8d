// The bevel's rings, in order and width, its arithmetic guard, and its change notices.
#include <gtest/gtest.h>

#include <limits>
#include <vector>
#include "controls/bevel.h"
#include "ring_check.h"
#include "ui/errors.h"

TEST(GaugeBevel, DefaultBevelOn100x20)
{
    TBitmap b = MarkedBitmap(100, 20);
    TBevel bevel;
    TRect r = b.BoundsRect();
    bevel.DrawBevel(b.Canvas(), r);
    EXPECT_EQ(r, Bounds(4, 4, 92, 12));
    const TColor highlight = ColorToRGB(clBtnHighlight);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor face = ColorToRGB(clBtnFace);
    ExpectRing(b, 0, clBlack, clBlack);
    ExpectRing(b, 1, highlight, shadow);
    ExpectRing(b, 2, shadow, highlight);
    ExpectRing(b, 3, face, face);
    EXPECT_EQ(CountPixels(b, Marker), 92 * 12);
    EXPECT_EQ(CountPixels(b, clBlack), 2 * (100 + 20) - 4);

    TRect shrunk = b.BoundsRect();
    bevel.ShrinkToInterior(shrunk);
    EXPECT_EQ(shrunk, r);
}

TEST(GaugeBevel, InvisibleDrawsAndShrinksNothing)
{
    TBitmap b = MarkedBitmap(30, 30);
    TBevel bevel;
    bevel.SetVisible(false);
    TRect r = b.BoundsRect();
    bevel.DrawBevel(b.Canvas(), r);
    EXPECT_EQ(r, b.BoundsRect());
    bevel.ShrinkToInterior(r);
    EXPECT_EQ(r, b.BoundsRect());
    EXPECT_EQ(CountPixels(b, Marker), 900);
}

TEST(GaugeBevel, EachOutlineAddsOnePixelAndDrawingMatchesShrinking)
{
    using O = TBevelOutlineStyle;
    struct Case {
        O outer, inner;
        int total, blackRings;
    };
    const std::vector<Case> cases{{O::osNone, O::osNone, 3, 0},  {O::osOuter, O::osNone, 4, 1},
                                  {O::osInner, O::osNone, 4, 1}, {O::osNone, O::osOuter, 4, 1},
                                  {O::osNone, O::osInner, 4, 1}, {O::osInner, O::osOuter, 5, 2},
                                  {O::osOuter, O::osInner, 5, 2}};
    for (const Case& c : cases) {
        TBitmap b = MarkedBitmap(40, 40);
        TBevel bevel;
        bevel.SetOuterOutline(c.outer);
        bevel.SetInnerOutline(c.inner);
        TRect drawn = b.BoundsRect();
        bevel.DrawBevel(b.Canvas(), drawn);
        TRect shrunk = b.BoundsRect();
        bevel.ShrinkToInterior(shrunk);
        EXPECT_EQ(bevel.TotalWidth(), c.total);
        EXPECT_EQ(drawn, shrunk);
        EXPECT_EQ(shrunk.left, c.total);
        int blackRings = 0;
        for (int ring = 0; ring < c.total; ++ring)
            blackRings += b.Pixel(20, ring) == clBlack ? 1 : 0;
        EXPECT_EQ(blackRings, c.blackRings);
    }
}

TEST(GaugeBevel, RingArithmeticBeyond32BitsIsAnOverflow)
{
    TBevel bevel;
    bevel.SetBorderWidth(std::numeric_limits<int>::max());
    EXPECT_THROW(bevel.TotalWidth(), EIntOverflow);
    bevel.SetBorderWidth(1000);
    TRect r{std::numeric_limits<int>::max() - 10, 0, std::numeric_limits<int>::max(), 10};
    EXPECT_THROW(bevel.ShrinkToInterior(r), EIntOverflow);
}

TEST(GaugeBevel, WidthsAndSpacesStackInOrder)
{
    TBitmap b = MarkedBitmap(40, 40);
    TBevel bevel;
    bevel.SetBorderWidth(2);
    bevel.SetBorderColor(clRed);
    bevel.SetOuterOutline(TBevelOutlineStyle::osInner);
    bevel.SetOuterWidth(2);
    bevel.SetOuterSpace(1);
    bevel.SetOuterColor(clBlue);
    bevel.SetInnerStyle(TBevelStyle::bsNone);
    bevel.SetInnerSpace(2);
    bevel.SetInnerColor(clYellow);
    TRect r = b.BoundsRect();
    bevel.DrawBevel(b.Canvas(), r);
    const std::vector<TColor> column{clRed,
                                     clRed,
                                     ColorToRGB(clBtnHighlight),
                                     ColorToRGB(clBtnHighlight),
                                     clBlack,
                                     clBlue,
                                     clYellow,
                                     clYellow,
                                     Marker};
    for (int y = 0; y < static_cast<int>(column.size()); ++y)
        EXPECT_EQ(b.Pixel(20, y), column[y]) << "y " << y;
    EXPECT_EQ(r.left, 8);
}

TEST(GaugeBevel, SettersNotifyOnlyOnChangeAndClampTheirRanges)
{
    TBevel bevel;
    int notified = 0;
    bevel.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &bevel);
        ++notified;
    };
    bevel.SetOuterWidth(1);
    bevel.SetInnerSpace(1);
    EXPECT_EQ(notified, 0);
    bevel.SetOuterWidth(0);
    EXPECT_EQ(bevel.OuterWidth(), 1);
    bevel.SetBorderWidth(-3);
    EXPECT_EQ(bevel.BorderWidth(), 0);
    EXPECT_EQ(notified, 0);
    bevel.SetInnerColor(clBlack);
    EXPECT_EQ(notified, 1);
}

TEST(GaugeBevel, UpdateBracketsNotifyOnceAndNeverGoBelowZero)
{
    TBevel bevel;
    int notified = 0;
    bevel.OnChange = [&](TObject*) { ++notified; };
    bevel.BeginUpdate();
    bevel.BeginUpdate();
    bevel.SetInnerWidth(3);
    bevel.SetOuterSpace(2);
    bevel.EndUpdate();
    EXPECT_EQ(notified, 0);
    bevel.EndUpdate();
    EXPECT_EQ(notified, 1);
    bevel.EndUpdate();  // unbalanced: still notifies, count stays at 0
    EXPECT_EQ(notified, 2);
    bevel.SetInnerWidth(4);
    EXPECT_EQ(notified, 3);
}

TEST(GaugeBevel, AssignCopiesEverythingWithOneNotification)
{
    TBevel source;
    source.SetBorderWidth(3);
    source.SetBorderColor(clRed);
    source.SetOuterOutline(TBevelOutlineStyle::osInner);
    source.SetOuterStyle(TBevelStyle::bsLowered);
    source.SetOuterWidth(2);
    source.SetOuterShadow(clNavy);
    source.SetOuterHighlight(clAqua);
    source.SetOuterSpace(4);
    source.SetOuterColor(clTeal);
    source.SetInnerOutline(TBevelOutlineStyle::osOuter);
    source.SetInnerStyle(TBevelStyle::bsRaised);
    source.SetInnerWidth(5);
    source.SetInnerShadow(clMaroon);
    source.SetInnerHighlight(clLime);
    source.SetInnerSpace(6);
    source.SetInnerColor(clPurple);
    source.SetVisible(false);
    TBevel target;
    int notified = 0;
    target.OnChange = [&](TObject*) { ++notified; };
    target.Assign(source);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(target.BorderWidth(), 3);
    EXPECT_EQ(target.BorderColor(), clRed);
    EXPECT_EQ(target.OuterOutline(), TBevelOutlineStyle::osInner);
    EXPECT_EQ(target.OuterStyle(), TBevelStyle::bsLowered);
    EXPECT_EQ(target.OuterWidth(), 2);
    EXPECT_EQ(target.OuterShadow(), clNavy);
    EXPECT_EQ(target.OuterHighlight(), clAqua);
    EXPECT_EQ(target.OuterSpace(), 4);
    EXPECT_EQ(target.OuterColor(), clTeal);
    EXPECT_EQ(target.InnerOutline(), TBevelOutlineStyle::osOuter);
    EXPECT_EQ(target.InnerStyle(), TBevelStyle::bsRaised);
    EXPECT_EQ(target.InnerWidth(), 5);
    EXPECT_EQ(target.InnerShadow(), clMaroon);
    EXPECT_EQ(target.InnerHighlight(), clLime);
    EXPECT_EQ(target.InnerSpace(), 6);
    EXPECT_EQ(target.InnerColor(), clPurple);
    EXPECT_FALSE(target.Visible());
}
