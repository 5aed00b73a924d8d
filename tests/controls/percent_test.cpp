// The family's percentages: truncation below the exact share and the 32-bit guards.
#include <gtest/gtest.h>

#include <vector>
#include "controls/percent.h"
#include "ui/errors.h"

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
