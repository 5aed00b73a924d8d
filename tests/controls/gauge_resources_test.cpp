// The built-in thumbs and the hand-point cursor's picture.
#include <gtest/gtest.h>

#include "controls/gauge_resources.h"
#include "gfx/bitmap.h"
#include "gfx/color.h"

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
