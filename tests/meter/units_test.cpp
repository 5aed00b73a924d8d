// Rounding, unit conversion and number texts.
#include <gtest/gtest.h>

#include "meter/memory_caption.h"
#include "meter/number_text.h"
#include "meter/units.h"

namespace sw {
namespace {

TEST(RoundTest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.5000001), 3);
}

TEST(MBToGBTest, ConvertsAndRoundsToThreeDecimals)
{
    struct Case {
        double mb;
        double gb;
    };
    for (Case c : {Case{1, 0.001}, Case{703, 0.687}, Case{1536, 1.5}, Case{14805, 14.458},
                   Case{40183, 39.241}, Case{25378, 24.783}, Case{0, 0}}) {
        EXPECT_DOUBLE_EQ(MBToGB(c.mb), c.gb) << c.mb;
    }
}

TEST(Round3Test, ExactHalfThousandthsGoToEven)
{
    // 0.0625 and 0.1875 are exact in binary: x1000 gives 62.5 and 187.5.
    EXPECT_DOUBLE_EQ(Round3(0.0625), 0.062);
    EXPECT_DOUBLE_EQ(Round3(0.1875), 0.188);
    // 64 MB / 1024 = 0.0625 GB
    EXPECT_DOUBLE_EQ(MBToGB(64), 0.062);
}

TEST(RealTextTest, GeneralFormat)
{
    struct Case {
        double value;
        char sep;
        const char* text;
    };
    for (Case c : {Case{14805, '.', "14805"}, Case{14.458, '.', "14.458"}, Case{1.5, '.', "1.5"},
                   Case{39.0, '.', "39"}, Case{14.458, ',', "14,458"}, Case{0, '.', "0"},
                   Case{-0.0, '.', "0"}, Case{0.001, '.', "0.001"}, Case{-25.5, '.', "-25.5"},
                   Case{123456789012345, '.', "123456789012345"}, Case{0.1 + 0.2, '.', "0.3"},
                   Case{1e20, '.', "1E+20"}, Case{1.5e-7, ',', "1,5E-07"}}) {
        EXPECT_EQ(RealText(c.value, c.sep), c.text) << c.value;
    }
}

TEST(IntTextTest, PlainDecimal)
{
    EXPECT_EQ(IntText(0), "0");
    EXPECT_EQ(IntText(-63), "-63");
    EXPECT_EQ(IntText(1048576), "1048576");
}

TEST(MemoryFigureCaptionTest, Examples)
{
    EXPECT_EQ(MemoryFigureCaption(524288, '.'), "0.5 GB = 524288 KB ~ 512 MB");
    EXPECT_EQ(MemoryFigureCaption(120563, '.'), "0.115 GB = 120563 KB ~ 117 MB");
    EXPECT_EQ(MemoryFigureCaption(1048576, '.'), "1 GB = 1048576 KB ~ 1024 MB");
    EXPECT_EQ(MemoryFigureCaption(524288, ','), "0,5 GB = 524288 KB ~ 512 MB");
}

TEST(MemoryFigureCaptionTest, FullWidthFiguresBeyondFourGigabytes)
{
    // 128 TiB of address space in kilobytes.
    EXPECT_EQ(MemoryFigureCaption(137438953472, '.'), "131072 GB = 137438953472 KB ~ 134217728 MB");
}

}  // namespace
}  // namespace sw
