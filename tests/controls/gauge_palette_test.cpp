// The segment palette: which colour an index takes, and when the owner is told.
#include <gtest/gtest.h>

#include <vector>
#include "controls/gauge_palette.h"

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
