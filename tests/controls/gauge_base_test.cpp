// The gauge family's base: percentages, frame and bevel rings, change notification, palettes,
// shared-component links, the bitmap list and the built-in pictures.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

#include "controls/gauge_base.h"
#include "controls/gauge_resources.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "ui/application.h"
#include "ui/errors.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr TColor Marker = 0x00ABCDEF;

TBitmap MarkedBitmap(int w, int h)
{
    TBitmap bitmap(w, h);
    bitmap.Canvas().Brush.color = Marker;
    bitmap.Canvas().FillRect(bitmap.BoundsRect());
    return bitmap;
}

int CountPixels(const TBitmap& bitmap, TColor color)
{
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            count += bitmap.Pixel(x, y) == color ? 1 : 0;
    return count;
}

// Ring `ring` (0 = outermost): top and left in `topLeft`, right and bottom (with the
// top-right and bottom-left corners) in `bottomRight`.
void ExpectRing(const TBitmap& b, int ring, TColor topLeft, TColor bottomRight)
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

}  // namespace

TEST(GaugePercent, PercentOfTruncatesBelowTheExactShare)
{
    struct Case {
        int percent, whole, expected;
    };
    const std::vector<Case> cases{{10, 100, 9},  {60, 100, 59}, {25, 100, 25}, {50, 100, 50},
                                  {60, 145, 86}, {25, 145, 36}, {60, 72, 43},  {25, 72, 18},
                                  {0, 72, 0},    {100, 72, 72}, {-10, 100, -9}};
    for (const Case& c : cases)
        EXPECT_EQ(PercentOf(c.percent, c.whole), c.expected) << c.percent << " of " << c.whole;
}

TEST(GaugePercent, ResultsBeyond32BitsRaiseErrors)
{
    EXPECT_THROW(PercentOf(300, 2000000000), ERangeError);
    EXPECT_THROW(PercentOfValue(2000000000, 1), EIntOverflow);
    EXPECT_THROW(PercentOfValue(-2000000000, 1), EIntOverflow);
}

TEST(GaugePercent, PercentOfValueTruncatesAndGuardsZero)
{
    struct Case {
        int value, whole, expected;
    };
    const std::vector<Case> cases{{5, 0, 0},     {1, 3, 33},    {2, 3, 66},
                                  {50, 100, 50}, {10, 100, 10}, {2000000000, 2000000000, 100},
                                  {-1, 3, -33}};
    for (const Case& c : cases)
        EXPECT_EQ(PercentOfValue(c.value, c.whole), c.expected) << c.value << " of " << c.whole;
}

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

TEST(GaugePalette, ColorForPicksLowAtOrBelowZero)
{
    TGaugePalette palette;
    EXPECT_EQ(palette.Low(), clGreen);
    EXPECT_EQ(palette.High(), clLime);
    struct Case {
        int index;
        TColor expected;
    };
    for (const Case& c : std::vector<Case>{{0, clGreen}, {-5, clGreen}, {1, clLime}, {7, clLime}})
        EXPECT_EQ(palette.ColorFor(c.index), c.expected) << c.index;
}

TEST(GaugePalette, SettersAndAssignNotify)
{
    TGaugePalette palette;
    int notified = 0;
    palette.OnChange = [&](TObject*) { ++notified; };
    palette.SetLow(clGreen);
    EXPECT_EQ(notified, 0);
    palette.SetHigh(clRed);
    EXPECT_EQ(notified, 1);
    TGaugePalette other;
    other.SetLow(clNavy);
    other.SetHigh(clAqua);
    palette.Assign(other);
    EXPECT_EQ(notified, 2);
    EXPECT_EQ(palette.Low(), clNavy);
    EXPECT_EQ(palette.High(), clAqua);
}

TEST(SharedComponent, LinksAreToldInOrderAndReleasedOnDestruction)
{
    TChangeLink first, second;
    std::vector<int> calls;  // 1, 2: the links; 0: the list's own OnChange
    first.OnChange = [&](TSharedComponent*) { calls.push_back(1); };
    second.OnChange = [&](TSharedComponent*) { calls.push_back(2); };
    {
        TBitmapList list(nullptr);
        list.OnChange = [&](TObject* sender) {
            EXPECT_EQ(sender, &list);
            calls.push_back(0);
        };
        list.InsertLink(first);
        list.InsertLink(second);
        EXPECT_EQ(first.Sender(), &list);
        list.Bitmaps().Add(TBitmap(3, 2));
        EXPECT_EQ(calls, (std::vector<int>{1, 2, 0}));
        list.RemoveLink(first);
        EXPECT_EQ(first.Sender(), nullptr);
        list.Bitmaps().Clear();
        EXPECT_EQ(calls, (std::vector<int>{1, 2, 0, 2, 0}));
    }
    EXPECT_EQ(second.Sender(), nullptr);
}

