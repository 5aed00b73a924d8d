// TLevelBar: an LED-style bar graph. Thin segments inside a bevel, lit from the base up to
// the level of Position, each coloured by its zone (low, middle, top) as lit or unlit.
#pragma once

#include "controls/bevel.h"
#include "controls/gauge_control.h"
#include "controls/gauge_palette.h"

class TLevelBar : public TGaugeGraphicImageControl {
public:
    explicit TLevelBar(TComponent* owner);

    int MinValue() const { return FMinValue; }
    // Ignored unless below MaxValue.
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    // Ignored unless above MinValue.
    void SetMaxValue(int value);
    // Clamped into MinValue..MaxValue.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    // Share of the segments in zone 1 (from the base), cut back so Percent1 + Percent2 <= 100.
    int Percent1() const { return FPercent1; }
    void SetPercent1(int value);
    // Share of the segments in zone 2; refused when Percent1 + Percent2 would exceed 100.
    int Percent2() const { return FPercent2; }
    void SetPercent2(int value);
    TGaugePalette& Palette1() { return FPalette1; }
    void SetPalette1(const TGaugePalette& value) { FPalette1.Assign(value); }
    TGaugePalette& Palette2() { return FPalette2; }
    void SetPalette2(const TGaugePalette& value) { FPalette2.Assign(value); }
    TGaugePalette& Palette3() { return FPalette3; }
    void SetPalette3(const TGaugePalette& value) { FPalette3.Assign(value); }
    // A change resizes the bar around its unchanged segment area.
    TBevel& Bevel() { return FBevel; }
    void SetBevel(const TBevel& value) { FBevel.Assign(value); }
    TGaugeOrientation Orientation() const { return FOrientation; }
    // Also swaps width and height, unless loading.
    void SetOrientation(TGaugeOrientation value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    // Ignored unless positive.
    int TickHeight() const { return FTickHeight; }
    void SetTickHeight(int value);
    TGaugeProgressStyle Style() const { return FStyle; }
    void SetStyle(TGaugeProgressStyle value);
    // Stored only.
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }

    // After every change of Position; the next two only when it lands on an end.
    TNotifyEvent OnChange;
    TNotifyEvent OnMinValue;
    TNotifyEvent OnMaxValue;

    // The layout of the last paint (or resize): segment pitch, area inside the bevel, count.
    int SegmentPitch() const { return FSegmentPitch; }
    TRect SegmentArea() const { return FSegmentArea; }
    int SegmentCount() const { return FSegmentCount; }

protected:
    void Paint() override;
    void Resize() override;

private:
    bool Vertical() const { return FOrientation == TGaugeOrientation::voVertical; }
    TRect InteriorOfClient() const;
    void LayoutSegments();
    void DrawSegments();
    TRect SegmentRect(int k) const;
    void BevelChanged();

    int FMinValue = 0;
    int FMaxValue = 100;
    int FPosition = 0;
    int FPercent1 = 60;
    int FPercent2 = 25;
    TGaugePalette FPalette1;
    TGaugePalette FPalette2;
    TGaugePalette FPalette3;
    TBevel FBevel;
    TGaugeOrientation FOrientation = TGaugeOrientation::voVertical;
    int FSpacing = 1;
    int FTickHeight = 1;
    TGaugeProgressStyle FStyle = TGaugeProgressStyle::psBottomLeft;
    int FStep = 10;

    int FSegmentPitch = 2;
    TRect FSegmentArea;
    int FSegmentCount = 0;
};
