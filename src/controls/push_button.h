// The gradient push button of the title bars: a focusable windowed button that paints its
// whole face itself in one of four visual states (normal, mouse over, pressed, disabled),
// each with six colours, from twelve built-in colour schemes or custom colours, with an
// optional glyph beside, above or below the caption. Every state change repaints at once
// through a fresh off-screen bitmap.
#pragma once

#include <array>
#include <cstdint>

#include "gfx/bitmap.h"
#include "gfx/color.h"
#include "ui/types.h"
#include "ui/wincontrol.h"

enum class TColorScheme {
    csNeoDesert,
    csNeoSky,
    csNeoGrass,
    csNeoSilver,
    csNeoRose,
    csNeoSun,
    csDesert,
    csGrass,
    csSky,
    csSun,
    csRose,
    csSilver,
    csCustom
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

enum class TPushButtonState { bsNormal, bsOver, bsPressed };

// The colours are indexed: six per state (Face, Grad, Dark, Light, Border, Text) for normal,
// over, pressed and disabled, then the focus rectangle.
constexpr int ButtonColorsPerState = 6;
constexpr int ButtonColorCount = 25;
enum TButtonColorPart { xpFace, xpGrad, xpDark, xpLight, xpBorder, xpText };
constexpr int ButtonDisabledColors = 18;
constexpr int ButtonFocusRectColor = 24;

class TPushButton : public TCustomControl {
public:
    explicit TPushButton(TComponent* owner);

    // Any single colour change makes the scheme TColorScheme::csCustom.
    TColor SchemeColor(int index) const { return FColors[index]; }
    void SetSchemeColor(int index, TColor value);
    TColor ColorFace() const { return FColors[0]; }
    void SetColorFace(TColor value) { SetSchemeColor(0, value); }
    TColor ColorGrad() const { return FColors[1]; }
    void SetColorGrad(TColor value) { SetSchemeColor(1, value); }
    TColor ColorDark() const { return FColors[2]; }
    void SetColorDark(TColor value) { SetSchemeColor(2, value); }
    TColor ColorLight() const { return FColors[3]; }
    void SetColorLight(TColor value) { SetSchemeColor(3, value); }
    TColor ColorBorder() const { return FColors[4]; }
    void SetColorBorder(TColor value) { SetSchemeColor(4, value); }
    TColor ColorText() const { return FColors[5]; }
    void SetColorText(TColor value) { SetSchemeColor(5, value); }
    TColor OverColorFace() const { return FColors[6]; }
    void SetOverColorFace(TColor value) { SetSchemeColor(6, value); }
    TColor OverColorGrad() const { return FColors[7]; }
    void SetOverColorGrad(TColor value) { SetSchemeColor(7, value); }
    TColor OverColorDark() const { return FColors[8]; }
    void SetOverColorDark(TColor value) { SetSchemeColor(8, value); }
    TColor OverColorLight() const { return FColors[9]; }
    void SetOverColorLight(TColor value) { SetSchemeColor(9, value); }
    TColor OverColorBorder() const { return FColors[10]; }
    void SetOverColorBorder(TColor value) { SetSchemeColor(10, value); }
    TColor OverColorText() const { return FColors[11]; }
    void SetOverColorText(TColor value) { SetSchemeColor(11, value); }
    TColor DownColorFace() const { return FColors[12]; }
    void SetDownColorFace(TColor value) { SetSchemeColor(12, value); }
    TColor DownColorGrad() const { return FColors[13]; }
    void SetDownColorGrad(TColor value) { SetSchemeColor(13, value); }
    TColor DownColorDark() const { return FColors[14]; }
    void SetDownColorDark(TColor value) { SetSchemeColor(14, value); }
    TColor DownColorLight() const { return FColors[15]; }
    void SetDownColorLight(TColor value) { SetSchemeColor(15, value); }
    TColor DownColorBorder() const { return FColors[16]; }
    void SetDownColorBorder(TColor value) { SetSchemeColor(16, value); }
    TColor DownColorText() const { return FColors[17]; }
    void SetDownColorText(TColor value) { SetSchemeColor(17, value); }
    TColor DisabledColorFace() const { return FColors[18]; }
    void SetDisabledColorFace(TColor value) { SetSchemeColor(18, value); }
    TColor DisabledColorGrad() const { return FColors[19]; }
    void SetDisabledColorGrad(TColor value) { SetSchemeColor(19, value); }
    TColor DisabledColorDark() const { return FColors[20]; }
    void SetDisabledColorDark(TColor value) { SetSchemeColor(20, value); }
    TColor DisabledColorLight() const { return FColors[21]; }
    void SetDisabledColorLight(TColor value) { SetSchemeColor(21, value); }
    TColor DisabledColorBorder() const { return FColors[22]; }
    void SetDisabledColorBorder(TColor value) { SetSchemeColor(22, value); }
    TColor DisabledColorText() const { return FColors[23]; }
    void SetDisabledColorText(TColor value) { SetSchemeColor(23, value); }
    TColor ColorFocusRect() const { return FColors[24]; }
    void SetColorFocusRect(TColor value) { SetSchemeColor(24, value); }

    // Applies the scheme's colours and Gradient; TColorScheme::csCustom changes no colour.
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme scheme);

    bool Gradient() const { return FGradient; }
    void SetGradient(bool value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& glyph);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    bool TransparentGlyph() const { return FTransparentGlyph; }
    void SetTransparentGlyph(bool value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }

    TPushButtonState ButtonState() const { return FButtonState; }
    bool MouseHeld() const { return FMouseHeld; }
    // The button's own record of holding the input focus.
    bool HasFocus() const { return FFocused; }

    void Click() override;

protected:
    void Paint() override;
    // The whole face for the current state, drawn on a new width x height bitmap.
    TBitmap PaintImage();

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;
    // The gap between glyph and caption grows with the scale.
    void ChangeScale(int m, int d) override;
    bool DialogKey(TKey key, TShiftState shift) override;
    bool DialogChar(char key) override;

private:
    void SetState(TPushButtonState state);
    bool ClicksOnDialogKey(TKey key, TShiftState shift) const;

    std::array<TColor, ButtonColorCount> FColors{};
    TColorScheme FColorScheme = TColorScheme::csNeoDesert;
    bool FGradient = false;
    bool FCtl3D = true;
    TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
    TBitmap FGlyph;
    int FSpacing = 4;
    bool FTransparentGlyph = true;
    bool FHotTrack = true;
    bool FCancel = false;
    bool FDefault = false;
    int FModalResult = 0;
    TPushButtonState FButtonState = TPushButtonState::bsNormal;
    bool FMouseHeld = false;
    bool FFocused = false;
};
