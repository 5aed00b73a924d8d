// The level bar: setters with their notifications, the layout that snaps the bar to whole
// segments, the zone and lit-count arithmetic, and the bevel-change resizing.
#include "controls/level_bar.h"

#include <algorithm>

#include "controls/percent.h"

TLevelBar::TLevelBar(TComponent* owner) : TGaugeGraphicImageControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetParentColor(false);
    SetColor(clBlack);
    FPalette2.SetLow(clOlive);
    FPalette2.SetHigh(clYellow);
    FPalette3.SetLow(clMaroon);
    FPalette3.SetHigh(clRed);
    FBevel.SetInnerStyle(TBevelStyle::bsLowered);
    FBevel.SetInnerWidth(2);
    FBevel.SetInnerColor(clBlack);
    const auto repaint = [this](TObject*) { RequestRepaint(); };
    FPalette1.OnChange = repaint;
    FPalette2.OnChange = repaint;
    FPalette3.OnChange = repaint;
    FBevel.OnChange = [this](TObject*) { BevelChanged(); };
    SetBounds(Left(), Top(), 20, 170);
}

void TLevelBar::SetPosition(int value)
{
    value = std::min(std::max(value, FMinValue), FMaxValue);
    if (value == FPosition)
        return;
    FPosition = value;
    RequestRepaint();
    if (OnChange)
        OnChange(this);
    if (FPosition == FMinValue && OnMinValue)
        OnMinValue(this);
    if (FPosition == FMaxValue && OnMaxValue)
        OnMaxValue(this);
}

void TLevelBar::SetMinValue(int value)
{
    if (value == FMinValue || value >= FMaxValue)
        return;
    FMinValue = value;
    if (FPosition < value)
        SetPosition(value);
    else
        RequestRepaint();
}

void TLevelBar::SetMaxValue(int value)
{
    if (value == FMaxValue || value <= FMinValue)
        return;
    FMaxValue = value;
    if (value < FPosition)
        SetPosition(value);
    else
        RequestRepaint();
}

void TLevelBar::SetPercent1(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == FPercent1)
        return;
    if (!IsLoading() && value + FPercent2 > 100)
        value = 100 - FPercent2;
    FPercent1 = value;
    RequestRepaint();
}

void TLevelBar::SetPercent2(int value)
{
    value = std::clamp(value, 0, 100);
    if (value == FPercent2 || value + FPercent1 > 100)
        return;
    FPercent2 = value;
    RequestRepaint();
}

void TLevelBar::SetOrientation(TGaugeOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    if (!IsLoading())
        SetBounds(Left(), Top(), Height(), Width());
    RequestRepaint();
}

void TLevelBar::SetSpacing(int value) { Change(FSpacing, value); }
void TLevelBar::SetStyle(TGaugeProgressStyle value) { Change(FStyle, value); }

void TLevelBar::SetTickHeight(int value)
{
    if (value <= 0)
        return;
    Change(FTickHeight, value);
}

TRect TLevelBar::InteriorOfClient() const
{
    TRect area = ClientRect();
    FBevel.ShrinkToInterior(area);
    return area;
}

// Keeps the segment area current between paints, so a bevel change before the first paint
// grows the bar around its real interior instead of around an empty rectangle.
void TLevelBar::Resize()
{
    FSegmentArea = InteriorOfClient();
    TGaugeGraphicImageControl::Resize();
}

void TLevelBar::LayoutSegments()
{
    FSegmentPitch = FTickHeight + FSpacing;
    FSegmentArea = InteriorOfClient();
    // Negative spacing that swallows a whole segment leaves nothing to lay out.
    if (FSegmentPitch <= 0) {
        FSegmentCount = 0;
        return;
    }
    const int across = Vertical() ? FSegmentArea.Height() : FSegmentArea.Width();
    FSegmentCount = std::max(0, (across + FSpacing) / FSegmentPitch);
    const int length = FSegmentCount * FSegmentPitch - FSpacing;
    if (Vertical())
        SetBounds(Left(), Top(), Width(), 2 * FSegmentArea.top + length);
    else
        SetBounds(Left(), Top(), 2 * FSegmentArea.left + length, Height());
}

TRect TLevelBar::SegmentRect(int k) const
{
    const int n = FSegmentCount;
    const TRect& area = FSegmentArea;
    switch (FOrientation) {
    case TGaugeOrientation::voVertical: {
        const int top = FStyle == TGaugeProgressStyle::psBottomLeft
                            ? area.top + (n - 1 - k) * FSegmentPitch
                            : area.bottom - FTickHeight - (n - 1 - k) * FSegmentPitch;
        return {area.left, top, area.right, top + FTickHeight};
    }
    case TGaugeOrientation::voHorizontal: {
        const int left = FStyle == TGaugeProgressStyle::psBottomLeft
                             ? area.left + k * FSegmentPitch
                             : area.right - FTickHeight - k * FSegmentPitch;
        return {left, area.top, left + FTickHeight, area.bottom};
    }
    }
    return {};
}

void TLevelBar::DrawSegments()
{
    const int n = FSegmentCount;
    const int lit = PercentOf(PercentOfValue(FPosition - FMinValue, FMaxValue - FMinValue), n);
    const int zone1 = PercentOf(FPercent1, n);
    const int zone12 = zone1 + PercentOf(FPercent2, n);
    TCanvas& canvas = ImageCanvas();
    canvas.Brush.style = TBrushStyle::bsSolid;
    for (int k = 0; k < n; ++k) {
        const TGaugePalette& palette = k < zone1 ? FPalette1 : k < zone12 ? FPalette2 : FPalette3;
        canvas.Brush.color = palette.ColorFor(k < lit ? 1 : 0);
        canvas.FillRect(SegmentRect(k));
    }
}

void TLevelBar::Paint()
{
    LayoutSegments();
    ClearImage();
    TRect client = ClientRect();
    FBevel.DrawBevel(ImageCanvas(), client);
    DrawSegments();
    TGaugeGraphicImageControl::Paint();
}

void TLevelBar::BevelChanged()
{
    if (IsLoading())
        return;
    const int total = FBevel.TotalWidth();
    TRect grown = FSegmentArea;
    grown.Inflate(total, total);
    SetBounds(Left(), Top(), grown.Width(), grown.Height());
    RequestRepaint();
}
