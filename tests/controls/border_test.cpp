// The border frame on a form: every shape in both styles, the forms' 282 x 50 frame, the
// transparent spacer and the invalidate-not-repaint rule of its setters.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "controls/border.h"
#include "gauge_fixture.h"

namespace {

bool OnOutline(int x, int y, const TRect& r)
{
    const bool inX = x >= r.left && x <= r.right;
    const bool inY = y >= r.top && y <= r.bottom;
    return (inX && (y == r.top || y == r.bottom)) || (inY && (x == r.left || x == r.right));
}

using Expectation = std::function<TColor(int x, int y)>;

}  // namespace

class BorderTest : public GaugeFormTest {
protected:
    TBorder* MakeBorder(int w, int h)
    {
        auto* border = new TBorder(Form.get());
        border->SetParent(Form.get());
        border->SetBounds(0, 0, w, h);
        return border;
    }

    // Compares every pixel of the border's area and a margin of 2 around it.
    void ExpectPicture(int w, int h, const Expectation& expected)
    {
        Form->PaintImage();
        const TBitmap& image = Form->Image();
        for (int y = 0; y < h + 2; ++y)
            for (int x = 0; x < w + 2; ++x) {
                const TColor want = x < w && y < h ? expected(x, y) : FormColor;
                ASSERT_EQ(image.Pixel(x, y), want) << "at " << x << "," << y;
            }
    }

    // A raised frame: `first` outline on (0,0)-(w-2,h-2) over `second` on (1,1)-(w-1,h-1).
    static Expectation Frame(int w, int h, TColor first, TColor second)
    {
        return [=](int x, int y) {
            if (OnOutline(x, y, {0, 0, w - 2, h - 2}))
                return first;
            if (OnOutline(x, y, {1, 1, w - 1, h - 1}))
                return second;
            return FormColor;
        };
    }
};

TEST_F(BorderTest, DefaultIsA50x50RaisedGreenLimeFrame)
{
    auto* border = new TBorder(Form.get());
    border->SetParent(Form.get());
    ShowForm();
    EXPECT_EQ(border->BoundsRect(), Bounds(0, 0, 50, 50));
    EXPECT_EQ(border->Shape(), TBorderShape::bsFrame);
    EXPECT_EQ(border->Style(), TBorderEdgeStyle::bsRaised);
    EXPECT_EQ(border->Version(), "1.3");
    ExpectPicture(50, 50, Frame(50, 50, clLime, clGreen));
}

TEST_F(BorderTest, TheFormsFrameLeavesTwoCornersUntouched)
{
    TBorder* border = MakeBorder(282, 50);
    border->SetShadowColor(0xB35900);
    border->SetHighlightColor(0xFFA851);
    ShowForm();
    ExpectPicture(282, 50, Frame(282, 50, 0xFFA851, 0xB35900));
    EXPECT_EQ(Pixel(0, 49), FormColor);
    EXPECT_EQ(Pixel(281, 0), FormColor);
    EXPECT_EQ(Pixel(281, 49), 0xB35900u);
    EXPECT_EQ(Pixel(1, 1), 0xB35900u);
    EXPECT_EQ(Pixel(280, 48), 0xFFA851u);
}

