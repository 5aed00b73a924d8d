// The link label on a headless form: the hot font (only while the application is in the
// foreground), the disabled look, frames, margins, placement and opening its URL.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "controls/jv_label.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/color.h"
#include "platform/fake/fake_misc.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr TColor kFormColor = 0x123456;
constexpr TColor kLabelColor = 0x204060;

// The rectangle covering every pixel of `picture` inside `area` that differs from `background`.
TRect InkBounds(const TBitmap& picture, TRect area, TColor background)
{
    TRect ink{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (picture.Pixel(x, y) != background) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x + 1);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
    return ink;
}

// The longest horizontal run of `color` in any row.
int LongestRun(const TBitmap& picture, TColor color)
{
    int longest = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0, run = 0; x < picture.Width(); ++x) {
            run = picture.Pixel(x, y) == color ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

class JvLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseHeadlessBackend();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 300, 100);
        form->SetColor(kFormColor);
        label = new TJvLabel(form);
        label->SetParent(form);
        // The memory window's values.
        label->SetCaption("Product Web Page");
        label->SetAutoSize(false);
        label->SetBounds(20, 30, 109, 20);
        label->SetColor(kLabelColor);
        TFontSpec font;
        font.height = -12;
        font.color = clBlue;
        label->SetFont(font);
        font.bold = true;
        font.underline = true;
        label->SetHotTrackFont(font);
        label->SetHotTrack(true);
        form->Show();
    }
    void TearDown() override { Application().Reset(); }

    // The label's pixels as the form composes them.
    TBitmap Picture()
    {
        form->PaintImage();
        TBitmap picture(label->Width(), label->Height());
        picture.Canvas().CopyRect(picture.BoundsRect(), form->Image(), label->BoundsRect());
        return picture;
    }

    TForm* form = nullptr;
    TJvLabel* label = nullptr;
};

TEST_F(JvLabelTest, HotFontShowsWhileThePointerIsOverTheLabel)
{
    const TBitmap normal = Picture();
    Headless().MouseMove({50, 40});
    ASSERT_TRUE(label->PointerInside());
    const TBitmap hot = Picture();
    EXPECT_NE(InkBounds(hot, hot.BoundsRect(), kLabelColor).Width(),
              InkBounds(normal, normal.BoundsRect(), kLabelColor).Width())
        << "bold text is wider";
    EXPECT_GT(LongestRun(hot, clBlue), 80) << "underlined";
    EXPECT_LT(LongestRun(normal, clBlue), 20);

    Headless().MouseMove({250, 90});
    EXPECT_FALSE(label->PointerInside());
    const TBitmap after = Picture();
    EXPECT_EQ(InkBounds(after, after.BoundsRect(), kLabelColor),
              InkBounds(normal, normal.BoundsRect(), kLabelColor));
}

TEST_F(JvLabelTest, HotFontNeedsTheForegroundAndHotTrack)
{
    const TRect normalInk = [&] {
        const TBitmap p = Picture();
        return InkBounds(p, p.BoundsRect(), kLabelColor);
    }();
    Headless().SetForeignForeground(true);
    Headless().MouseMove({50, 40});
    TBitmap picture = Picture();
    EXPECT_EQ(InkBounds(picture, picture.BoundsRect(), kLabelColor), normalInk);

    Headless().MouseMove({250, 90});
    Headless().SetForeignForeground(false);
    label->SetHotTrack(false);
    Headless().MouseMove({50, 40});
    picture = Picture();
    EXPECT_EQ(InkBounds(picture, picture.BoundsRect(), kLabelColor), normalInk);
}

TEST_F(JvLabelTest, HotFontFollowsTheNormalFontByItsOptions)
{
    TFontSpec font = label->Font();
    font.height = -16;
    font.color = clRed;
    font.italic = true;
    label->SetFont(font);
    EXPECT_EQ(label->HotTrackFont().height, -16);
    EXPECT_EQ(label->HotTrackFont().color, clBlue) << "colour preserved";
    EXPECT_TRUE(label->HotTrackFont().bold) << "style preserved";
    EXPECT_FALSE(label->HotTrackFont().italic);

    label->SetHotTrackFontOptions(TrackFontOption(hoFollowFont) |
                                  TrackFontOption(hoPreserveHeight));
    EXPECT_EQ(label->HotTrackFont().color, clRed);
    EXPECT_TRUE(label->HotTrackFont().italic);
    EXPECT_FALSE(label->HotTrackFont().bold);
}

TEST_F(JvLabelTest, DisabledLabelDrawsGreyTextWithAHighlightShadow)
{
    TFontSpec font = label->Font();
    font.color = clBlack;
    label->SetFont(font);
    const TBitmap enabled = Picture();
    label->SetEnabled(false);
    const TBitmap disabled = Picture();
    const TColor grey = ColorToRGB(clGrayText);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    int glyphPixels = 0;
    for (int y = 0; y < enabled.Height(); ++y)
        for (int x = 0; x < enabled.Width(); ++x) {
            const bool glyph = enabled.Pixel(x, y) == clBlack;
            const bool glyphUpLeft = enabled.Pixel(x - 1, y - 1) == clBlack;
            TColor expected = kLabelColor;
            if (glyph)
                expected = grey;
            else if (glyphUpLeft)
                expected = highlight;
            ASSERT_EQ(disabled.Pixel(x, y), expected) << x << "," << y;
            glyphPixels += glyph;
        }
    EXPECT_GT(glyphPixels, 50);
}

