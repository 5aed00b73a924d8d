// Drawing state, repaint rules and the off-screen paint of the XP controls, and their gradient.
#include "controls/xp_control_base.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "gfx/rounding.h"
#include "ui/accel.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

// Everything an XP control repaints after; moves, resizes, border and parent-font changes
// are left out.
constexpr TXPRepaintEvents kXPRepaintEvents =
    RepaintEventBit(TXPRepaintEvent::CaptionChanged) |
    RepaintEventBit(TXPRepaintEvent::EnabledChanged) |
    RepaintEventBit(TXPRepaintEvent::FocusChanged) | RepaintEventBit(TXPRepaintEvent::MouseDown) |
    RepaintEventBit(TXPRepaintEvent::MouseEnter) | RepaintEventBit(TXPRepaintEvent::MouseLeave) |
    RepaintEventBit(TXPRepaintEvent::MouseUp) |
    RepaintEventBit(TXPRepaintEvent::ParentColorChanged);

constexpr int kGradientBands = 16;
constexpr int kStripWidth = 16;

TXPVisualState StateBit(TXPStateItem item)
{
    return static_cast<TXPVisualState>(1u << static_cast<unsigned>(item));
}

int Channel(int start, int stop, int band)
{
    return start + static_cast<int>(std::lround((stop - start) * band / 15.0));
}

// The first row of a band: i * height / 16 rounded to nearest, halves to even.
int BandTop(int band, int height)
{
    return RoundHalfEven(band * height / static_cast<double>(kGradientBands));
}

// A small fixed-seed generator, so a dithered picture is the same every time.
class TDitherRandom {
public:
    int Below(int limit)
    {
        FSeed = FSeed * 1103515245u + 12345u;
        return static_cast<int>((FSeed >> 16) % static_cast<unsigned>(limit));
    }

private:
    unsigned FSeed = 1;
};

void FillRows(TCanvas& canvas, int top, int bottom, TColor color)
{
    canvas.Brush.color = color;
    canvas.Brush.style = TBrushStyle::bsSolid;
    canvas.FillRect({0, top, kStripWidth, bottom});
}

}  // namespace

void CreateGradientRect(TBitmap& bitmap, TColor start, TColor stop, bool dithered)
{
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width <= 0 || height <= 0)
        return;
    start = ColorToRGB(start);
    stop = ColorToRGB(stop);
    std::array<TColor, kGradientBands> colors{};
    for (int i = 0; i < kGradientBands; ++i)
        colors[i] = RGB(Channel(GetRValue(start), GetRValue(stop), i),
                        Channel(GetGValue(start), GetGValue(stop), i),
                        Channel(GetBValue(start), GetBValue(stop), i));

    TBitmap strip(kStripWidth, height);
    TCanvas& canvas = strip.Canvas();
    FillRows(canvas, 0, height, start);
    TDitherRandom random;
    for (int i = 0; i < kGradientBands; ++i) {
        const int top = BandTop(i, height);
        const int bottom = i == kGradientBands - 1 ? height : BandTop(i + 1, height);
        FillRows(canvas, top, bottom, colors[i]);
        if (!dithered || i == 0)
            continue;
        for (int k = 0; k < height / 15 + 1; ++k) {
            const int y = top + (k == 0 ? 0 : random.Below(k));
            FillRows(canvas, y, y + 1, colors[i - 1]);
        }
    }
    for (int x = 0; x < width; x += kStripWidth) {
        const int w = std::min(kStripWidth, width - x);
        bitmap.Canvas().CopyRect({x, 0, x + w, height}, strip, {0, 0, w, height});
    }
}

TXPControl::TXPControl(TComponent* owner)
    : TExtCustomControl(owner), FVisualState(StateBit(TXPStateItem::Normal)),
      FRepaintOn(kXPRepaintEvents)
{
    SetControlStyle(ControlStyle() | csOpaque);
}

bool TXPControl::InVisualState(TXPStateItem item) const
{
    return (FVisualState & StateBit(item)) != 0;
}

void TXPControl::IncludeState(TXPStateItem item) { FVisualState |= StateBit(item); }

