// The button's scheme table, its colour and scheme setter rules, the state machine driven by
// mouse, keys and focus, and the painting of the face into a fresh bitmap.
#include "controls/push_button.h"

#include <cstddef>
#include <string>

#include "gfx/canvas.h"
#include "gfx/rounding.h"
#include "ui/accel.h"
#include "ui/form.h"
#include "ui/scaling.h"

namespace {

constexpr int SchemeCount = 12;
// A scheme leaves this colour as it is.
constexpr TColor Keep = 0xFFFFFFFF;

// One row per colour index, one column per built-in scheme (TColorScheme::csNeoDesert ..
// TColorScheme::csSilver).
constexpr TColor SchemeColors[ButtonColorCount][SchemeCount] = {
    // ColorFace
    {0xC6ECFF, 0xFFEEDD, 0xDDF9E8, 0xF3F3F3, 0xE8E8FF, 0xF0FFFF, 0x95DDFF, 0x98EBB7, 0xFFE0C1,
     0xA8FFFF, 0xC6C6FF, 0xE0E0E0},
    // ColorGrad
    {0x37BEFF, 0xFFB66C, 0x5EDF8E, 0xBCBCBC, 0x9595FF, 0x20D8F9, Keep, Keep, Keep, Keep, Keep,
     Keep},
    // ColorDark
    {0x009CE8, 0xFFA851, 0x24B95C, 0xA7A7A7, 0x8282FF, 0x00BBBB, 0x009CE8, 0x24B95C, 0xFFA953,
     0x00BBBB, 0x8282FF, 0xAEAEAE},
    // ColorLight
    {0xB9E7FF, 0xFFECD9, 0xCBF5DB, 0xF7F7F7, 0xDDDDFF, 0xF2FFFF, 0xB9E7FF, 0xCBF5DB, 0xFFECD9,
     0xF2FFFF, 0xDDDDFF, 0xF7F7F7},
    // ColorBorder
    {0x005680, 0xB35900, 0x156F37, 0x626262, 0x00009D, 0x006464, 0x005680, 0x156F37, 0xB35900,
     0x006464, 0x00009D, 0x626262},
    // ColorText
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000,
     0x000000, 0x000000, 0x000000},
    // OverColorFace
    {0xB3E7FF, 0xFFEBD7, 0xBFF2D2, 0xF0F0F0, 0xDFDFFF, 0xD5FCFF, 0x6FD0FF, 0x68E196, 0xFFCD9B,
     0x66F3FF, 0xB0B0FF, 0xCFCFCF},
    // OverColorGrad
    {0x00A3F0, 0xFFA346, 0x3DD877, 0xA6A6A6, 0x7777FF, 0x05BCDC, Keep, Keep, Keep, Keep, Keep,
     Keep},
    // OverColorDark
    {0x008ED2, 0xFF9E3E, 0x23B459, 0xA2A2A2, 0x6A6AFF, 0x00A6A6, 0x008ED2, 0x23B459, 0xFFB164,
     0x00A6A6, 0x6A6AFF, 0x797979},
    // OverColorLight
    {0x95DAFF, 0xFFE4CA, 0xB5F0CB, 0xEEEEEE, 0xD7D7FF, 0xCCFFFF, 0x95DAFF, 0xB5F0CB, 0xFFE4CA,
     0xCCFFFF, 0xD7D7FF, 0xEEEEEE},
    // OverColorBorder
    {0x005680, 0xB35900, 0x17793D, 0x757575, 0x00009D, 0x006464, 0x005680, 0x17793D, 0xB35900,
     0x006464, 0x00009D, 0x757575},
    // OverColorText
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000,
     0x000000, 0x000000, 0x000000},
    // DownColorFace
    {0x2BBAFF, 0xFFB366, 0x4EDC83, 0xCACACA, 0xA6A6FF, 0x05D1F5, 0x6FD0FF, 0x4EDC83, 0xFFC082,
     0x22EEFF, 0x9F9FFF, 0xD3D3D3},
    // DownColorGrad
    {0x77D2FF, 0xFFCE9D, 0x80E6A6, 0xDADADA, 0xB9B9FF, 0x66F0FB, Keep, Keep, Keep, Keep, Keep,
     Keep},
    // DownColorDark
    {0x8AD9FF, 0xFFD3A8, 0x89E7AC, 0xE9E9E9, 0xCECEFF, 0x66F3FF, 0x8AD9FF, 0x89E7AC, 0xFFD3A8,
     0x66F3FF, 0x8888FF, 0xE9E9E9},
    // DownColorLight
    {0x0077B7, 0xFF9E3E, 0x177D3E, 0x7C7C7C, 0x5E5EFF, 0x008484, 0x0077B7, 0x177D3E, 0xFF9122,
     0x008484, 0x5E5EFF, 0x7C7C7C},
    // DownColorBorder
    {0x0070A6, 0xB35900, 0x167439, 0x4E4E4E, 0x00009D, 0x006464, 0x0070A6, 0x167439, 0xB35900,
     0x006464, 0x00009D, 0x4E4E4E},
    // DownColorText
    {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000,
     0x000000, 0x000000, 0x000000},
    // DisabledColorFace
    {0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xEEEEEE, 0xE2E2E2, 0xE2E2E2, 0xE2E2E2,
     0xE2E2E2, 0xE2E2E2, 0xE2E2E2},
    // DisabledColorGrad
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, Keep, Keep, Keep, Keep, Keep,
     Keep},
    // DisabledColorDark
    {0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD2D2D2, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8,
     0xD8D8D8, 0xD8D8D8, 0xD8D8D8},
    // DisabledColorLight
    {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xEAEAEA, 0xEAEAEA, 0xEAEAEA,
     0xEAEAEA, 0xEAEAEA, 0xEAEAEA},
    // DisabledColorBorder
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0xC4C4C4, 0xC4C4C4, 0xC4C4C4,
     0xC4C4C4, 0xC4C4C4, 0xC4C4C4},
    // DisabledColorText
    {0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080, 0x808080,
     0x808080, 0x808080, 0x808080},
    // ColorFocusRect
    {0x4080FF, 0xFFA953, 0x24B95C, 0xADADAD, 0x5E5EFF, 0x00BBBB, 0x4080FF, 0x00A421, 0xDC9B14,
     0x008CF4, 0x5E5EFF, 0x8A8A8A},
};
constexpr bool SchemeGradient[SchemeCount] = {true,  true,  true,  true,  true,  true,
                                              false, false, false, false, false, false};

