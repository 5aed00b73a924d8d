// The link label on a headless form: the hot font (only while the application is in the
// foreground), the disabled look, frames, margins, placement and opening its URL.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>

#include "controls/link_label.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/color.h"
#include "platform/fake/fake_shell.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/wincontrol.h"

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

// True when both pictures have the same size and pixels.
bool SamePicture(const TBitmap& a, const TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

class LinkLabelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseHeadlessBackend();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 300, 100);
        form->SetColor(kFormColor);
        label = new TLinkLabel(form);
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

    // The label's pixels as last presented on screen: only what was invalidated is redrawn.
    TBitmap Shown()
    {
        Headless().ProcessMessages();
        TBitmap picture(label->Width(), label->Height());
        picture.Canvas().CopyRect(picture.BoundsRect(), Headless().Window(form->Handle())->image,
                                  label->BoundsRect());
        return picture;
    }

    // The hot font is bold and underlined: the underline is one long run of the font colour.
    bool HotFontShows() { return LongestRun(Picture(), clBlue) > 80; }

    // A focusable windowed control on the form, clear of the label.
    TWinControl* AddFocusable(int top)
    {
        auto* control = new TWinControl(form);
        control->SetParent(form);
        control->SetBounds(200, top, 40, 20);
        return control;
    }

    TForm* form = nullptr;
    TLinkLabel* label = nullptr;
};

TEST_F(LinkLabelTest, HotFontShowsWhileThePointerIsOverTheLabel)
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

TEST_F(LinkLabelTest, HotFontNeedsTheForegroundAndHotTrack)
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

TEST_F(LinkLabelTest, HotFontFollowsTheNormalFontByItsOptions)
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

TEST_F(LinkLabelTest, DisabledLabelDrawsGreyTextWithAHighlightShadow)
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

TEST_F(LinkLabelTest, RoundedFrameMustStayBelowHalfTheHeight)
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

TEST_F(LinkLabelTest, RoundedFrameCutsTheCorners)
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

TEST_F(LinkLabelTest, MarginIsNeverNegativeAndKeepsTextOffTheEdges)
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

TEST_F(LinkLabelTest, AlignmentAndLayoutPlaceTheText)
{
    label->SetCaption("Go");
    label->SetBounds(20, 30, 100, 40);
    struct Case {
        TAlignment alignment;
        TTextLayout layout;
    };
    for (Case c : {Case{TAlignment::taLeftJustify, TTextLayout::tlTop},
                   Case{TAlignment::taRightJustify, TTextLayout::tlBottom},
                   Case{TAlignment::taCenter, TTextLayout::tlCenter}}) {
        label->SetAlignment(c.alignment);
        label->SetLayout(c.layout);
        const TBitmap picture = Picture();
        const TRect ink = InkBounds(picture, picture.BoundsRect(), kLabelColor);
        const int leftGap = ink.left;
        const int rightGap = 100 - ink.right;
        const int topGap = ink.top;
        const int bottomGap = 40 - ink.bottom;
        switch (c.alignment) {
        case TAlignment::taLeftJustify:
            EXPECT_LE(leftGap, 1);
            break;
        case TAlignment::taRightJustify:
            EXPECT_LE(rightGap, 3);
            break;
        case TAlignment::taCenter:
            EXPECT_LE(std::abs(leftGap - rightGap), 3);
            break;
        }
        switch (c.layout) {
        case TTextLayout::tlTop:
            EXPECT_LE(topGap, 4);
            break;
        case TTextLayout::tlBottom:
            EXPECT_LE(bottomGap, 4);
            break;
        case TTextLayout::tlCenter:
            EXPECT_LE(std::abs(topGap - bottomGap), 4);
            break;
        }
    }
}

TEST_F(LinkLabelTest, AutoSizeFitsTheTextPlusAPixelEachSide)
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

TEST_F(LinkLabelTest, ClickOpensTheUrlOnlyWhenAsked)
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

