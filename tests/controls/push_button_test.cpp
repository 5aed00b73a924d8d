// The push button's colour schemes and setter rules, its four painted states as they reach the
// form (inner lines and glyph layouts included), and the mouse, key, accelerator and focus
// behaviour that moves between them.
#include "controls/push_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gfx/canvas.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"

namespace {

constexpr TPoint At{20, 10};  // the small button's top-left on the form (= screen)

// Exposes the face picture.
class TestButton : public TPushButton {
public:
    using TPushButton::MouseEnter;
    using TPushButton::PaintImage;
    using TPushButton::TPushButton;
};

class PushButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend = &UseHeadlessBackend();
        form = Application().CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(0, 0, 120, 80);
        form->SetColor(clWhite);
        form->Show();
    }
    void TearDown() override { Application().Reset(); }

    // A title button as the main window designs it: TColorScheme::csSky, flat, no gradient, bold
    // "x".
    TestButton* TitleButton(const std::string& caption = "x")
    {
        auto* button = new TestButton(form);
        button->SetParent(form);
        button->SetBounds(At.x, At.y, 15, 15);
        button->SetCaption(caption);
        TFontSpec font = button->Font();
        font.bold = true;
        button->SetFont(font);
        button->SetColorScheme(TColorScheme::csSky);
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

TEST_F(PushButton, ConstructorAppliesNeoDesertWithWhiteStateGradients)
{
    TPushButton button(nullptr);
    EXPECT_EQ(button.Width(), 75);
    EXPECT_EQ(button.Height(), 25);
    EXPECT_EQ(button.ColorScheme(), TColorScheme::csNeoDesert);
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

TEST_F(PushButton, SingleColourMakesCustomAndPlainSchemeKeepsTheGradColours)
{
    TPushButton button(nullptr);
    button.SetColorGrad(0x010203);
    EXPECT_EQ(button.ColorScheme(), TColorScheme::csCustom);
    button.SetColorScheme(TColorScheme::csSky);
    EXPECT_EQ(button.ColorScheme(), TColorScheme::csSky);
    EXPECT_FALSE(button.Gradient());
    EXPECT_EQ(button.ColorFace(), 0xFFE0C1u);
    EXPECT_EQ(button.OverColorFace(), 0xFFCD9Bu);
    EXPECT_EQ(button.DownColorLight(), 0xFF9122u);
    EXPECT_EQ(button.DisabledColorBorder(), 0xC4C4C4u);
    EXPECT_EQ(button.ColorFocusRect(), 0xDC9B14u);
    EXPECT_EQ(button.ColorGrad(), 0x010203u);
    EXPECT_EQ(button.OverColorGrad(), 0xFFFFFFu);

    button.SetColorScheme(TColorScheme::csNeoSky);
    EXPECT_TRUE(button.Gradient());
    EXPECT_EQ(button.ColorGrad(), 0xFFB66Cu);
    button.SetColorScheme(TColorScheme::csCustom);
    EXPECT_EQ(button.ColorGrad(), 0xFFB66Cu);
    EXPECT_EQ(button.ColorScheme(), TColorScheme::csCustom);
}

struct StateColours {
    const char* name;
    TColor face;
    TColor border;
};

TEST_F(PushButton, EachStatePaintsItsFaceAtOnce)
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
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsOver);
    expectState(over);
    backend->MouseDown({At.x + 7, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsPressed);
    expectState(pressed);
    backend->MouseUp({At.x + 7, At.y + 7});
    EXPECT_EQ(clicks, 1);
    expectState(over);
    // Disabled paints the disabled set whatever the state.
    button->SetEnabled(false);
    button->MouseEnter();
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsOver);
    expectState({"disabled", 0xE2E2E2, 0xC4C4C4});
}

// With no glyph the layout and spacing leave the caption centred: bold "x" (6 wide) at x 4..9.
TEST_F(PushButton, CaptionWithoutGlyphStaysCentred)
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

TEST_F(PushButton, FocusRectangleRunsFromThreeToEleven)
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
TEST_F(PushButton, PressedCaptionMovesByOnePixel)
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

