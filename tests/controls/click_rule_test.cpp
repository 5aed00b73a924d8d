// The click rule alone: which releases make a click, when the wait starts, what a double click
// cancels and that a click is delivered once.
#include <gtest/gtest.h>

#include "controls/click_rule.h"

namespace {

TEST(ClickRuleTest, ReleaseAfterPressWaitsOnceAndADoubleClickCancels)
{
    TClickRule rule;
    EXPECT_FALSE(rule.Released({}, true)) << "a release without a press";
    rule.Pressed();
    EXPECT_FALSE(rule.Released({}, false)) << "a click not worth waiting for";
    EXPECT_FALSE(rule.WaitOver());

    rule.Pressed();
    EXPECT_TRUE(rule.Released({TMouseButton::mbRight, ssShift, 1, 2}, true));
    rule.Pressed();
    EXPECT_FALSE(rule.Released({TMouseButton::mbLeft, ssCtrl, 3, 4}, true)) << "already waiting";
    const std::optional<TTrayClick> click = rule.WaitOver();
    ASSERT_TRUE(click);
    EXPECT_EQ(click->button, TMouseButton::mbLeft) << "the latest release wins";
    EXPECT_EQ(click->shift, ssCtrl);
    EXPECT_EQ(click->x, 3);
    EXPECT_EQ(click->y, 4);
    EXPECT_FALSE(rule.WaitOver()) << "delivered once";

    // The shell's order for a double click: down, up, double click, up.
    rule.Pressed();
    EXPECT_TRUE(rule.Released({}, true));
    EXPECT_TRUE(rule.DoubleClicked());
    EXPECT_FALSE(rule.Released({}, true)) << "the second release had no press";
    EXPECT_FALSE(rule.WaitOver());
    EXPECT_FALSE(rule.DoubleClicked()) << "nothing left to cancel";
}

}  // namespace