// Where glyph and caption go: glyph top-left and text origin.
struct TFacePlacement {
    int gx = 0;
    int gy = 0;
    int tx = 0;
    int ty = 0;
};

// Centres the caption, then moves glyph and caption apart by half the glyph and the spacing.
// Divisions truncate towards zero and % keeps the dividend's sign, as the layout expects.
TFacePlacement PlaceFace(TButtonLayout layout, TSize button, TSize text, TSize glyph, int s,
                         bool hasCaption)
{
    TFacePlacement p;
    p.tx = (button.cx - text.cx) / 2;
    p.ty = (button.cy - text.cy) / 2;
    // Without a glyph the caption stays centred whatever the layout.
    if (glyph.cx == 0 || glyph.cy == 0)
        return p;
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        p.gy = (button.cy - glyph.cy) / 2;
        p.gx = p.tx - glyph.cx / 2;
        p.tx += glyph.cx / 2;
        if (hasCaption) {
            p.gx -= s / 2 + s % 2;
            p.tx += s / 2;
        }
        break;
    case TButtonLayout::blGlyphRight:
        p.gy = (button.cy - glyph.cy) / 2;
        p.gx = p.tx + text.cx - glyph.cx / 2;
        p.tx += -glyph.cx / 2;
        if (hasCaption) {
            p.gx += s / 2 + s % 2;
            p.tx += -s / 2;
        }
        break;
    case TButtonLayout::blGlyphTop:
        p.gx = (button.cx - glyph.cx) / 2;
        p.gy = p.ty - glyph.cy / 2 - glyph.cy % 2;
        p.ty += glyph.cy / 2;
        if (hasCaption) {
            p.gy -= s / 2 + s % 2;
            p.ty += s / 2;
        }
        break;
    case TButtonLayout::blGlyphBottom:
        p.gx = (button.cx - glyph.cx) / 2;
        p.gy = p.ty + text.cy - glyph.cy / 2;
        p.ty += -glyph.cy / 2;
        if (hasCaption) {
            p.gy += s / 2 + s % 2;
            p.ty += -s / 2;
        }
        break;
    }
    return p;
}

