// Parent-following colour, font and hints; bounds, coordinates and reparenting.
#include <gtest/gtest.h>

#include "ui_fixture.h"

namespace {

using ControlTest = UiTest;

TEST_F(ControlTest, ColourFollowsTheParentUntilSetDirectly)
{
    TForm* form = ShownForm();
    std::vector<std::string> log;
    auto* panel = new Pad(form, form, Bounds(0, 0, 100, 100));
    auto* box = new Box(form, panel, Bounds(0, 0, 10, 10), &log);
    box->SetName("box");
    log.clear();
    form->SetColor(0x123456);
    EXPECT_EQ(panel->Color(), 0x123456u);
    EXPECT_EQ(box->Color(), 0x123456u);
    EXPECT_EQ(log, (std::vector<std::string>{"box:color"}));

    box->SetColor(clRed);
    EXPECT_FALSE(box->ParentColor());
    form->SetColor(clGreen);
    EXPECT_EQ(box->Color(), clRed);
    box->SetParentColor(true);
    EXPECT_EQ(box->Color(), clGreen);
}

TEST_F(ControlTest, FontFollowsTheParentAndNotifiesOnlyOnChange)
{
    TForm* form = ShownForm();
    std::vector<std::string> log;
    auto* box = new Box(form, form, Bounds(0, 0, 10, 10), &log);
    box->SetName("box");
    log.clear();
    TFontSpec big = form->Font();
    big.height = -13;
    form->SetFont(big);
    EXPECT_EQ(box->Font().height, -13);
    form->SetFont(big);
    EXPECT_EQ(log, (std::vector<std::string>{"box:font"}));

    TFontSpec bold = big;
    bold.bold = true;
    box->SetFont(bold);
    big.height = -8;
    form->SetFont(big);
    EXPECT_TRUE(box->Font().bold);
    EXPECT_EQ(box->Font().height, -13);
}

TEST_F(ControlTest, ShowHintFollowsTheParentWhenParentShowHint)
{
    TForm* form = ShownForm();
    auto* follower = new Box(form, form, Bounds(0, 0, 10, 10));
    auto* own = new Box(form, form, Bounds(10, 0, 10, 10));
    own->SetShowHint(false);
    form->SetShowHint(true);
    EXPECT_TRUE(follower->ShowHint());
    EXPECT_FALSE(own->ShowHint());
}

TEST_F(ControlTest, CoordinatesGoThroughParentsAndTheForm)
{
    TForm* form = ShownForm();
    auto* panel = new Pad(form, form, Bounds(20, 10, 100, 60));
    auto* box = new Box(form, panel, Bounds(5, 7, 10, 10));
    EXPECT_EQ(box->ClientToScreen({1, 2}), (TPoint{100 + 20 + 5 + 1, 50 + 10 + 7 + 2}));
    EXPECT_EQ(box->ScreenToClient({126, 67}), (TPoint{1, 0}));
    EXPECT_EQ(box->ParentForm(), form);
}

TEST_F(ControlTest, ResizeFiresOnlyWhenTheSizeChanges)
{
    TForm* form = ShownForm();
    auto* box = new Box(form, form, Bounds(0, 0, 10, 10));
    int resizes = 0;
    box->OnResize = [&](TObject*) { ++resizes; };
    box->SetLeft(5);
    box->SetBounds(5, 0, 10, 10);
    box->SetWidth(20);
    EXPECT_EQ(resizes, 1);
}

TEST_F(ControlTest, FreeingAControlRemovesItFromItsParent)
{
    TForm* form = ShownForm();
    auto* panel = new Pad(form, form, Bounds(0, 0, 50, 50));
    new Box(form, panel, Bounds(0, 0, 10, 10));
    EXPECT_EQ(panel->ControlCount(), 1);
    delete panel;
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_EQ(form->ComponentCount(), 0);
}

}  // namespace
