// Accelerator letters in captions, as labels, buttons and check boxes read them.
#include <gtest/gtest.h>

#include <string>

#include "ui/accel.h"

namespace {

struct AccelCase {
    std::string caption;
    char accel;
};

class AccelCharTest : public testing::TestWithParam<AccelCase> { };

TEST_P(AccelCharTest, FirstSingleAmpersandMarksTheLetter)
{
    EXPECT_EQ(AccelChar(GetParam().caption), GetParam().accel);
}

INSTANTIATE_TEST_SUITE_P(Captions, AccelCharTest,
                         testing::Values(AccelCase{"&Refresh", 'R'}, AccelCase{"Re&fresh", 'f'},
                                         AccelCase{"Salt && &Pepper", 'P'}, AccelCase{"A&&B", 0},
                                         AccelCase{"&&&x", 'x'}, AccelCase{"End&", 0},
                                         AccelCase{"&a &b", 'a'}, AccelCase{"", 0}));

TEST(IsAccel, MatchesTheLetterInEitherCaseOnly)
{
    EXPECT_TRUE(IsAccel('r', "&Refresh"));
    EXPECT_TRUE(IsAccel('R', "&refresh"));
    EXPECT_FALSE(IsAccel('e', "&Refresh"));
    EXPECT_FALSE(IsAccel('b', "&a &b"));
    EXPECT_FALSE(IsAccel('&', "A&&B"));
    EXPECT_FALSE(IsAccel(0, "End&"));
}

}  // namespace
