// The XP check box: its gradient faces, its picture in each state, the embossed disabled
// caption, and what clicks and keys do to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/check_box.h"
#include "controls/check_box_resources.h"
#include "gfx/color.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr TColor kBoxColor = 0x304050;
constexpr TColor kFrame = 0x845118;
constexpr TColor kTick = 0x21A621;

class CheckBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseHeadlessBackend();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 200, 60);
        box = new TCheckBox(form);
        box->SetParent(form);
        // The memory window's place and size.
        box->SetBounds(16, 20, 121, 17);
        box->SetCaption("Show RAM in Tray");
        box->SetColor(kBoxColor);
        other = new TCheckBox(form);
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
    TCheckBox* box = nullptr;
    TCheckBox* other = nullptr;
};

TEST(CheckBoxResources, TickIsSevenBySevenBlackOnSilver)
{
    const TBitmap tick = LoadCheckBoxBitmap("CheckBoxTick");
    ASSERT_EQ(tick.Width(), 7);
    ASSERT_EQ(tick.Height(), 7);
    EXPECT_EQ(tick.Pixel(6, 0), clBlack);
    EXPECT_EQ(tick.Pixel(5, 0), clSilver);
    EXPECT_EQ(tick.Pixel(0, 2), clBlack);
    EXPECT_EQ(tick.Pixel(2, 3), clSilver);
    EXPECT_EQ(tick.Pixel(2, 6), clBlack);
    EXPECT_TRUE(LoadCheckBoxBitmap("NOSUCH").Empty());
}

