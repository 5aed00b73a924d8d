// The XP check box: its gradient faces, its picture in each state, the embossed disabled
// caption, and what clicks and keys do to it.
#include <gtest/gtest.h>

#include <algorithm>

#include "controls/jv_xp_checkbox.h"
#include "controls/jv_xp_resources.h"
#include "gfx/color.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr TColor kBoxColor = 0x304050;
constexpr TColor kFrame = 0x845118;
constexpr TColor kTick = 0x21A621;

class JvXPCheckboxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseHeadlessBackend();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 200, 60);
        box = new TJvXPCheckbox(form);
        box->SetParent(form);
        // The memory window's place and size.
        box->SetBounds(16, 20, 121, 17);
        box->SetCaption("Show RAM in Tray");
        box->SetColor(kBoxColor);
        other = new TJvXPCheckbox(form);
        other->SetParent(form);
        other->SetBounds(16, 40, 121, 17);
        form->Show();
    }
    void TearDown() override { Application().Reset(); }

    // A pixel of the check box in its own client coordinates.
    TColor Pixel(int x, int y)
    {
        form->PaintImage();
        return form->Image().Pixel(16 + x, 20 + y);
    }

    TForm* form = nullptr;
    TJvXPCheckbox* box = nullptr;
    TJvXPCheckbox* other = nullptr;
};

TEST(JvXPResources, TickIsSevenBySevenBlackOnSilver)
{
    const TBitmap tick = LoadJvXPBitmapResource("JvXPCheckboxCHECKBOX");
    ASSERT_EQ(tick.Width(), 7);
    ASSERT_EQ(tick.Height(), 7);
    EXPECT_EQ(tick.Pixel(6, 0), clBlack);
    EXPECT_EQ(tick.Pixel(5, 0), clSilver);
    EXPECT_EQ(tick.Pixel(0, 2), clBlack);
    EXPECT_EQ(tick.Pixel(2, 3), clSilver);
    EXPECT_EQ(tick.Pixel(2, 6), clBlack);
    EXPECT_TRUE(LoadJvXPBitmapResource("NOSUCH").Empty());
}

TEST(JvXPGradient, FacesAreFixedPictures)
{
    TJvXPCheckbox box(nullptr);
    struct Case {
        const TBitmap* face;
        int row;
        TColor color;
    };
    // Rows of the 11-pixel faces; dithering gives each band's first row the colour above.
    const Case cases[] = {
        {&box.FaceNormal(), 0, 0xFFFFFF},   {&box.FaceNormal(), 1, 0xFCFCFD},
        {&box.FaceNormal(), 10, 0xE7EBEF},  {&box.FaceHover(), 0, 0xCEF3FF},
        {&box.FaceHover(), 10, 0x0E9CE9},   {&box.FacePressed(), 0, 0xC6CFD6},
        {&box.FacePressed(), 10, 0xE9F1F5},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.face->Width(), 11);
        ASSERT_EQ(c.face->Height(), 11);
        for (int x = 0; x < 11; ++x)
            EXPECT_EQ(c.face->Pixel(x, c.row), c.color) << "row " << c.row << " x " << x;
    }
}

TEST(JvXPGradient, DitheringRepeatsTheFirstSixteenColumns)
{
    TBitmap wide(40, 60);
    JvXPCreateGradientRect(wide, clBlack, clWhite, true);
    for (int y = 0; y < 60; ++y)
        for (int x = 16; x < 40; ++x)
            ASSERT_EQ(wide.Pixel(x, y), wide.Pixel(x % 16, y)) << x << "," << y;
    EXPECT_EQ(wide.Pixel(0, 0), clBlack);
    EXPECT_EQ(wide.Pixel(0, 59), clWhite);
}

TEST_F(JvXPCheckboxTest, BoxFacesByState)
{
    // The box: 13 x 13 at (2, 2) for a 17-pixel-high control.
    EXPECT_EQ(Pixel(2, 2), kFrame);
    EXPECT_EQ(Pixel(14, 14), kFrame);
    EXPECT_EQ(Pixel(1, 2), kBoxColor);
    EXPECT_EQ(Pixel(3, 3), 0xFFFFFFu);
    EXPECT_EQ(Pixel(13, 13), 0xE7EBEFu);

    Headless().MouseMove({16 + 8, 20 + 8});
    ASSERT_TRUE(box->InVisualState(TJvXPStateItem::PointerOver));
    EXPECT_EQ(Pixel(3, 3), 0xCEF3FFu) << "hover ring";
    EXPECT_EQ(Pixel(4, 4), 0xFFFFFFu);
    EXPECT_EQ(Pixel(12, 12), 0xECEFF2u) << "the normal face's row 8: copied, not stretched";

    Headless().MouseDown({16 + 8, 20 + 8});
    EXPECT_EQ(Pixel(3, 3), 0xC6CFD6u) << "pressed face";
    Headless().MouseUp({16 + 8, 20 + 8});
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(Pixel(11, 5), kTick) << "tick row 0, column 6";
    EXPECT_EQ(Pixel(5, 7), kTick) << "tick row 2, column 0";
    EXPECT_EQ(Pixel(5, 5), 0xFCFCFDu) << "silver is transparent: the face's row 1 shows";
}