TEST_F(BorderTest, EveryShapeInBothStyles)
{
    constexpr int w = 12, h = 9;
    constexpr TColor shadow = 0x000011, highlight = 0x0000EE;
    struct Case {
        TBorderShape shape;
        std::function<Expectation(TColor first, TColor second)> picture;
    };
    const auto lines = [](std::function<int(int x, int y)> which) {
        return [which](TColor first, TColor second) -> Expectation {
            return [=](int x, int y) {
                return which(x, y) == 1 ? first : which(x, y) == 2 ? second : FormColor;
            };
        };
    };
    const std::vector<Case> cases{
        {TBorderShape::bsBox,
         [](TColor first, TColor second) -> Expectation {
             return [=](int x, int y) {
                 if (!OnOutline(x, y, {0, 0, w - 1, h - 1}))
                     return FormColor;
                 const bool bottomRight = (x == w - 1 || y == h - 1) && !(x == 0 && y == h - 1);
                 return bottomRight ? second : first;
             };
         }},
        {TBorderShape::bsFrame,
         [](TColor first, TColor second) { return Frame(w, h, first, second); }},
        {TBorderShape::bsTopLine, lines([](int, int y) { return y == 0   ? 1
                                                                : y == 1 ? 2
                                                                         : 0; })},
        {TBorderShape::bsBottomLine, lines([](int, int y) {
             return y == h - 2 ? 1 : y == h - 1 ? 2 : 0;
         })},
        {TBorderShape::bsLeftLine, lines([](int x, int) { return x == 0   ? 1
                                                                 : x == 1 ? 2
                                                                          : 0; })},
        {TBorderShape::bsRightLine, lines([](int x, int) {
             return x == w - 2 ? 1 : x == w - 1 ? 2 : 0;
         })},
        {TBorderShape::bsSpacer, lines([](int, int) { return 0; })},
    };
    TBorder* border = MakeBorder(w, h);
    border->SetShadowColor(shadow);
    border->SetHighlightColor(highlight);
    ShowForm();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.shape));
        border->SetShape(c.shape);
        border->SetStyle(TBorderEdgeStyle::bsRaised);
        ExpectPicture(w, h, c.picture(highlight, shadow));
        border->SetStyle(TBorderEdgeStyle::bsLowered);
        ExpectPicture(w, h, c.picture(shadow, highlight));
    }
}

TEST_F(BorderTest, TopLineOnAOnePixelBorderClipsTheSecondLine)
{
    TBorder* border = MakeBorder(10, 1);
    border->SetShape(TBorderShape::bsTopLine);
    ShowForm();
    EXPECT_EQ(Pixel(5, 0), clLime);
    EXPECT_EQ(Pixel(5, 1), FormColor);
}

TEST_F(BorderTest, SettersInvalidateInsteadOfRepaintingAtOnce)
{
    TBorder* border = MakeBorder(50, 50);
    ShowForm();
    const THeadlessWindow* window = Backend->Window(Form->Handle());
    ASSERT_NE(window, nullptr);
    const int presents = window->presents;
    border->SetShadowColor(clRed);
    EXPECT_EQ(window->presents, presents);
    EXPECT_EQ(Form->Image().Pixel(49, 49), clGreen);
    EXPECT_TRUE(window->paintPending);
    EXPECT_EQ(Pixel(49, 49), clRed);
}

TEST_F(BorderTest, SettersGivenTheSameValueDoNotInvalidate)
{
    TBorder* border = MakeBorder(50, 50);
    ShowForm();
    Backend->ProcessMessages();
    const THeadlessWindow* window = Backend->Window(Form->Handle());
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(window->paintPending);
    struct Case {
        const char* property;
        std::function<void()> same, changed;
    };
    const std::vector<Case> cases{
        {"Shape", [&] { border->SetShape(TBorderShape::bsFrame); },
         [&] { border->SetShape(TBorderShape::bsBox); }},
        {"Style", [&] { border->SetStyle(TBorderEdgeStyle::bsRaised); },
         [&] { border->SetStyle(TBorderEdgeStyle::bsLowered); }},
        {"ShadowColor", [&] { border->SetShadowColor(clGreen); },
         [&] { border->SetShadowColor(clRed); }},
        {"HighlightColor", [&] { border->SetHighlightColor(clLime); },
         [&] { border->SetHighlightColor(clBlue); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.property);
        const int presents = window->presents;
        c.same();
        EXPECT_FALSE(window->paintPending);
        c.changed();
        EXPECT_TRUE(window->paintPending);
        EXPECT_EQ(window->presents, presents);
        // The changed value once more: nothing new to paint after the pending paint ran.
        Backend->ProcessMessages();
        ASSERT_FALSE(window->paintPending);
        c.changed();
        EXPECT_FALSE(window->paintPending);
    }
    // All four changes: a lowered box, shadow on top/left (with (0, 49)), highlight on
    // bottom/right (with (49, 0)).
    EXPECT_EQ(Pixel(0, 49), clRed);
    EXPECT_EQ(Pixel(49, 0), clBlue);
}
