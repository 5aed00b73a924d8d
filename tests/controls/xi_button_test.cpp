// The push button's colour schemes and setter rules, its four painted states as they reach the
// form, and the mouse, key, accelerator and focus behaviour that moves between them.
#include "controls/xi_button.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/canvas.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr TPoint At{20, 10};  // the small button's top-left on the form (= screen)

// Exposes the face picture.
class TestButton : public TXiButton {
public:
    using TXiButton::CMMouseEnter;
    using TXiButton::PaintImage;
    using TXiButton::TXiButton;
};

class XiButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend = &UseHeadlessBackend();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 120, 80);
        form->SetColor(clWhite);
        form->Show();
    }
    void TearDown() override { Application().Reset(); }

    // A title button as the main window designs it: csSky, flat, no gradient, bold "x".
    TestButton* TitleButton(const std::string& caption = "x")
    {
        auto* button = new TestButton(form);
        button->SetParent(form);
        button->SetBounds(At.x, At.y, 15, 15);
        button->SetCaption(caption);
        TFontSpec font = button->Font();
        font.bold = true;
        button->SetFont(font);
        button->SetColorScheme(csSky);
        button->SetCtl3D(false);
        button->SetGradient(false);
        button->OnClick = [this](TObject*) { ++clicks; };
        form->Repaint();
        return button;
    }

    TColor Screen(int x, int y) const { return form->Image().Pixel(At.x + x, At.y + y); }

    HeadlessBackend* backend = nullptr;
    TForm* form = nullptr;
    int clicks = 0;
};

TEST_F(XiButton, ConstructorAppliesNeoDesertWithWhiteStateGradients)
{
    TXiButton button(nullptr);
    EXPECT_EQ(button.Width(), 75);
    EXPECT_EQ(button.Height(), 25);
    EXPECT_EQ(button.ColorScheme(), csNeoDesert);
    EXPECT_TRUE(button.Gradient());
    EXPECT_TRUE(button.Ctl3D());
    EXPECT_TRUE(button.TabStop());
    EXPECT_EQ(button.ColorFace(), 0xC6ECFFu);
    EXPECT_EQ(button.ColorGrad(), 0x37BEFFu);
    EXPECT_EQ(button.OverColorGrad(), 0xFFFFFFu);
    EXPECT_EQ(button.DownColorGrad(), 0xFFFFFFu);
    EXPECT_EQ(button.DisabledColorGrad(), 0xFFFFFFu);
    EXPECT_EQ(button.ColorFocusRect(), 0x4080FFu);
}

TEST_F(XiButton, SingleColourMakesCustomAndPlainSchemeKeepsTheGradColours)
{
    TXiButton button(nullptr);
    button.SetColorGrad(0x010203);
    EXPECT_EQ(button.ColorScheme(), csCustom);
    button.SetColorScheme(csSky);
    EXPECT_EQ(button.ColorScheme(), csSky);
    EXPECT_FALSE(button.Gradient());
    EXPECT_EQ(button.ColorFace(), 0xFFE0C1u);
    EXPECT_EQ(button.OverColorFace(), 0xFFCD9Bu);
    EXPECT_EQ(button.DownColorLight(), 0xFF9122u);
    EXPECT_EQ(button.DisabledColorBorder(), 0xC4C4C4u);
    EXPECT_EQ(button.ColorFocusRect(), 0xDC9B14u);
    EXPECT_EQ(button.ColorGrad(), 0x010203u);
    EXPECT_EQ(button.OverColorGrad(), 0xFFFFFFu);

    button.SetColorScheme(csNeoSky);
    EXPECT_TRUE(button.Gradient());
    EXPECT_EQ(button.ColorGrad(), 0xFFB66Cu);
    button.SetColorScheme(csCustom);
    EXPECT_EQ(button.ColorGrad(), 0xFFB66Cu);
    EXPECT_EQ(button.ColorScheme(), csCustom);
}

struct StateColours {
    const char* name;
    TColor face;
    TColor border;
};