void TXPControl::ExcludeState(TXPStateItem item)
{
    FVisualState &= static_cast<TXPVisualState>(~StateBit(item));
}

void TXPControl::RepaintAfter(TXPRepaintEvent event)
{
    if (FRepaintOn & RepaintEventBit(event))
        Invalidate();
}

void TXPControl::Paint()
{
    const TRect client = ClientRect();
    if (client.IsEmpty())
        return;
    if (FBuffer.Width() != client.Width() || FBuffer.Height() != client.Height())
        FBuffer.SetSize(client.Width(), client.Height());
    TCanvas& canvas = FBuffer.Canvas();
    canvas.Pen = TPen();
    canvas.Brush = TBrush();
    canvas.SetBkMode(TBackgroundMode::bkOpaque);
    DrawBuffer(canvas);
    Canvas().CopyRect(client, FBuffer, client);
}

void TXPControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtCustomControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft) {
        FLeftButtonHeld = true;
        if (!Focused() && CanFocus())
            SetFocus();
        IncludeState(TXPStateItem::ButtonPressed);
    }
    RepaintAfter(TXPRepaintEvent::MouseDown);
}

void TXPControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TExtCustomControl::MouseUp(button, shift, x, y);
    if (FLeftButtonHeld) {
        FLeftButtonHeld = false;
        ExcludeState(TXPStateItem::ButtonPressed);
    }
    RepaintAfter(TXPRepaintEvent::MouseUp);
}

void TXPControl::MouseEnter()
{
    if (!Designing())
        IncludeState(TXPStateItem::PointerOver);
    TExtCustomControl::MouseEnter();
    RepaintAfter(TXPRepaintEvent::MouseEnter);
}

void TXPControl::MouseLeave()
{
    if (!Designing())
        ExcludeState(TXPStateItem::PointerOver);
    TExtCustomControl::MouseLeave();
    RepaintAfter(TXPRepaintEvent::MouseLeave);
}

void TXPControl::FocusChanged(TWinControl* focused)
{
    TExtCustomControl::FocusChanged(focused);
    const bool hadFocus = InVisualState(TXPStateItem::HasFocus);
    if (Focused()) {
        IncludeState(TXPStateItem::HasFocus);
    } else {
        ExcludeState(TXPStateItem::HasFocus);
        ExcludeState(TXPStateItem::ButtonPressed);
    }
    // Every control hears of every focus move; only a change of its own focus repaints it.
    if (hadFocus != InVisualState(TXPStateItem::HasFocus))
        RepaintAfter(TXPRepaintEvent::FocusChanged);
}

void TXPControl::EnabledChanged()
{
    TExtCustomControl::EnabledChanged();
    RepaintAfter(TXPRepaintEvent::EnabledChanged);
}

void TXPControl::TextChanged()
{
    TExtCustomControl::TextChanged();
    RepaintAfter(TXPRepaintEvent::CaptionChanged);
}

void TXPControl::ParentColorChanged()
{
    TExtCustomControl::ParentColorChanged();
    RepaintAfter(TXPRepaintEvent::ParentColorChanged);
}

// Alt plus the caption's "&" letter, or the letter alone while focused, clicks the control.
bool TXPControl::DialogChar(char key)
{
    if (IsAccel(key, Caption()) && CanFocus()) {
        if (Focused() || Application().KeyPressed(TKey::Alt)) {
            Click();
            return true;
        }
    }
    return TExtCustomControl::DialogChar(key);
}

void TXPStyle::SetTheme(TXPTheme theme)
{
    if (theme == FTheme)
        return;
    FTheme = theme;
    if (OnChange)
        OnChange(this);
}

void TXPStyle::SetUseStyleManager(bool value)
{
    if (value == FUseStyleManager)
        return;
    FUseStyleManager = value;
    if (OnChange)
        OnChange(this);
}

TXPStyleControl::TXPStyleControl(TComponent* owner) : TXPControl(owner)
{
    FStyle.OnChange = [this](TObject*) { Invalidate(); };
}