TEST(XPGradient, FacesAreFixedPictures)
{
    TCheckBox box(nullptr);
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

TEST(XPGradient, DitheringRepeatsTheFirstSixteenColumns)
{
    TBitmap wide(40, 60);
    CreateGradientRect(wide, clBlack, clWhite, true);
    for (int y = 0; y < 60; ++y)
        for (int x = 16; x < 40; ++x)
            ASSERT_EQ(wide.Pixel(x, y), wide.Pixel(x % 16, y)) << x << "," << y;
    EXPECT_EQ(wide.Pixel(0, 0), clBlack);
    EXPECT_EQ(wide.Pixel(0, 59), clWhite);
}

TEST_F(CheckBoxTest, BoxFacesByState)
{
    // The box: 13 x 13 at (2, 2) for a 17-pixel-high control.
    EXPECT_EQ(Pixel(2, 2), kFrame);
    EXPECT_EQ(Pixel(14, 14), kFrame);
    EXPECT_EQ(Pixel(1, 2), kBoxColor);
    EXPECT_EQ(Pixel(3, 3), 0xFFFFFFu);
    EXPECT_EQ(Pixel(13, 13), 0xE7EBEFu);

    Headless().MouseMove({16 + 8, 20 + 8});
    ASSERT_TRUE(box->InVisualState(TXPStateItem::PointerOver));
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

TEST_F(CheckBoxTest, CaptionStartsAtTwentyAndIsCentred)
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

TEST_F(CheckBoxTest, DisabledCaptionIsEmbossed)
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

TEST_F(CheckBoxTest, TwoQuickClicksToggleTwice)
{
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    Headless().Click({16 + 8, 20 + 8});
    Headless().Click({16 + 8, 20 + 8});
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, KeysDoNotToggle)
{
    box->SetFocus();
    ASSERT_TRUE(box->Focused());
    ASSERT_TRUE(box->InVisualState(TXPStateItem::HasFocus));
    Headless().PressKey(TKey::Space, ' ');
    Headless().PressKey(TKey::Return, '\r');
    EXPECT_FALSE(box->Checked());
}

TEST_F(CheckBoxTest, PressReleasedOutsideChangesNothing)
{
    Headless().MouseDown({16 + 8, 20 + 8});
    EXPECT_TRUE(box->InVisualState(TXPStateItem::ButtonPressed));
    EXPECT_TRUE(box->Focused()) << "a press takes the focus";
    Headless().MouseUp({180, 5});
    EXPECT_FALSE(box->Checked());
    EXPECT_FALSE(box->InVisualState(TXPStateItem::ButtonPressed));
}

TEST_F(CheckBoxTest, FocusMovingAwayClearsFocusAndPress)
{
    box->SetFocus();
    other->SetFocus();
    EXPECT_FALSE(box->InVisualState(TXPStateItem::HasFocus));
    EXPECT_TRUE(other->InVisualState(TXPStateItem::HasFocus));
}

TEST_F(CheckBoxTest, AcceleratorClicksTheBox)
{
    box->SetCaption("&Show RAM");
    Headless().KeyDown(TKey::Alt, ssAlt);
    Headless().PressKey(TKey{'S'}, 's', ssAlt);
    Headless().KeyUp(TKey::Alt);
    EXPECT_TRUE(box->Checked());
}

TEST_F(CheckBoxTest, AcceleratorWithoutAltOnlyWhileFocused)
{
    box->SetCaption("&Show RAM");
    other->SetFocus();
    Headless().PressKey(TKey{'S'}, 's');
    EXPECT_FALSE(box->Checked()) << "another control has the focus";
    box->SetFocus();
    Headless().PressKey(TKey{'S'}, 's');
    EXPECT_TRUE(box->Checked());
    Headless().PressKey(TKey{'X'}, 'x');
    EXPECT_TRUE(box->Checked()) << "not its letter";
}

// The gradient's row colours: band i of 16 runs from i * H / 16, rounded to nearest with
// halves to even, to the next band's start.
TEST(XPGradient, BandsStartAtRoundedSixteenthsOfTheHeight)
{
    struct Case {
        int height;
        bool dithered;
        // The band whose grey (17 per band, black to white) each row shows.
        std::vector<int> rows;
    };
    const Case cases[] = {
        // Starts 0 2 3 4 6 8 9 10 12 14 15 16 18 20 21 22: halves (1.5, 4.5, ...) go to even.
        {24, false, {0, 0, 1, 2,  3,  3,  4,  4,  5,  6,  7,  7,
                     8, 8, 9, 10, 11, 11, 12, 12, 13, 14, 15, 15}},
        // 24 div 15 + 1 = 2 dithered rows per band, both on its start row, which takes the
        // colour above; band 1 is that one row only.
        {24, true, {0, 0, 0, 1, 2,  3,  3,  4,  4,  5,  6,  7,
                    7, 8, 8, 9, 10, 11, 11, 12, 12, 13, 14, 15}},
        // Shorter than 16 rows: several bands are empty and the last one too.
        {7, false, {1, 3, 5, 7, 10, 12, 14}},
    };
    for (const Case& c : cases) {
        TBitmap bitmap(20, c.height);
        CreateGradientRect(bitmap, clBlack, clWhite, c.dithered);
        ASSERT_EQ(c.rows.size(), static_cast<std::size_t>(c.height));
        for (int y = 0; y < c.height; ++y) {
            const int grey = 17 * c.rows[y];
            for (int x : {0, 15, 19})
                EXPECT_EQ(bitmap.Pixel(x, y), RGB(grey, grey, grey))
                    << "height " << c.height << (c.dithered ? " dithered" : "") << " row " << y
                    << " x " << x;
        }
    }
}

TEST(XPGradient, BandColoursAreRoundedPerChannel)
{
    // One row per band; channels rising and falling by amounts that do not divide by 15.
    TBitmap bitmap(16, 16);
    CreateGradientRect(bitmap, RGB(10, 255, 0), RGB(110, 155, 200), false);
    struct Case {
        int band;
        TColor color;
    };
    for (Case c :
         {Case{0, RGB(10, 255, 0)}, Case{1, RGB(17, 248, 13)}, Case{2, RGB(23, 242, 27)},
          Case{7, RGB(57, 208, 93)}, Case{8, RGB(63, 202, 107)}, Case{15, RGB(110, 155, 200)}})
        EXPECT_EQ(bitmap.Pixel(3, c.band), c.color) << "band " << c.band;
}

TEST(XPGradient, TallDitheringStaysInEachBandsFirstRows)
{
    // 100 rows: band starts, and 100 div 15 + 1 = 7 dithered rows per band at offsets 0..5.
    constexpr int kHeight = 100;
    constexpr int kDitherReach = kHeight / 15;
    const int starts[] = {0, 6, 12, 19, 25, 31, 38, 44, 50, 56, 62, 69, 75, 81, 88, 94, kHeight};
    TBitmap bitmap(16, kHeight);
    CreateGradientRect(bitmap, clBlack, clWhite, true);
    const auto grey = [](int band) { return RGB(17 * band, 17 * band, 17 * band); };
    for (int band = 0; band < 16; ++band)
        for (int y = starts[band]; y < starts[band + 1]; ++y) {
            const TColor c = bitmap.Pixel(0, y);
            for (int x = 1; x < 16; ++x)
                ASSERT_EQ(bitmap.Pixel(x, y), c) << "dithering fills whole rows of the strip";
            const int offset = y - starts[band];
            if (band == 0 || offset >= kDitherReach)
                EXPECT_EQ(c, grey(band)) << "band " << band << " row " << y;
            else if (offset == 0)
                EXPECT_EQ(c, grey(band - 1)) << "band " << band << " start row " << y;
            else
                EXPECT_TRUE(c == grey(band) || c == grey(band - 1))
                    << "band " << band << " row " << y;
        }
}

TEST_F(CheckBoxTest, CaptionMovesWithSpacing)
{
    other->SetFocus();
    for (int spacing : {0, 3, 10, 40}) {
        box->SetSpacing(static_cast<std::uint8_t>(spacing));
        int inkLeft = 121;
        for (int y = 0; y < 17; ++y)
            for (int x = 15; x < 121; ++x)
                if (Pixel(x, y) != kBoxColor)
                    inkLeft = std::min(inkLeft, x);
        // The text starts at 13 + Spacing + 4; "S" has one blank column.
        EXPECT_EQ(inkLeft, 13 + spacing + 4 + 1) << "spacing " << spacing;
    }
}

TEST_F(CheckBoxTest, FocusRectangleOutlinesTheControlWhileFocused)
{
    // Every other pixel of the client area's edges is inverted.
    const TColor dot = kBoxColor ^ 0xFFFFFF;
    const auto checkEdges = [&](bool focused) {
        Headless().ProcessMessages();
        const TBitmap& screen = Headless().Window(form->Handle())->image;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 121; ++x) {
                if (x != 0 && x != 120 && y != 0 && y != 16)
                    continue;
                const TColor expected = focused && (x + y) % 2 == 0 ? dot : kBoxColor;
                ASSERT_EQ(screen.Pixel(16 + x, 20 + y), expected)
                    << (focused ? "focused" : "not focused") << " at " << x << "," << y;
            }
    };
    box->SetFocus();
    checkEdges(true);
    Headless().PressKey(TKey::Tab);
    ASSERT_TRUE(other->Focused());
    checkEdges(false);
}

}  // namespace