TEST_F(LinkLabelTest, EnablingUnderThePointerSwitchesToTheHotFont)
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

TEST_F(LinkLabelTest, ShadowIsOffsetTowardsItsPosition)
{
    constexpr TColor kShadow = clYellow;
    constexpr int kSize = 2;
    TFontSpec font = label->Font();
    font.color = clBlack;
    label->SetFont(font);
    // Room on every side, so no shadow falls outside the label.
    label->SetBounds(20, 30, 109, 30);
    label->SetCaption("Web Page");
    label->SetAlignment(TAlignment::taCenter);
    label->SetMargin(4);
    label->SetShadowColor(kShadow);
    // Without a size the shadow pass lies exactly under the text.
    const TBitmap plain = Picture();
    struct Case {
        TShadowPosition position;
        int dx;
        int dy;
    };
    for (Case c : {Case{TShadowPosition::spLeftTop, -kSize, -kSize},
                   Case{TShadowPosition::spLeftBottom, -kSize, kSize},
                   Case{TShadowPosition::spRightBottom, kSize, kSize},
                   Case{TShadowPosition::spRightTop, kSize, -kSize}}) {
        label->SetShadowPos(c.position);
        label->SetShadowSize(kSize);
        const TBitmap shadowed = Picture();
        int shadowPixels = 0;
        for (int y = 0; y < plain.Height(); ++y)
            for (int x = 0; x < plain.Width(); ++x) {
                TColor expected = kLabelColor;
                if (plain.Pixel(x, y) == clBlack)
                    expected = clBlack;
                else if (plain.Pixel(x - c.dx, y - c.dy) == clBlack)
                    expected = kShadow;
                ASSERT_EQ(shadowed.Pixel(x, y), expected)
                    << "position " << static_cast<int>(c.position) << " at " << x << "," << y;
                shadowPixels += expected == kShadow;
            }
        EXPECT_GT(shadowPixels, 30) << "position " << static_cast<int>(c.position);
        label->SetShadowSize(0);
    }
}

TEST_F(LinkLabelTest, TransparentLabelFillsNoBackground)
{
    label->SetTransparent(true);
    struct Case {
        TColor frame;
        int rounded;
    };
    for (Case c : {Case{clNone, 0}, Case{clRed, 0}, Case{clRed, 4}}) {
        label->SetFrameColor(c.frame);
        label->SetRoundedFrame(c.rounded);
        const TBitmap picture = Picture();
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                ASSERT_NE(picture.Pixel(x, y), kLabelColor)
                    << "frame " << c.frame << " rounded " << c.rounded << " at " << x << "," << y;
        EXPECT_EQ(picture.Pixel(54, 17), kFormColor) << "below the text, inside any frame";
        EXPECT_EQ(picture.Pixel(54, 19), c.frame == clNone ? kFormColor : clRed);
    }
}

TEST_F(LinkLabelTest, WithoutAccelCharTheAmpersandShows)
{
    label->SetCaption("&&Product");
    const TBitmap literal = Picture();
    label->SetCaption("&Product");
    const TBitmap prefixed = Picture();
    label->SetShowAccelChar(false);
    const TBitmap plain = Picture();
    EXPECT_TRUE(SamePicture(plain, literal)) << "drawn as \"&Product\" with no underline";
    EXPECT_FALSE(SamePicture(plain, prefixed));
    EXPECT_GT(InkBounds(plain, plain.BoundsRect(), kLabelColor).Width(),
              InkBounds(prefixed, prefixed.BoundsRect(), kLabelColor).Width());
}