TEST_F(PushButton, TallButtonPlacesGlyphAboveTheCaption)
{
    auto* button = new TestButton(form);
    button->SetParent(form);
    button->SetBounds(At.x, At.y, 15, 42);
    button->SetCaption(">>");
    button->SetColorScheme(TColorScheme::csSky);
    button->SetCtl3D(false);
    button->SetLayout(TButtonLayout::blGlyphTop);
    button->SetSpacing(1);
    // A grey module on black; black, the top-left pixel, is transparent.
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush = {clBlack, TBrushStyle::bsSolid};
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
    canvas.Brush = {0xFFE0C1, TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, 15, 42});
    canvas.Font = button->Font();
    canvas.Font.color = clBlack;
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.TextOut((15 - text.cx) / 2, 22, ">>");
    for (int y = 21; y < 41; ++y)
        for (int x = 1; x < 14; ++x)
            ASSERT_EQ(image.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
}

TEST_F(PushButton, GradientRampsFromFaceDownTowardsGrad)
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

TEST_F(PushButton, HoldingPressedAcrossLeaveAndReturnAndReleasingOutside)
{
    TestButton* button = TitleButton();
    backend->MouseMove({At.x + 7, At.y + 7});
    backend->MouseDown({At.x + 7, At.y + 7});
    backend->MouseMove({At.x + 40, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsNormal);
    backend->MouseMove({At.x + 8, At.y + 8});
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsPressed);
    backend->MouseMove({At.x + 40, At.y + 7});
    backend->MouseUp({At.x + 40, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsNormal);
    EXPECT_FALSE(button->MouseHeld());
    EXPECT_EQ(clicks, 0);
}

TEST_F(PushButton, WithoutHotTrackTheMouseNeverShowsOver)
{
    TestButton* button = TitleButton();
    button->SetHotTrack(false);
    backend->MouseMove({At.x + 7, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsNormal);
    backend->MouseDown({At.x + 7, At.y + 7});
    backend->MouseUp({At.x + 7, At.y + 7});
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsNormal);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PushButton, TwoQuickClicksAreTwoClicks)
{
    TestButton* button = TitleButton();
    backend->Click({At.x + 7, At.y + 7});
    backend->Click({At.x + 7, At.y + 7});
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsOver);
}

TEST_F(PushButton, SpaceClicksOnReleaseAndEnterOnPress)
{
    TestButton* button = TitleButton();
    button->SetFocus();
    backend->KeyDown(TKey::Space);
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsPressed);
    EXPECT_EQ(Screen(1, 1), 0xFFC082u);
    EXPECT_EQ(clicks, 0);
    backend->KeyUp(TKey::Space);
    EXPECT_EQ(button->ButtonState(), TPushButtonState::bsNormal);
    EXPECT_EQ(clicks, 1);

    backend->KeyDown(TKey::Return);
    EXPECT_EQ(clicks, 2);
    backend->KeyUp(TKey::Return);
    backend->KeyDown(TKey::Return, ssShift);
    EXPECT_EQ(clicks, 3);
}