// Vertical ramp from `from` to `to`, one line per row 0..bottom - top; a rectangle without
// height has no ramp.
void DrawVerticalRamp(TCanvas& canvas, TRect r, TColor from, TColor to)
{
    const int n = r.bottom - r.top;
    if (n <= 0)
        return;
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    double red = GetRValue(a), green = GetGValue(a), blue = GetBValue(a);
    const double dr = double(GetRValue(b) - GetRValue(a)) / n;
    const double dg = double(GetGValue(b) - GetGValue(a)) / n;
    const double db = double(GetBValue(b) - GetBValue(a)) / n;
    for (int i = 0; i <= n; ++i) {
        canvas.Pen.color = RGB(RoundHalfEven(red), RoundHalfEven(green), RoundHalfEven(blue));
        canvas.MoveTo(r.left, i);
        canvas.LineTo(r.left + r.right, i);
        red += dr;
        green += dg;
        blue += db;
    }
}

}  // namespace

TPushButton::TPushButton(TComponent* owner) : TCustomControl(owner)
{
    // A quick second press is a second click, as on any push button, not a double click.
    SetControlStyle((ControlStyle() | csOpaque) & ~csDoubleClicks);
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
    SetColorScheme(TColorScheme::csNeoDesert);
    FColors[ButtonColorsPerState + xpGrad] = 0xFFFFFF;
    FColors[2 * ButtonColorsPerState + xpGrad] = 0xFFFFFF;
    FColors[ButtonDisabledColors + xpGrad] = 0xFFFFFF;
}

void TPushButton::SetSchemeColor(int index, TColor value)
{
    FColors[index] = value;
    SetColorScheme(TColorScheme::csCustom);
    Invalidate();
}

// Every colour setter switches the scheme to TColorScheme::csCustom, so the requested scheme is
// stored again at the end.
void TPushButton::SetColorScheme(TColorScheme scheme)
{
    FColorScheme = scheme;
    if (scheme != TColorScheme::csCustom) {
        const auto column = static_cast<std::size_t>(scheme);
        for (int i = 0; i < ButtonColorCount; ++i)
            if (SchemeColors[i][column] != Keep)
                SetSchemeColor(i, SchemeColors[i][column]);
        SetGradient(SchemeGradient[column]);
    }
    Invalidate();
    FColorScheme = scheme;
}

void TPushButton::SetGradient(bool value)
{
    FGradient = value;
    Invalidate();
}

void TPushButton::SetCtl3D(bool value)
{
    FCtl3D = value;
    Invalidate();
}

void TPushButton::SetLayout(TButtonLayout value)
{
    FLayout = value;
    Invalidate();
}

void TPushButton::SetGlyph(const TBitmap& glyph)
{
    FGlyph = glyph;
    Invalidate();
}

void TPushButton::SetSpacing(int value)
{
    FSpacing = value;
    Invalidate();
}

void TPushButton::ChangeScale(int m, int d)
{
    TCustomControl::ChangeScale(m, d);
    SetSpacing(MulDivRound(FSpacing, m, d));
}

void TPushButton::SetTransparentGlyph(bool value)
{
    FTransparentGlyph = value;
    Invalidate();
}

void TPushButton::SetDefault(bool value)
{
    FDefault = value;
    if (TForm* form = ParentForm())
        form->NotifyFocusChanged();
}

void TPushButton::SetState(TPushButtonState state)
{
    FButtonState = state;
    Repaint();
}

void TPushButton::Click()
{
    if (Parent() != nullptr)
        if (TForm* form = ParentForm())
            form->SetModalResult(FModalResult);
    SetState(TPushButtonState::bsNormal);
    TCustomControl::Click();
}

void TPushButton::MouseEnter()
{
    TCustomControl::MouseEnter();
    if (Designing() || !FHotTrack)
        return;
    SetState(FMouseHeld ? TPushButtonState::bsPressed : TPushButtonState::bsOver);
}

void TPushButton::MouseLeave()
{
    TCustomControl::MouseLeave();
    SetState(TPushButtonState::bsNormal);
}

void TPushButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    FMouseHeld = true;
    FButtonState = TPushButtonState::bsPressed;
    if (TabStop() && CanFocus())
        SetFocus();
    Repaint();
}

// A release on the outermost left column or top row counts as outside.
void TPushButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    FMouseHeld = false;
    if (x > 0 && x < Width() && y > 0 && y < Height())
        FButtonState = FHotTrack ? TPushButtonState::bsOver : TPushButtonState::bsNormal;
    Repaint();
}