TEST_F(XiButton, EachStatePaintsItsFaceAtOnce)
{
    TestButton* button = TitleButton();
    const StateColours normal{"normal", 0xFFE0C1, 0xB35900};
    const StateColours over{"over", 0xFFCD9B, 0xB35900};
    const StateColours pressed{"pressed", 0xFFC082, 0xB35900};
    auto expectState = [&](const StateColours& s) {
        EXPECT_EQ(Screen(1, 1), s.face) << s.name;
        EXPECT_EQ(Screen(13, 13), s.face) << s.name;
        EXPECT_EQ(Screen(0, 0), s.border) << s.name;
        EXPECT_EQ(Screen(14, 7), s.border) << s.name;
    };
    expectState(normal);
    backend->MouseMove({At.x + 7, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsOver);
    expectState(over);
    backend->MouseDown({At.x + 7, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsPressed);
    expectState(pressed);
    backend->MouseUp({At.x + 7, At.y + 7});
    EXPECT_EQ(clicks, 1);
    expectState(over);
    // Disabled paints the disabled set whatever the state.
    button->SetEnabled(false);
    button->CMMouseEnter();
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsOver);
    expectState({"disabled", 0xE2E2E2, 0xC4C4C4});
}

// With no glyph the layout and spacing leave the caption centred: bold "x" (6 wide) at x 4..9.
TEST_F(XiButton, CaptionWithoutGlyphStaysCentred)
{
    TitleButton();
    int minX = 15, maxX = -1;
    for (int y = 1; y < 14; ++y)
        for (int x = 1; x < 14; ++x)
            if (Screen(x, y) == clBlack) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
    EXPECT_GE(minX, 4);
    EXPECT_LE(maxX, 9);
    EXPECT_LE(minX, maxX);
}

TEST_F(XiButton, FocusRectangleRunsFromThreeToEleven)
{
    TestButton* button = TitleButton();
    button->SetFocus();
    ASSERT_TRUE(button->HasFocus());
    for (int i = 3; i <= 11; ++i) {
        EXPECT_EQ(Screen(i, 3), 0xDC9B14u) << i;
        EXPECT_EQ(Screen(i, 11), 0xDC9B14u) << i;
        EXPECT_EQ(Screen(3, i), 0xDC9B14u) << i;
        EXPECT_EQ(Screen(11, i), 0xDC9B14u) << i;
    }
    EXPECT_EQ(Screen(2, 2), 0xFFE0C1u);
    EXPECT_EQ(Screen(12, 12), 0xFFE0C1u);
    form->SetActiveControl(nullptr);
    EXPECT_EQ(Screen(3, 3), 0xFFE0C1u);
}

// The pressed caption is the normal caption moved one pixel right and down.
TEST_F(XiButton, PressedCaptionMovesByOnePixel)
{
    TestButton* button = TitleButton();
    button->SetTabStop(false);  // no focus rectangle over the caption
    const TBitmap normal = button->PaintImage();
    backend->MouseDown({At.x + 7, At.y + 7});
    const TBitmap pressed = button->PaintImage();
    int black = 0;
    for (int y = 1; y < 13; ++y)
        for (int x = 1; x < 13; ++x)
            if (normal.Pixel(x, y) == clBlack) {
                ++black;
                EXPECT_EQ(pressed.Pixel(x + 1, y + 1), clBlack) << x << "," << y;
            }
    EXPECT_GT(black, 0);
}

TEST_F(XiButton, TallButtonPlacesGlyphAboveTheCaption)
{
    auto* button = new TestButton(form);
    button->SetParent(form);
    button->SetBounds(At.x, At.y, 15, 42);
    button->SetCaption(">>");
    button->SetColorScheme(csSky);
    button->SetCtl3D(false);
    button->SetLayout(blGlyphTop);
    button->SetSpacing(1);
    // A grey module on black; black, the top-left pixel, is transparent.
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush = {clBlack, bsSolid};
    glyph.Canvas().FillRect({0, 0, 16, 16});
    glyph.Canvas().Brush.color = clGray;
    glyph.Canvas().FillRect({4, 2, 12, 14});
    button->SetGlyph(glyph);
    const TBitmap image = button->PaintImage();

    TBitmap scratch(1, 1);
    scratch.Canvas().Font = button->Font();
    const TSize text = scratch.Canvas().TextExtent(">>");
    ASSERT_EQ(text.cy, 13);
    // gx = (15 - 16) / 2 = 0, gy = 14 - 8 - 0 - 0 - 1 = 5.
    EXPECT_EQ(image.Pixel(4, 5 + 2), clGray);
    EXPECT_EQ(image.Pixel(11, 5 + 13), clGray);
    EXPECT_EQ(image.Pixel(4, 5 + 1), 0xFFE0C1u);
    EXPECT_EQ(image.Pixel(12, 5 + 2), 0xFFE0C1u);

    // The caption's cell starts at ty = 22.
    TBitmap expected(15, 42);
    TCanvas& canvas = expected.Canvas();
    canvas.Brush = {0xFFE0C1, bsSolid};
    canvas.FillRect({0, 0, 15, 42});
    canvas.Font = button->Font();
    canvas.Font.color = clBlack;
    canvas.SetBkMode(bkTransparent);
    canvas.TextOut((15 - text.cx) / 2, 22, ">>");
    for (int y = 21; y < 41; ++y)
        for (int x = 1; x < 14; ++x)
            ASSERT_EQ(image.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
}

TEST_F(XiButton, GradientRampsFromFaceDownTowardsGrad)
{
    TestButton button(nullptr);
    button.SetBounds(0, 0, 20, 10);
    button.SetCtl3D(false);
    button.SetColorFace(RGB(0, 0, 0));
    button.SetColorGrad(RGB(10, 20, 255));
    button.SetGradient(true);
    const TBitmap image = button.PaintImage();
    // Row i: i x (1, 2, 25.5) rounded with halves to even; the border covers rows 0 and 9.
    EXPECT_EQ(image.Pixel(5, 3), RGB(3, 6, 76));  // 76.5
    EXPECT_EQ(image.Pixel(5, 5), RGB(5, 10, 128));  // 127.5

    button.SetBounds(0, 0, 20, 0);
    EXPECT_NO_THROW(button.PaintImage());
}

TEST_F(XiButton, HoldingPressedAcrossLeaveAndReturnAndReleasingOutside)
{
    TestButton* button = TitleButton();
    backend->MouseMove({At.x + 7, At.y + 7});
    backend->MouseDown({At.x + 7, At.y + 7});
    backend->MouseMove({At.x + 40, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsNormal);
    backend->MouseMove({At.x + 8, At.y + 8});
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsPressed);
    backend->MouseMove({At.x + 40, At.y + 7});
    backend->MouseUp({At.x + 40, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsNormal);
    EXPECT_FALSE(button->MouseHeld());
    EXPECT_EQ(clicks, 0);
}

TEST_F(XiButton, WithoutHotTrackTheMouseNeverShowsOver)
{
    TestButton* button = TitleButton();
    button->SetHotTrack(false);
    backend->MouseMove({At.x + 7, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsNormal);
    backend->MouseDown({At.x + 7, At.y + 7});
    backend->MouseUp({At.x + 7, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsNormal);
    EXPECT_EQ(clicks, 1);
}

TEST_F(XiButton, SpaceClicksOnReleaseAndEnterOnPress)
{
    TestButton* button = TitleButton();
    button->SetFocus();
    backend->KeyDown(VK_SPACE);
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsPressed);
    EXPECT_EQ(Screen(1, 1), 0xFFC082u);
    EXPECT_EQ(clicks, 0);
    backend->KeyUp(VK_SPACE);
    EXPECT_EQ(button->ButtonState(), TXiButtonState::bsNormal);
    EXPECT_EQ(clicks, 1);

    backend->KeyDown(VK_RETURN);
    EXPECT_EQ(clicks, 2);
    backend->KeyUp(VK_RETURN);
    backend->KeyDown(VK_RETURN, ssShift);
    EXPECT_EQ(clicks, 3);
}

TEST_F(XiButton, EscapeClicksOnlyTheCancelButton)
{
    TestButton* button = TitleButton();
    button->SetFocus();
    backend->KeyDown(VK_ESCAPE);
    EXPECT_EQ(clicks, 0);
    button->SetCancel(true);
    backend->KeyDown(VK_ESCAPE);
    EXPECT_EQ(clicks, 1);
    backend->KeyDown(VK_ESCAPE, ssCtrl);
    EXPECT_EQ(clicks, 1);
}

TEST_F(XiButton, DefaultButtonTakesEnterFromAnotherFocusedControl)
{
    TitleButton();
    auto* other = new TestButton(form);
    other->SetParent(form);
    other->SetBounds(60, 10, 15, 15);
    other->SetFocus();
    auto* fallback = new TestButton(form);
    fallback->SetParent(form);
    fallback->SetBounds(80, 10, 15, 15);
    fallback->SetDefault(true);
    int defaultClicks = 0;
    fallback->OnClick = [&](TObject*) { ++defaultClicks; };
    // The focused button takes Enter itself; the default one only when nothing else does.
    backend->KeyDown(VK_RETURN);
    EXPECT_EQ(defaultClicks, 0);
    other->SetTabStop(false);
    form->SetActiveControl(nullptr);
    backend->KeyDown(VK_RETURN);
    EXPECT_EQ(defaultClicks, 1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(XiButton, AcceleratorClicksWhileEnabled)
{
    TestButton* button = TitleButton("&Go");
    backend->KeyDown('G', ssAlt);
    EXPECT_EQ(clicks, 1);
    backend->KeyDown('O', ssAlt);
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    backend->KeyDown('G', ssAlt);
    EXPECT_EQ(clicks, 1);
}

TEST_F(XiButton, ClickHandsTheModalResultToTheForm)
{
    TestButton* button = TitleButton();
    button->SetModalResult(2);
    button->Click();
    EXPECT_EQ(form->ModalResult(), 2);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
