// Keeping a window on its work area, each side of the clamp: before the area, inside it, past
// it, and larger than it, where the top-left corner (the title band) wins.
#include <gtest/gtest.h>

#include "app/screen_fit.h"

namespace {

TEST(ScreenFitTest, EachSideOfTheClampOnBothAxes)
{
    const std::vector<TRect> area{Rect(100, 50, 900, 650)};
    struct Case {
        TRect window;
        TPoint wholly;
        const char* why;
    };
    for (const Case& c : {
             Case{Bounds(40, 20, 200, 100), {100, 50}, "left of and above the area"},
             Case{Bounds(300, 200, 200, 100), {300, 200}, "inside: it stays"},
             Case{Bounds(800, 600, 200, 100), {700, 550}, "past its right and bottom"},
             Case{Bounds(300, 200, 200, 700), {300, 50}, "taller: its top on the area"},
             Case{Bounds(300, 200, 900, 100), {100, 200}, "wider: its left on the area"},
             Case{Bounds(-500, -900, 1000, 800), {100, 50}, "larger, above: the top-left"},
             Case{Bounds(2000, 2000, 200, 100), {700, 550}, "wholly off the screen"},
             Case{Bounds(2000, -2000, 200, 900), {700, 50}, "taller, off the screen: its top"},
         }) {
        EXPECT_EQ(PlaceWhollyOnWorkArea(c.window, area), c.wholly) << c.why;
    }
}

}  // namespace