TEST_F(LinkLabelTest, ButtonUpRechecksTheHover)
{
    for (TMouseButton button :
         {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle}) {
        const int b = static_cast<int>(button);
        Headless().MouseMove({250, 90});
        Headless().MouseMove({50, 40});
        ASSERT_TRUE(HotFontShows()) << b;

        Headless().SetForeignForeground(true);
        Headless().MouseUp({50, 40}, button);
        EXPECT_FALSE(label->PointerInside()) << b << ": not hovered while in the background";
        EXPECT_FALSE(HotFontShows()) << b;

        Headless().SetForeignForeground(false);
        Headless().MouseUp({50, 40}, button);
        EXPECT_TRUE(label->PointerInside()) << b;
        EXPECT_TRUE(HotFontShows()) << b;
    }
}

TEST_F(LinkLabelTest, RightPressRechecksTheHoverButALeftPressDoesNot)
{
    Headless().MouseMove({50, 40});
    ASSERT_TRUE(HotFontShows());
    Headless().SetForeignForeground(true);
    Headless().MouseDown({50, 40}, TMouseButton::mbLeft);
    EXPECT_TRUE(label->PointerInside());
    EXPECT_TRUE(HotFontShows());
    Headless().MouseUp({50, 40}, TMouseButton::mbLeft);
    EXPECT_FALSE(HotFontShows());

    Headless().SetForeignForeground(false);
    Headless().MouseDown({50, 40}, TMouseButton::mbRight);
    EXPECT_TRUE(label->PointerInside());
    EXPECT_TRUE(HotFontShows());
    Headless().MouseUp({50, 40}, TMouseButton::mbRight);

    Headless().SetForeignForeground(true);
    Headless().MouseDown({50, 40}, TMouseButton::mbRight);
    EXPECT_FALSE(label->PointerInside());
    EXPECT_FALSE(HotFontShows());
}

TEST_F(LinkLabelTest, BecomingVisibleUnderThePointerRechecksTheHover)
{
    label->SetVisible(false);
    Headless().MouseMove({50, 40});
    Headless().SetForeignForeground(true);
    label->SetVisible(true);
    EXPECT_FALSE(label->PointerInside()) << "the application is in the background";
    EXPECT_FALSE(HotFontShows());

    label->SetVisible(false);
    Headless().SetForeignForeground(false);
    label->SetVisible(true);
    EXPECT_TRUE(label->PointerInside());
    EXPECT_TRUE(HotFontShows());

    Headless().MouseMove({250, 90});
    EXPECT_FALSE(label->PointerInside()) << "moving straight off leaves";
    EXPECT_FALSE(HotFontShows());
}

TEST_F(LinkLabelTest, AControlOverTheLabelAtThePointerMeansNotHovered)
{
    struct Case {
        const char* what;
        bool windowed;
        TRect bounds;
        bool hovered;
    };
    // The pointer goes to (50, 40), inside the label; the label is hovered last, because
    // nothing clears the flag while the pointer stays still.
    const Case cases[] = {
        {"a windowless sibling", false, Bounds(40, 32, 30, 15), false},
        {"a windowed sibling", true, Bounds(40, 32, 30, 15), false},
        {"a sibling away from the pointer", false, Bounds(100, 32, 20, 15), true},
    };
    for (const Case& c : cases) {
        label->SetVisible(false);
        TControl* sibling = nullptr;
        if (c.windowed) {
            sibling = new TWinControl(form);
        } else {
            auto* other = new TLinkLabel(form);
            other->SetAutoSize(false);
            sibling = other;
        }
        sibling->SetParent(form);
        sibling->SetBounds(c.bounds.left, c.bounds.top, c.bounds.Width(), c.bounds.Height());
        Headless().MouseMove({50, 40});
        ASSERT_FALSE(label->PointerInside()) << c.what;
        label->SetVisible(true);
        EXPECT_EQ(label->PointerInside(), c.hovered) << c.what;
        delete sibling;
    }
}