TEST(SharedComponent, ALinkLeavesItsListWhenDestroyed)
{
    TBitmapList list(nullptr);
    int calls = 0;
    {
        TChangeLink link;
        link.OnChange = [&](TSharedComponent*) { ++calls; };
        list.InsertLink(link);
    }
    list.Bitmaps().Add(TBitmap(1, 1));
    EXPECT_EQ(calls, 0);
}

TEST(GaugeBitmapList, LookupByIndexStoresCopies)
{
    TBitmapList list(nullptr);
    TBitmap picture(4, 3);
    picture.SetPixel(1, 1, clRed);
    list.Bitmaps().Add(picture);
    picture.SetPixel(1, 1, clBlue);
    ASSERT_NE(list.GetBitmap(0), nullptr);
    EXPECT_EQ(list.GetBitmap(0)->Pixel(1, 1), clRed);
    EXPECT_EQ(list.GetBitmap(1), nullptr);
    EXPECT_EQ(list.GetBitmap(-1), nullptr);
    EXPECT_EQ(list.Version(), "1.3");
}

TEST(GaugeResources, BuiltInThumbs)
{
    const TBitmap hori = LoadGaugeBitmap("VRTB_HORI");
    ASSERT_EQ(hori.Width(), 9);
    ASSERT_EQ(hori.Height(), 17);
    EXPECT_EQ(hori.Pixel(4, 0), clBlack);
    EXPECT_EQ(hori.Pixel(4, 1), clWhite);
    EXPECT_EQ(hori.Pixel(1, 8), clWhite);
    EXPECT_EQ(hori.Pixel(4, 14), clSilver);
    EXPECT_EQ(hori.Pixel(7, 2), clGray);
    EXPECT_EQ(hori.Pixel(4, 15), clGray);
    EXPECT_EQ(hori.Pixel(0, 16), clBlack);

    const TBitmap vert = LoadGaugeBitmap("VRTB_VERT");
    ASSERT_EQ(vert.Width(), 17);
    ASSERT_EQ(vert.Height(), 9);
    EXPECT_EQ(vert.Pixel(8, 1), clWhite);
    EXPECT_EQ(vert.Pixel(1, 6), clWhite);
    EXPECT_EQ(vert.Pixel(2, 6), clSilver);
    EXPECT_EQ(vert.Pixel(15, 2), clGray);
    EXPECT_EQ(vert.Pixel(2, 7), clGray);
    EXPECT_EQ(vert.Pixel(16, 4), clBlack);

    EXPECT_TRUE(LoadGaugeBitmap("NOSUCH").Empty());
}

TEST(GaugeResources, HandCursorPointsWithItsFingertip)
{
    const TCursorResource& hand = LoadGaugeCursor("VRCURSORHANDPOINT");
    ASSERT_FALSE(hand.rows.empty());
    EXPECT_EQ(hand.rows[hand.hotSpot.y][hand.hotSpot.x], 'K');
    for (const auto& row : hand.rows)
        EXPECT_EQ(row.size(), hand.rows.front().size());
    EXPECT_TRUE(LoadGaugeCursor("NOSUCH").rows.empty());
}

TEST(GaugeResources, HandCursorPictureIsSeeThroughAroundTheHand)
{
    const TCursorResource& hand = LoadGaugeCursor("VRCURSORHANDPOINT");
    const TBitmap picture = CursorPicture(hand);
    ASSERT_EQ(picture.Width(), static_cast<int>(hand.rows.front().size()));
    ASSERT_EQ(picture.Height(), static_cast<int>(hand.rows.size()));
    EXPECT_TRUE(picture.Transparent);
    EXPECT_EQ(picture.Pixel(0, 0), picture.TransparentColor);
    EXPECT_EQ(picture.Pixel(hand.hotSpot.x, hand.hotSpot.y), clBlack);
    EXPECT_EQ(picture.Pixel(5, 1), clWhite);
    EXPECT_TRUE(CursorPicture(LoadGaugeCursor("NOSUCH")).Empty());
}

TEST(GaugeCursors, HandPointIsMadeOnceFromTheBuiltInPicture)
{
    auto owned = std::make_unique<HeadlessBackend>();
    HeadlessBackend* backend = owned.get();
    SetBackend(std::move(owned));
    Screen().Reset();
    RegisterGaugeCursors();
    const std::uintptr_t handle = Screen().Cursors(crGaugeHandPoint);
    const THeadlessCursor* made = backend->MadeCursor(handle);
    ASSERT_NE(made, nullptr);
    const TCursorResource& hand = LoadGaugeCursor("VRCURSORHANDPOINT");
    EXPECT_EQ(made->hotSpot, hand.hotSpot);
    EXPECT_EQ(made->image.Pixel(0, 0), made->transparent);
    EXPECT_EQ(made->image.Pixel(5, 1), clWhite);
    RegisterGaugeCursors();
    EXPECT_EQ(Screen().Cursors(crGaugeHandPoint), handle);
}