TEST_F(PushButton, EscapeClicksOnlyTheCancelButton)
{
    TestButton* button = TitleButton();
    button->SetFocus();
    backend->KeyDown(TKey::Escape);
    EXPECT_EQ(clicks, 0);
    button->SetCancel(true);
    backend->KeyDown(TKey::Escape);
    EXPECT_EQ(clicks, 1);
    backend->KeyDown(TKey::Escape, ssCtrl);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PushButton, DefaultButtonTakesEnterFromAnotherFocusedControl)
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
    backend->KeyDown(TKey::Return);
    EXPECT_EQ(defaultClicks, 0);
    other->SetTabStop(false);
    form->SetActiveControl(nullptr);
    backend->KeyDown(TKey::Return);
    EXPECT_EQ(defaultClicks, 1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(PushButton, AcceleratorClicksWhileEnabled)
{
    TestButton* button = TitleButton("&Go");
    backend->KeyDown(TKey{'G'}, ssAlt);
    EXPECT_EQ(clicks, 1);
    backend->KeyDown(TKey{'O'}, ssAlt);
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    backend->KeyDown(TKey{'G'}, ssAlt);
    EXPECT_EQ(clicks, 1);
}

TEST_F(PushButton, ClickHandsTheModalResultToTheForm)
{
    TestButton* button = TitleButton();
    button->SetModalResult(2);
    button->Click();
    EXPECT_EQ(form->ModalResult(), 2);
    EXPECT_EQ(clicks, 1);
}

// Face colours of one state with the inner lines drawn.
struct LineColours {
    const char* name;
    TColor face;
    TColor light;
    TColor dark;
    TColor border;
};

// A 6 x 5 button shows every rule of the inner lines: each leaves out its end point, Light runs
// up the left column and along the top row, Dark down the right column (taking the top-right
// corner from Light) and back along the bottom row.
TEST_F(PushButton, InnerLinesOfEachStateOnASmallButton)
{
    auto* button = new TestButton(form);
    button->SetParent(form);
    button->SetBounds(At.x, At.y, 6, 5);
    button->SetColorScheme(TColorScheme::csSky);
    button->SetTabStop(false);  // no focus rectangle
    ASSERT_TRUE(button->Ctl3D());
    button->Repaint();
    // B border, L light, D dark, F face.
    const char* const rows[5] = {"BBBBBB", "BLLLDB", "BLFFDB", "BLDDDB", "BBBBBB"};
    auto expectFace = [&](const LineColours& s) {
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) {
                const char part = rows[y][x];
                const TColor want = part == 'B'   ? s.border
                                    : part == 'L' ? s.light
                                    : part == 'D' ? s.dark
                                                  : s.face;
                EXPECT_EQ(Screen(x, y), want) << s.name << " " << part << " at " << x << "," << y;
            }
    };
    expectFace({"normal", 0xFFE0C1, 0xFFECD9, 0xFFA953, 0xB35900});
    backend->MouseMove({At.x + 2, At.y + 2});
    ASSERT_EQ(button->ButtonState(), TPushButtonState::bsOver);
    expectFace({"over", 0xFFCD9B, 0xFFE4CA, 0xFFB164, 0xB35900});
    backend->MouseDown({At.x + 2, At.y + 2});
    ASSERT_EQ(button->ButtonState(), TPushButtonState::bsPressed);
    // Pressed swaps the shades: the light line is the darker one.
    expectFace({"pressed", 0xFFC082, 0xFF9122, 0xFFD3A8, 0xB35900});
    button->SetEnabled(false);
    button->Repaint();
    expectFace({"disabled", 0xE2E2E2, 0xEAEAEA, 0xD8D8D8, 0xC4C4C4});
}

// The title button with the lines on: Light at x = 1 for y 2..13 and y = 1 for x 1..12, Dark at
// x = 13 for y 1..12 and y = 13 for x 2..13.
TEST_F(PushButton, InnerLinesOnATitleButton)
{
    TestButton* button = TitleButton();
    button->SetCtl3D(true);
    button->Repaint();
    constexpr TColor light = 0xFFECD9, dark = 0xFFA953;
    for (int i = 2; i <= 12; ++i) {
        EXPECT_EQ(Screen(1, i), light) << "left column " << i;
        EXPECT_EQ(Screen(i, 1), light) << "top row " << i;
        EXPECT_EQ(Screen(13, i), dark) << "right column " << i;
        EXPECT_EQ(Screen(i, 13), dark) << "bottom row " << i;
    }
    EXPECT_EQ(Screen(1, 1), light);
    EXPECT_EQ(Screen(1, 13), light);
    EXPECT_EQ(Screen(13, 1), dark);
    EXPECT_EQ(Screen(13, 13), dark);
    EXPECT_EQ(Screen(2, 2), 0xFFE0C1u);
    EXPECT_EQ(Screen(12, 12), 0xFFE0C1u);
    EXPECT_EQ(Screen(0, 0), 0xB35900u);
    EXPECT_EQ(Screen(14, 14), 0xB35900u);
    button->SetCtl3D(false);
    button->Repaint();
    EXPECT_EQ(Screen(1, 1), 0xFFE0C1u);
    EXPECT_EQ(Screen(13, 1), 0xFFE0C1u);
}

// A red glyph whose top-left pixel, the key colour, is black.
TBitmap KeyedGlyph(TSize size)
{
    TBitmap glyph(size.cx, size.cy);
    glyph.Canvas().Brush = {clRed, TBrushStyle::bsSolid};
    glyph.Canvas().FillRect({0, 0, size.cx, size.cy});
    glyph.SetPixel(0, 0, clBlack);
    return glyph;
}

// A flat TColorScheme::csSky "OK" button of 60 x 30 that takes no focus; "OK" is 15 x 13, so the
// caption alone sits at (22, 8).
TestButton* GlyphButton(TForm* form, TButtonLayout layout, int spacing, TSize glyph)
{
    auto* button = new TestButton(form);
    button->SetParent(form);
    button->SetBounds(At.x, At.y, 60, 30);
    button->SetCaption("OK");
    button->SetColorScheme(TColorScheme::csSky);
    button->SetCtl3D(false);
    button->SetTabStop(false);
    button->SetLayout(layout);
    button->SetSpacing(spacing);
    button->SetGlyph(KeyedGlyph(glyph));
    return button;
}