TEST_F(JvXPCheckboxTest, CaptionStartsAtTwentyAndIsCentred)
{
    other->SetFocus();
    form->PaintImage();
    TRect ink{121, 17, 0, 0};
    for (int y = 0; y < 17; ++y)
        for (int x = 15; x < 121; ++x)
            if (Pixel(x, y) != kBoxColor) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y + 1);
            }
    // "S" has one blank column; the 13-pixel text cell starts at row (17 - 13) / 2.
    EXPECT_EQ(ink.left, 21);
    EXPECT_GE(ink.top, 2);
    EXPECT_LE(ink.bottom, 15);
}

TEST_F(JvXPCheckboxTest, DisabledCaptionIsEmbossed)
{
    box->SetEnabled(false);
    const TColor shadow = ColorToRGB(clBtnShadow);
    const TColor highlight = ColorToRGB(clBtnHighlight);
    int shadowPixels = 0;
    int highlightPixels = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 20; x < 121; ++x) {
            const TColor c = Pixel(x, y);
            ASSERT_TRUE(c == kBoxColor || c == shadow || c == highlight) << x << "," << y;
            if (c == shadow) {
                ++shadowPixels;
                const TColor below = Pixel(x + 1, y + 1);
                EXPECT_TRUE(below == shadow || below == highlight) << x << "," << y;
            }
            highlightPixels += c == highlight;
        }
    EXPECT_GT(shadowPixels, 50);
    EXPECT_GT(highlightPixels, 20);

    Headless().Click({16 + 8, 20 + 8});
    EXPECT_FALSE(box->Checked()) << "a disabled box ignores the mouse";
}

TEST_F(JvXPCheckboxTest, TwoQuickClicksToggleTwice)
{
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    Headless().Click({16 + 8, 20 + 8});
    Headless().Click({16 + 8, 20 + 8});
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());
}

TEST_F(JvXPCheckboxTest, KeysDoNotToggle)
{
    box->SetFocus();
    ASSERT_TRUE(box->Focused());
    ASSERT_TRUE(box->InVisualState(TJvXPStateItem::HasFocus));
    Headless().PressKey(VK_SPACE, ' ');
    Headless().PressKey(VK_RETURN, '\r');
    EXPECT_FALSE(box->Checked());
}

TEST_F(JvXPCheckboxTest, PressReleasedOutsideChangesNothing)
{
    Headless().MouseDown({16 + 8, 20 + 8});
    EXPECT_TRUE(box->InVisualState(TJvXPStateItem::ButtonPressed));
    EXPECT_TRUE(box->Focused()) << "a press takes the focus";
    Headless().MouseUp({180, 5});
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(box->InVisualState(TJvXPStateItem::ButtonPressed));
}

TEST_F(JvXPCheckboxTest, FocusMovingAwayClearsFocusAndPress)
{
    box->SetFocus();
    other->SetFocus();
    EXPECT_FALSE(box->InVisualState(TJvXPStateItem::HasFocus));
    EXPECT_TRUE(other->InVisualState(TJvXPStateItem::HasFocus));
}

TEST_F(JvXPCheckboxTest, AcceleratorClicksTheBox)
{
    box->SetCaption("&Show RAM");
    Headless().KeyDown(VK_MENU, ssAlt);
    Headless().PressKey('S', 's', ssAlt);
    Headless().KeyUp(VK_MENU);
    EXPECT_TRUE(box->Checked());
}

TEST_F(JvXPCheckboxTest, AcceleratorWithoutAltOnlyWhileFocused)
{
    box->SetCaption("&Show RAM");
    other->SetFocus();
    Headless().PressKey('S', 's');
    EXPECT_FALSE(box->Checked()) << "another control has the focus";
    box->SetFocus();
    Headless().PressKey('S', 's');
    EXPECT_TRUE(box->Checked());
    Headless().PressKey('X', 'x');
    EXPECT_TRUE(box->Checked()) << "not its letter";
}

}  // namespace
