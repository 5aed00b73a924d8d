// The base of the flat XP-look controls: a windowed control that keeps its drawing state
// (pointer over, left button pressed, focused), repaints after a chosen set of events, paints
// through an off-screen picture, and carries a style object that picks the look. Also the
// vertical gradient with optional dithering that the XP faces are made of.
#pragma once

#include <cstdint>

#include "controls/control_ext.h"
#include "gfx/bitmap.h"
#include "gfx/canvas.h"
#include "gfx/color.h"

enum class TXPTheme { WindowsXP, OfficeXP };

// One flag of a control's drawing state.
enum class TXPStateItem { Normal, PointerOver, ButtonPressed, HasFocus };
using TXPVisualState = std::uint8_t;

// Events after which a control may repaint itself.
enum class TXPRepaintEvent {
    BorderChanged,
    CaptionChanged,
    EnabledChanged,
    FocusChanged,
    MouseDown,
    MouseEnter,
    MouseLeave,
    MouseMove,
    MouseUp,
    ParentColorChanged,
    ParentFontChanged,
    PositionChanged,
    Resized,
};
using TXPRepaintEvents = std::uint16_t;

constexpr TXPRepaintEvents RepaintEventBit(TXPRepaintEvent event)
{
    return static_cast<TXPRepaintEvents>(1u << static_cast<unsigned>(event));
}

// Fills `bitmap` (already sized) from `start` at the top to `stop` at the bottom in 16 bands.
// Dithering gives each band's first rows some pixels of the band above; only the first 16
// columns are computed and then repeated across the width.
void CreateGradientRect(TBitmap& bitmap, TColor start, TColor stop, bool dithered);

class TXPControl : public TExtCustomControl {
public:
    explicit TXPControl(TComponent* owner);

    TXPVisualState VisualState() const { return FVisualState; }
    bool InVisualState(TXPStateItem item) const;
    TXPRepaintEvents RepaintOn() const { return FRepaintOn; }
    void SetRepaintOn(TXPRepaintEvents events) { FRepaintOn = events; }

    // The picture the last paint produced, client-sized.
    const TBitmap& Buffer() const { return FBuffer; }

protected:
    // Draws the whole control into the off-screen picture.
    virtual void DrawBuffer(TCanvas& canvas) = 0;

    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void FocusChanged(TWinControl* focused) override;
    void EnabledChanged() override;
    void TextChanged() override;
    void ParentColorChanged() override;
    bool DialogChar(char key) override;

    void RepaintAfter(TXPRepaintEvent event);
    void IncludeState(TXPStateItem item);
    void ExcludeState(TXPStateItem item);

private:
    TXPVisualState FVisualState = 0;
    TXPRepaintEvents FRepaintOn = 0;
    bool FLeftButtonHeld = false;
    TBitmap FBuffer;
};

// The look of a control; a change repaints the control that owns it.
class TXPStyle : public TObject {
public:
    TXPTheme Theme() const { return FTheme; }
    void SetTheme(TXPTheme theme);
    bool UseStyleManager() const { return FUseStyleManager; }
    void SetUseStyleManager(bool value);

    TNotifyEvent OnChange;

private:
    TXPTheme FTheme = TXPTheme::WindowsXP;
    bool FUseStyleManager = true;
};

class TXPStyleControl : public TXPControl {
public:
    explicit TXPStyleControl(TComponent* owner);

    TXPStyle& Style() { return FStyle; }
    // No shared style manager exists in this program, so the style's own theme applies.
    TXPTheme EffectiveTheme() const { return FStyle.Theme(); }

private:
    TXPStyle FStyle;
};