// The face as it should look: flat face, the glyph at glyphAt (its key pixel shown or not) and
// the caption's cell at textAt.
TBitmap ExpectedGlyphFace(const TestButton& button, TColor face, TPoint glyphAt, TSize glyph,
                          bool keyShown, TPoint textAt)
{
    TBitmap expected(60, 30);
    TCanvas& canvas = expected.Canvas();
    canvas.Brush = {face, TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, 60, 30});
    canvas.Brush.color = clRed;
    canvas.FillRect({glyphAt.x, glyphAt.y, glyphAt.x + glyph.cx, glyphAt.y + glyph.cy});
    expected.SetPixel(glyphAt.x, glyphAt.y, keyShown ? clBlack : face);
    canvas.Font = button.Font();
    canvas.Font.color = clBlack;
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.TextOut(textAt.x, textAt.y, "OK");
    return expected;
}

void ExpectInsideEqual(const TBitmap& image, const TBitmap& expected, const char* name)
{
    int wrong = 0;
    for (int y = 1; y < 29; ++y)
        for (int x = 1; x < 59; ++x)
            if (image.Pixel(x, y) != expected.Pixel(x, y) && ++wrong <= 3)
                ADD_FAILURE() << name << ": at " << x << "," << y << " got " << std::hex
                              << image.Pixel(x, y) << ", expected " << expected.Pixel(x, y);
    EXPECT_EQ(wrong, 0) << name;
}

struct GlyphCase {
    const char* name;
    TButtonLayout layout;
    int spacing;
    TSize glyph;
    bool pressed;
    TPoint glyphAt;
    TPoint textAt;
};

TEST_F(PushButton, GlyphAndCaptionPlacementPerLayout)
{
    TBitmap scratch(1, 1);
    scratch.Canvas().Font = TPushButton(nullptr).Font();
    ASSERT_EQ(scratch.Canvas().TextExtent("OK"), (TSize{15, 13}));
    const GlyphCase cases[] = {
        // gy = (30 - 7) / 2 = 11, gx = 22 - 4 - 2 - 0 = 16, tx = 22 + 4 + 2 = 28: the glyph
        // ends at 24, a gap of 3 for an odd width.
        {"left, odd width", TButtonLayout::blGlyphLeft, 4, {9, 7}, false, {16, 11}, {28, 8}},
        // Same places, but the glyph ends at 23: a gap of 4.
        {"left, even width", TButtonLayout::blGlyphLeft, 4, {8, 7}, false, {16, 11}, {28, 8}},
        // gx = 22 - 4 - 1 - 1 = 16, tx = 22 + 4 + 1 = 27: a gap of 2.
        {"left, odd spacing", TButtonLayout::blGlyphLeft, 3, {9, 7}, false, {16, 11}, {27, 8}},
        // gx = 22 + 15 - 4 + 2 + 0 = 35, tx = 22 + (-9) / 2 + (-4) / 2 = 16: the caption ends
        // at 30, a gap of 4.
        {"right", TButtonLayout::blGlyphRight, 4, {9, 7}, false, {35, 11}, {16, 8}},
        // gx = 22 + 15 - 4 + 1 + 1 = 35, tx = 22 - 4 - 1 = 17: a gap of 3.
        {"right, odd spacing", TButtonLayout::blGlyphRight, 3, {9, 7}, false, {35, 11}, {17, 8}},
        // gx = (60 - 9) / 2 = 25, gy = 8 - 3 - 1 - 2 - 0 = 2, ty = 8 + 3 + 2 = 13.
        {"top", TButtonLayout::blGlyphTop, 4, {9, 7}, false, {25, 2}, {22, 13}},
        // gx = 25, gy = 8 - 3 - 1 - 1 - 1 = 2, ty = 8 + 3 + 1 = 12: a gap of 3.
        {"top, odd spacing", TButtonLayout::blGlyphTop, 3, {9, 7}, false, {25, 2}, {22, 12}},
        // gy = 8 + 13 - 3 + 2 + 0 = 20, ty = 8 + (-7) / 2 + (-4) / 2 = 3.
        {"bottom", TButtonLayout::blGlyphBottom, 4, {9, 7}, false, {25, 20}, {22, 3}},
        // gy = 8 + 13 - 3 + 1 + 1 = 20, ty = 8 - 3 - 1 = 4: the caption ends at 16, a gap of 3.
        {"bottom, odd spacing", TButtonLayout::blGlyphBottom, 3, {9, 7}, false, {25, 20}, {22, 4}},
        // Pressed moves glyph and caption alike one pixel right and down.
        {"left, pressed", TButtonLayout::blGlyphLeft, 4, {9, 7}, true, {17, 12}, {29, 9}},
        {"bottom, pressed", TButtonLayout::blGlyphBottom, 4, {9, 7}, true, {26, 21}, {23, 4}},
    };
    for (const GlyphCase& c : cases) {
        TestButton* button = GlyphButton(form, c.layout, c.spacing, c.glyph);
        if (c.pressed) {
            backend->MouseDown({At.x + 30, At.y + 15});
            ASSERT_EQ(button->ButtonState(), TPushButtonState::bsPressed) << c.name;
        }
        const TColor face = c.pressed ? 0xFFC082 : 0xFFE0C1;
        ExpectInsideEqual(button->PaintImage(),
                          ExpectedGlyphFace(*button, face, c.glyphAt, c.glyph, false, c.textAt),
                          c.name);
        if (c.pressed)
            backend->MouseUp({At.x + 100, At.y + 60});
        delete button;
    }
}