// The form offers Enter as a dialog key after this, so Enter clicks here only when the
// dialog-key path will not.
void TPushButton::KeyDown(TKey& key, TShiftState shift)
{
    if (key == TKey::Space)
        FButtonState = TPushButtonState::bsPressed;
    if (key == TKey::Return && !ClicksOnDialogKey(key, shift))
        Click();
    Repaint();
    TCustomControl::KeyDown(key, shift);
}

void TPushButton::KeyUp(TKey& key, TShiftState shift)
{
    if (key == TKey::Space) {
        SetState(TPushButtonState::bsNormal);
        Click();
    }
    TCustomControl::KeyUp(key, shift);
}

// Enter when focused or the default button, Escape when the cancel button.
bool TPushButton::ClicksOnDialogKey(TKey key, TShiftState shift) const
{
    const bool modifiers = (shift & (ssShift | ssCtrl | ssAlt)) != 0;
    const bool ours =
        (key == TKey::Return && (FFocused || FDefault)) || (key == TKey::Escape && FCancel);
    return ours && !modifiers && CanFocus();
}

bool TPushButton::DialogKey(TKey key, TShiftState shift)
{
    if (ClicksOnDialogKey(key, shift)) {
        Click();
        return true;
    }
    return TCustomControl::DialogKey(key, shift);
}

bool TPushButton::DialogChar(char key)
{
    if (IsAccel(key, Caption()) && Enabled()) {
        Click();
        return true;
    }
    return TCustomControl::DialogChar(key);
}

void TPushButton::DoEnter()
{
    FFocused = true;
    Repaint();
    TCustomControl::DoEnter();
}

void TPushButton::DoExit()
{
    FFocused = false;
    SetState(TPushButtonState::bsNormal);
    TCustomControl::DoExit();
}

void TPushButton::TextChanged()
{
    TCustomControl::TextChanged();
    Invalidate();
}

void TPushButton::FontChanged()
{
    TCustomControl::FontChanged();
    Invalidate();
}

void TPushButton::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Invalidate();
}

void TPushButton::Paint()
{
    const TBitmap image = PaintImage();
    Canvas().Draw(0, 0, image);
}

TBitmap TPushButton::PaintImage()
{
    const int w = Width();
    const int h = Height();
    TBitmap image(w, h);
    TCanvas& canvas = image.Canvas();
    const int first =
        Enabled() ? static_cast<int>(FButtonState) * ButtonColorsPerState : ButtonDisabledColors;
    const TColor* set = &FColors[first];
    const bool pressed = FButtonState == TPushButtonState::bsPressed;

    canvas.Brush = {set[xpFace], TBrushStyle::bsSolid};
    canvas.Pen = TPen{};
    canvas.Rectangle(0, 0, w, h);
    if (FGradient)
        DrawVerticalRamp(canvas, {0, 0, w, h}, set[xpFace], set[xpGrad]);

    canvas.Font = Font();
    canvas.Font.color = set[xpText];
    const std::string& caption = Caption();
    const TSize text = canvas.TextExtent(caption);
    TFacePlacement p = PlaceFace(FLayout, {w, h}, text, {FGlyph.Width(), FGlyph.Height()}, FSpacing,
                                 !caption.empty());
    if (!FGlyph.Empty()) {
        const int shift = pressed ? 1 : 0;
        FGlyph.TransparentColor = FGlyph.Pixel(0, 0);
        FGlyph.Transparent = FTransparentGlyph;
        canvas.Draw(p.gx + shift, p.gy + shift, FGlyph);
    }
    if (pressed) {
        ++p.tx;
        ++p.ty;
    }
    if (!caption.empty()) {
        canvas.Brush.style = TBrushStyle::bsClear;
        TRect r{p.tx, p.ty, p.tx + text.cx, p.ty + text.cy};
        canvas.DrawText(r, caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }

    canvas.Pen = {set[xpBorder]};
    canvas.Brush.style = TBrushStyle::bsClear;
    canvas.Rectangle(0, 0, w, h);
    if (FCtl3D) {
        canvas.Pen.color = set[xpLight];
        canvas.MoveTo(1, h - 2);
        canvas.LineTo(1, 1);
        canvas.LineTo(w - 1, 1);
        canvas.Pen.color = set[xpDark];
        canvas.MoveTo(w - 2, 1);
        canvas.LineTo(w - 2, h - 2);
        canvas.LineTo(1, h - 2);
    }
    if (FFocused) {
        canvas.Pen.color = FColors[ButtonFocusRectColor];
        canvas.Rectangle(3, 3, w - 3, h - 3);
    }
    return image;
}
