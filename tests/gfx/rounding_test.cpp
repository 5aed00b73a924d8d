// Half-to-even rounding, shared by the bar's and the button's colour ramps (double), the track
// bar's geometry (long double, 64-bit tick counts) and the XP gradient bands.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "gfx/rounding.h"

TEST(Rounding, HalvesGoToTheEvenNeighbourOnBothSides)
{
    struct Case {
        long double value;
        int expected;
    };
    const std::vector<Case> cases{{0.5L, 0},    {1.5L, 2},     {2.5L, 2},   {3.5L, 4},
                                  {-0.5L, 0},   {-1.5L, -2},   {-2.5L, -2}, {2.4999L, 2},
                                  {2.5001L, 3}, {-2.5001L, -3}};
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.expected) << static_cast<double>(c.value);
}

TEST(Rounding, ExtendedPrecisionIsNotCutToDoubleFirst)
{
    if (std::numeric_limits<long double>::digits <= std::numeric_limits<double>::digits)
        FAIL() << "long double is no wider than double on this compiler, so the case the track "
                  "bar relies on cannot be told apart";
    // Just above 2.5 by less than a double can hold: a double would round it to 2.
    const long double aboveHalf = 2.5L + 4 * std::numeric_limits<long double>::epsilon();
    ASSERT_EQ(static_cast<double>(aboveHalf), 2.5);
    EXPECT_EQ(RoundHalfEven(aboveHalf), 3);
}

TEST(Rounding, SixtyFourBitCountsRoundBeyondThirtyTwoBits)
{
    EXPECT_EQ(RoundHalfEven64(4294967296.5L), std::int64_t{4294967296});
    EXPECT_EQ(RoundHalfEven64(4294967297.5L), std::int64_t{4294967298});
    EXPECT_EQ(RoundHalfEven64(-4294967297.5L), std::int64_t{-4294967298});
}