// The key colour is the glyph's own top-left pixel; without TransparentGlyph it is drawn too.
TEST_F(PushButton, OpaqueGlyphShowsItsKeyColour)
{
    TestButton* button = GlyphButton(form, TButtonLayout::blGlyphLeft, 4, {9, 7});
    ASSERT_TRUE(button->TransparentGlyph());
    EXPECT_EQ(button->PaintImage().Pixel(16, 11), 0xFFE0C1u);
    button->SetTransparentGlyph(false);
    ExpectInsideEqual(button->PaintImage(),
                      ExpectedGlyphFace(*button, 0xFFE0C1, {16, 11}, {9, 7}, true, {28, 8}),
                      "opaque");
    // Another key colour: the glyph's (0, 0) is asked afresh on every paint.
    TBitmap glyph = KeyedGlyph({9, 7});
    glyph.SetPixel(0, 0, clRed);
    glyph.SetPixel(8, 6, clBlack);
    button->SetGlyph(glyph);
    button->SetTransparentGlyph(true);
    const TBitmap image = button->PaintImage();
    EXPECT_EQ(image.Pixel(16, 11), 0xFFE0C1u);
    EXPECT_EQ(image.Pixel(20, 14), 0xFFE0C1u);
    EXPECT_EQ(image.Pixel(24, 17), clBlack);
}

struct FocusLoss {
    const char* name;
    std::function<void()> press;
    std::function<void(TestButton* other)> moveFocus;
};

// However the button got pressed, the focus leaving it shows the normal face again.
TEST_F(PushButton, LosingTheFocusShowsTheNormalFace)
{
    auto spaceDown = [this] { backend->KeyDown(TKey::Space); };
    auto mouseDown = [this] { backend->MouseDown({At.x + 7, At.y + 7}); };
    auto focusOther = [](TestButton* other) { other->SetFocus(); };
    auto tab = [this](TestButton*) { backend->KeyDown(TKey::Tab); };
    const FocusLoss cases[] = {
        {"Space held, another control focused", spaceDown, focusOther},
        {"Space held, Tab", spaceDown, tab},
        {"mouse held, another control focused", mouseDown, focusOther},
    };
    for (const FocusLoss& c : cases) {
        TestButton* button = TitleButton();
        auto* other = new TestButton(form);
        other->SetParent(form);
        other->SetBounds(60, 10, 15, 15);
        button->SetFocus();
        c.press();
        ASSERT_EQ(button->ButtonState(), TPushButtonState::bsPressed) << c.name;
        ASSERT_EQ(Screen(1, 1), 0xFFC082u) << c.name;
        c.moveFocus(other);
        ASSERT_TRUE(other->Focused()) << c.name;
        EXPECT_FALSE(button->HasFocus()) << c.name;
        EXPECT_EQ(button->ButtonState(), TPushButtonState::bsNormal) << c.name;
        EXPECT_EQ(Screen(1, 1), 0xFFE0C1u) << c.name;
        EXPECT_EQ(Screen(3, 3), 0xFFE0C1u) << c.name << ": focus rectangle left behind";
        EXPECT_EQ(clicks, 0) << c.name;
        backend->MouseUp({At.x + 100, At.y + 60});
        delete other;
        delete button;
    }
}

