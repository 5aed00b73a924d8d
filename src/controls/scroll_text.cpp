// Building the marquee's two bitmaps, moving the text per tick, and composing the picture:
// the fading edge bitmap first, then the text strip, whose key-coloured letters let the edge
// bitmap show through.
#include "controls/scroll_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "gfx/canvas.h"
#include "ui/errors.h"
#include "ui/property_change.h"

namespace {

// a * b / c with the product kept exact and the quotient rounded, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const std::int64_t product = std::int64_t(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(c))
        quotient += (product < 0) != (c < 0) ? -1 : 1;
    return static_cast<int>(quotient);
}

int BlendChannel(int from, int to, int i, int steps)
{
    return from + MulDiv(i, to - from, steps - 1);
}

}  // namespace

TColor BlendColor(TColor c1, TColor c2, int steps, int index)
{
    const TColor a = ColorToRGB(c1);
    if (steps <= 1)
        return a;
    const TColor b = ColorToRGB(c2);
    const int i = std::clamp(index, 1, steps) - 1;
    return RGB(BlendChannel(GetRValue(a), GetRValue(b), i, steps),
               BlendChannel(GetGValue(a), GetGValue(b), i, steps),
               BlendChannel(GetBValue(a), GetBValue(b), i, steps));
}

TScrollText::TScrollText(TComponent* owner)
    : TGaugeGraphicImageControl(owner), FTimer(std::make_unique<TThreadTimer>(nullptr))
{
    FTimer->SetEnabled(false);
    FTimer->SetInterval(50);
    FTimer->OnTimer = [this](TObject*) { Tick(); };
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(Left(), Top(), 70, 18);
    FScrollOffset = -Width();
}

TScrollText::~TScrollText() { FTimer.reset(); }

void TScrollText::SetActive(bool value)
{
    if (value == FActive)
        return;
    FActive = value;
    if (!IsDesigning())
        FTimer->SetEnabled(value);
}

void TScrollText::SetThreaded(bool value)
{
    FTimer->SetTimerType(value ? TThreadTimerType::ttThread : TThreadTimerType::ttSystem);
}

void TScrollText::SetInterval(int value)
{
    if (value < 0)
        throw ERangeError();
    FTimer->SetInterval(static_cast<unsigned>(value));
}

void TScrollText::SetScrollDirection(TScrollDirection value)
{
    if (value == FScrollDirection)
        return;
    FScrollDirection = value;
    if (!IsDesigning())
        FScrollOffset = value == sdLeftToRight ? Width() - FTextStrip.Width() : 0;
    BuildImages();
}

void TScrollText::SetEdgeWidth(int value)
{
    ChangeProperty(FEdgeWidth, value, [this] { BuildImages(); });
}

void TScrollText::SetEdgeStyle(TEdgeStyle value)
{
    ChangeProperty(FEdgeStyle, value, [this] { BuildImages(); });
}

// A pass ends when the text has left at the far edge; it then enters again from the start.
void TScrollText::Tick()
{
    if (Enabled()) {
        const int wrapped = Width() - FTextStrip.Width();
        if (FScrollDirection == sdRightToLeft) {
            FScrollOffset -= FPixelStep;
            if (FScrollOffset <= wrapped)
                FScrollOffset = 0;
        } else {
            FScrollOffset += FPixelStep;
            if (FScrollOffset >= 0)
                FScrollOffset = wrapped;
        }
    }
    RequestRepaint();
}

void TScrollText::BuildImages()
{
    if (IsLoading())
        return;
    BuildTextStrip();
    BuildEdges();
    if (IsDesigning())
        FScrollOffset = Width() / 2 - FTextStrip.Width() / 2;
    RequestRepaint();
}

// The caption in the key colour, one control width of blank margin on each side.
void TScrollText::BuildTextStrip()
{
    TCanvas& canvas = FTextStrip.Canvas();
    canvas.Font = Font();
    const int textWidth = canvas.TextWidth(Caption());
    FTextStrip.SetSize(textWidth + 2 * Width(), Height());
    canvas.Brush = {Color(), TBrushStyle::bsSolid};
    canvas.FillRect(FTextStrip.BoundsRect());
    // Green letters would vanish with a green key, so such text gets a red one.
    const TColor key = Font().color == clGreen || Color() == clGreen ? clRed : clGreen;
    FTextStrip.Transparent = true;
    FTextStrip.TransparentColor = key;
    canvas.Font.color = key;
    canvas.SetBkMode(TBackgroundMode::bkTransparent);
    canvas.TextOut(FTextStrip.Width() / 2 - textWidth / 2,
                   FTextStrip.Height() / 2 - canvas.TextHeight(Caption()) / 2, Caption());
}

// Font colour inside, fading to Color over EdgeWidth columns at the chosen edges.
void TScrollText::BuildEdges()
{
    FEdgeBitmap.SetSize(Width(), Height());
    TCanvas& canvas = FEdgeBitmap.Canvas();
    canvas.Brush = {Font().color, TBrushStyle::bsSolid};
    canvas.FillRect(FEdgeBitmap.BoundsRect());
    const bool left = FEdgeStyle == esLeft || FEdgeStyle == esBoth;
    const bool right = FEdgeStyle == esRight || FEdgeStyle == esBoth;
    for (int i = 0; i < FEdgeWidth; ++i) {
        canvas.Pen.color = BlendColor(Color(), Font().color, FEdgeWidth, i + 1);
        if (left) {
            canvas.MoveTo(i, 0);
            canvas.LineTo(i, Height());
        }
        if (right) {
            canvas.MoveTo(FEdgeBitmap.Width() - 1 - i, 0);
            canvas.LineTo(FEdgeBitmap.Width() - 1 - i, Height());
        }
    }
}

void TScrollText::Paint()
{
    ClearImage();
    ImageCanvas().Draw(0, 0, FEdgeBitmap);
    ImageCanvas().Draw(FScrollOffset, 0, FTextStrip);
    TGaugeGraphicImageControl::Paint();
}

void TScrollText::Loaded()
{
    TGaugeGraphicImageControl::Loaded();
    BuildImages();
}

void TScrollText::Resize()
{
    TGaugeGraphicImageControl::Resize();
    BuildImages();
}

void TScrollText::FontChanged()
{
    TGaugeGraphicImageControl::FontChanged();
    BuildImages();
}

void TScrollText::ColorChanged()
{
    TGaugeGraphicImageControl::ColorChanged();
    BuildImages();
}

void TScrollText::TextChanged()
{
    TGaugeGraphicImageControl::TextChanged();
    BuildImages();
}