TEST_F(JvLabelTest, RoundedFrameMustStayBelowHalfTheHeight)
{
    struct Case {
        int value;
        int stored;
    };
    for (Case c : {Case{3, 3}, Case{9, 9}, Case{10, 9}, Case{40, 9}, Case{-1, 9}, Case{0, 0}}) {
        label->SetRoundedFrame(c.value);
        EXPECT_EQ(label->RoundedFrame(), c.stored) << c.value;
    }
}

TEST_F(JvLabelTest, RoundedFrameCutsTheCorners)
{
    label->SetCaption("");
    label->SetFrameColor(clRed);
    label->SetRoundedFrame(4);
    const TBitmap picture = Picture();
    EXPECT_EQ(picture.Pixel(0, 0), kFormColor) << "the cut corner shows what lies beneath";
    EXPECT_EQ(picture.Pixel(4, 0), clRed);
    EXPECT_EQ(picture.Pixel(0, 4), clRed);
    EXPECT_EQ(picture.Pixel(2, 2), clRed) << "on the diagonal";
    EXPECT_EQ(picture.Pixel(108, 10), clRed);
    EXPECT_EQ(picture.Pixel(54, 19), clRed);
    EXPECT_EQ(picture.Pixel(54, 10), kLabelColor);
    EXPECT_EQ(picture.Pixel(108, 19), kFormColor);

    label->SetRoundedFrame(0);
    const TBitmap square = Picture();
    EXPECT_EQ(square.Pixel(0, 0), clRed);
    EXPECT_EQ(square.Pixel(108, 19), clRed);
    EXPECT_EQ(square.Pixel(1, 1), kLabelColor);
}

TEST_F(JvLabelTest, MarginIsNeverNegativeAndKeepsTextOffTheEdges)
{
    label->SetMargin(-5);
    EXPECT_EQ(label->Margin(), 0);
    label->SetMargin(6);
    EXPECT_EQ(label->Margin(), 6);
    const TBitmap picture = Picture();
    const TRect ink = InkBounds(picture, picture.BoundsRect(), kLabelColor);
    EXPECT_GE(ink.left, 6);
    EXPECT_GE(ink.top, 6);
}

TEST_F(JvLabelTest, AlignmentAndLayoutPlaceTheText)
{
    label->SetCaption("Go");
    label->SetBounds(20, 30, 100, 40);
    struct Case {
        TAlignment alignment;
        TTextLayout layout;
    };
    for (Case c :
         {Case{taLeftJustify, tlTop}, Case{taRightJustify, tlBottom}, Case{taCenter, tlCenter}}) {
        label->SetAlignment(c.alignment);
        label->SetLayout(c.layout);
        const TBitmap picture = Picture();
        const TRect ink = InkBounds(picture, picture.BoundsRect(), kLabelColor);
        const int leftGap = ink.left;
        const int rightGap = 100 - ink.right;
        const int topGap = ink.top;
        const int bottomGap = 40 - ink.bottom;
        switch (c.alignment) {
        case taLeftJustify:
            EXPECT_LE(leftGap, 1);
            break;
        case taRightJustify:
            EXPECT_LE(rightGap, 3);
            break;
        case taCenter:
            EXPECT_LE(std::abs(leftGap - rightGap), 3);
            break;
        }
        switch (c.layout) {
        case tlTop:
            EXPECT_LE(topGap, 4);
            break;
        case tlBottom:
            EXPECT_LE(bottomGap, 4);
            break;
        case tlCenter:
            EXPECT_LE(std::abs(topGap - bottomGap), 4);
            break;
        }
    }
}

TEST_F(JvLabelTest, AutoSizeFitsTheTextPlusAPixelEachSide)
{
    label->SetCaption("MEMORY");
    TFontSpec font;
    label->SetFont(font);
    label->SetAutoSize(true);
    EXPECT_EQ(label->Width(), 48 + 2);
    EXPECT_EQ(label->Height(), 13);
    label->SetMargin(2);
    EXPECT_EQ(label->Width(), 48 + 2 + 4);
    EXPECT_EQ(label->Height(), 13 + 4);
}

TEST_F(JvLabelTest, ClickOpensTheUrlOnlyWhenAsked)
{
    auto shell = std::make_shared<sw::FakeShell>();
    label->SetShell(shell);
    int clicks = 0;
    label->OnClick = [&](TObject*) { ++clicks; };
    Headless().Click({50, 40});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(shell->Calls.empty()) << "no URL, nothing opened";

    label->SetURL("http://example.org/software.php?prodid=7");
    Headless().AdvanceTime(1000);
    Headless().Click({50, 40});
    ASSERT_EQ(shell->Calls.size(), 1u);
    EXPECT_EQ(shell->Calls[0].verb, "open");
    EXPECT_EQ(shell->Calls[0].target, "http://example.org/software.php?prodid=7");

    label->SetAutoOpenURL(false);
    Headless().AdvanceTime(1000);
    Headless().Click({50, 40});
    EXPECT_EQ(shell->Calls.size(), 1u);
    EXPECT_EQ(clicks, 3);
}

TEST_F(JvLabelTest, EnablingUnderThePointerSwitchesToTheHotFont)
{
    label->SetEnabled(false);
    Headless().MouseMove({50, 40});
    EXPECT_LT(LongestRun(Picture(), clBlue), 20);
    label->SetEnabled(true);
    EXPECT_TRUE(label->PointerInside()) << "enabling re-checks the pointer";
    EXPECT_GT(LongestRun(Picture(), clBlue), 80);
    label->SetEnabled(false);
    EXPECT_FALSE(label->PointerInside());
    EXPECT_LT(LongestRun(Picture(), ColorToRGB(clGrayText)), 20) << "normal font, greyed";
}

}  // namespace