TEST_F(LinkLabelTest, AcceleratorMovesTheFocusToTheFocusControl)
{
    TWinControl* target = AddFocusable(30);
    TWinControl* elsewhere = AddFocusable(60);
    label->SetCaption("&Product Web Page");
    label->SetFocusControl(target);
    struct Case {
        char key;
        bool showAccelChar;
        bool moves;
    };
    for (Case c : {Case{'P', true, true}, Case{'W', true, false}, Case{'P', false, false}}) {
        label->SetShowAccelChar(c.showAccelChar);
        elsewhere->SetFocus();
        ASSERT_TRUE(elsewhere->Focused());
        Headless().KeyDown(TKey::Alt, ssAlt);
        Headless().PressKey(static_cast<TKey>(c.key), static_cast<char>(std::tolower(c.key)),
                            ssAlt);
        Headless().KeyUp(TKey::Alt);
        EXPECT_EQ(target->Focused(), c.moves)
            << "Alt+" << c.key << (c.showAccelChar ? "" : " without accelerators");
    }
}

TEST_F(LinkLabelTest, FocusRectangleShowsWhileTheFocusControlHasTheFocus)
{
    TWinControl* target = AddFocusable(30);
    TWinControl* elsewhere = AddFocusable(60);
    label->SetFocusControl(target);
    label->SetShowFocus(true);
    elsewhere->SetFocus();
    // The focus rectangle inverts every other pixel of its edges; the bottom edge and the
    // right edge lie on the label's last row and column.
    const TColor dot = kLabelColor ^ 0xFFFFFF;
    const auto dots = [&](const TBitmap& picture) {
        int count = 0;
        for (int x = 0; x < picture.Width(); ++x)
            count += picture.Pixel(x, picture.Height() - 1) == dot;
        for (int y = 0; y < picture.Height() - 1; ++y)
            count += picture.Pixel(picture.Width() - 1, y) == dot;
        return count;
    };
    EXPECT_EQ(dots(Shown()), 0);
    target->SetFocus();
    EXPECT_GT(dots(Shown()), 55) << "the label redraws itself when its control gets the focus";
    elsewhere->SetFocus();
    EXPECT_EQ(dots(Shown()), 0) << "and again when it loses it";
}

TEST_F(LinkLabelTest, MarginMovesRightAlignedTextInFromTheRight)
{
    label->SetCaption("Go");
    label->SetAlignment(TAlignment::taRightJustify);
    const auto inkRight = [&] {
        const TBitmap picture = Picture();
        return InkBounds(picture, picture.BoundsRect(), kLabelColor).right;
    }();
    EXPECT_LT(inkRight, label->Width()) << "the text box ends one pixel in";
    // The text box loses the margin on the right, then its right edge moves left by the
    // margin once more.
    for (int margin : {1, 3, 6}) {
        label->SetMargin(margin);
        const TBitmap picture = Picture();
        EXPECT_EQ(InkBounds(picture, picture.BoundsRect(), kLabelColor).right,
                  inkRight - 2 * margin)
            << "margin " << margin;
    }
}

TEST_F(LinkLabelTest, ClickRunsOnClickBeforeOpeningAndIgnoresAFailedOpen)
{
    auto shell = std::make_shared<sw::FakeShell>();
    shell->Succeeds = false;
    label->SetShell(shell);
    label->SetURL("http://example.org/");
    std::size_t openedBeforeOnClick = 99;
    label->OnClick = [&](TObject*) { openedBeforeOnClick = shell->Calls.size(); };
    Headless().Click({50, 40});
    EXPECT_EQ(openedBeforeOnClick, 0u);
    ASSERT_EQ(shell->Calls.size(), 1u);
    EXPECT_EQ(shell->Calls[0].verb, "open");
    EXPECT_EQ(shell->Calls[0].target, "http://example.org/");
    EXPECT_EQ(shell->Calls[0].params, "");

    Headless().AdvanceTime(1000);
    Headless().Click({50, 40});
    EXPECT_EQ(shell->Calls.size(), 2u) << "a refused open changes nothing";
    EXPECT_EQ(openedBeforeOnClick, 1u);
}

}  // namespace