struct Release {
    const char* name;
    TPoint at;  // in the button
    TPushButtonState state;
};

// Released on the outermost left column or top row the press counts as ended outside; the
// right column and the bottom row are still inside.
TEST_F(PushButton, ReleaseOnTheLeftColumnOrTopRowLeavesTheStateNormal)
{
    TestButton* button = TitleButton();
    const Release cases[] = {
        {"left column", {0, 7}, TPushButtonState::bsNormal},
        {"top row", {7, 0}, TPushButtonState::bsNormal},
        {"top-left corner", {0, 0}, TPushButtonState::bsNormal},
        {"next to the corner", {1, 1}, TPushButtonState::bsOver},
        {"right column", {14, 7}, TPushButtonState::bsOver},
        {"bottom row", {7, 14}, TPushButtonState::bsOver},
    };
    for (const Release& c : cases) {
        backend->AdvanceTime(1000);  // each press a single click, not the second of a double
        backend->MouseMove({At.x + 7, At.y + 7});
        backend->MouseDown({At.x + 7, At.y + 7});
        backend->MouseMove({At.x + c.at.x, At.y + c.at.y});
        ASSERT_EQ(button->ButtonState(), TPushButtonState::bsPressed) << c.name;
        backend->MouseUp({At.x + c.at.x, At.y + c.at.y});
        EXPECT_FALSE(button->MouseHeld()) << c.name;
        EXPECT_EQ(button->ButtonState(), c.state) << c.name;
        const TColor face = c.state == TPushButtonState::bsOver ? 0xFFCD9B : 0xFFE0C1;
        EXPECT_EQ(Screen(1, 2), face) << c.name;
        backend->MouseMove({At.x + 60, At.y + 40});
    }
}

struct KeyRoute {
    const char* name;
    std::function<void(HeadlessBackend&)> type;
    std::vector<std::string> log;
    int clicks;
};

// The focused button handles Space and Enter itself, yet the form's key preview, the button's
// key events and its character events see every key as for any other control.
TEST_F(PushButton, KeysAndCharactersStillReachThePreviewAndTheHandlers)
{
    TestButton* button = TitleButton();
    std::vector<std::string> log;
    form->SetKeyPreview(true);
    form->OnKeyDown = [&](TObject*, TKey& key, TShiftState) {
        log.push_back("form:down " + std::to_string(static_cast<int>(key)));
    };
    form->OnKeyPress = [&](TObject*, char& key) { log.push_back(std::string("form:char ") + key); };
    form->OnKeyUp = [&](TObject*, TKey& key, TShiftState) {
        log.push_back("form:up " + std::to_string(static_cast<int>(key)));
    };
    button->OnKeyDown = [&](TObject*, TKey& key, TShiftState) {
        log.push_back("button:down " + std::to_string(static_cast<int>(key)));
    };
    button->OnKeyPress = [&](TObject*, char& key) {
        log.push_back(std::string("button:char ") + key);
    };
    button->OnKeyUp = [&](TObject*, TKey& key, TShiftState) {
        log.push_back("button:up " + std::to_string(static_cast<int>(key)));
    };
    button->SetFocus();
    const KeyRoute cases[] = {
        {"letter",
         [](HeadlessBackend& b) { b.PressKey(TKey{'R'}, 'r'); },
         {"form:down 82", "button:down 82", "form:char r", "button:char r", "form:up 82",
          "button:up 82"},
         0},
        {"F5",
         [](HeadlessBackend& b) { b.KeyDown(TKey::F5); },
         {"form:down 276", "button:down 276"},
         0},
        {"Space",
         [](HeadlessBackend& b) { b.PressKey(TKey::Space, ' '); },
         {"form:down 32", "button:down 32", "form:char  ", "button:char  ", "form:up 32",
          "button:up 32"},
         1},
        {"Enter",
         [](HeadlessBackend& b) { b.KeyDown(TKey::Return); },
         {"form:down 258", "button:down 258"},
         1},
    };
    for (const KeyRoute& c : cases) {
        log.clear();
        clicks = 0;
        c.type(*backend);
        EXPECT_EQ(log, c.log) << c.name;
        EXPECT_EQ(clicks, c.clicks) << c.name;
        EXPECT_TRUE(button->HasFocus()) << c.name;
    }
}

}  // namespace
