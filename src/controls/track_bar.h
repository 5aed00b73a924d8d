// TTrackBar: an owner-drawn, double-buffered slider. A sunken gutter with tick marks on one
// or both sides and a bitmap thumb that shows an integer between MinValue and MaxValue; an
// enabled bar can be dragged, clicked and moved with the keys.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "controls/bevel.h"
#include "controls/bitmap_list.h"
#include "controls/gauge_control.h"

enum class TTickMarks { tmNone, tmBoth, tmBottomRight, tmTopLeft };

enum class TTrackBarOption {
    toActiveClick,
    toMouseClip,
    toHandPoint,
    toFixedPoints,
    toThumbOpaque
};

// A set of track bar options.
class TTrackBarOptions {
public:
    constexpr TTrackBarOptions() = default;
    constexpr TTrackBarOptions(std::initializer_list<TTrackBarOption> options)
    {
        for (TTrackBarOption option : options)
            FBits |= Bit(option);
    }
    constexpr bool Contains(TTrackBarOption option) const { return (FBits & Bit(option)) != 0; }
    friend bool operator==(const TTrackBarOptions&, const TTrackBarOptions&) = default;

private:
    static constexpr unsigned Bit(TTrackBarOption option)
    {
        return 1u << static_cast<unsigned>(option);
    }
    unsigned FBits = 0;
};

class TTrackBar : public TGaugeCustomImageControl {
public:
    explicit TTrackBar(TComponent* owner);
    ~TTrackBar() override;

    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    // Clamped into MinValue..MaxValue.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    TGaugeOrientation Orientation() const { return FOrientation; }
    // Also swaps width and height, unless loading.
    void SetOrientation(TGaugeOrientation value);
    TGaugeProgressStyle Style() const { return FStyle; }
    void SetStyle(TGaugeProgressStyle value);
    TTrackBarOptions Options() const { return FOptions; }
    void SetOptions(TTrackBarOptions value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TBevel& GutterBevel() { return FGutterBevel; }
    void SetGutterBevel(const TBevel& value) { FGutterBevel.Assign(value); }
    int GutterWidth() const { return FGutterWidth; }
    void SetGutterWidth(int value);
    TColor GutterColor() const { return FGutterColor; }
    void SetGutterColor(TColor value);
    TTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMarks value);
    TColor TickColor() const { return FTickColor; }
    void SetTickColor(TColor value);
    // Thumb frames side by side in the thumb image, 1..4: normal, disabled, dragging, hot.
    int ThumbStates() const { return FThumbStates; }
    void SetThumbStates(int value);
    int BackImageIndex() const { return FBackImageIndex; }
    void SetBackImageIndex(int value);
    int ThumbImageIndex() const { return FThumbImageIndex; }
    void SetThumbImageIndex(int value);
    TBitmapList* BitmapList() const { return FBitmapList; }
    void SetBitmapList(TBitmapList* value);
    int ScaleOffset() const { return FScaleOffset; }
    void SetScaleOffset(int value);
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    // Inset of the focus frame; negative: no frame.
    int FocusOffset() const { return FFocusOffset; }
    void SetFocusOffset(int value);

    // After every change of Position.
    TNotifyEvent OnChange;

    // The thumb's left (horizontal) or top (vertical) edge for `value`, client pixels.
    int ValueToPixel(int value) const;
    // The value whose thumb edge lies at `pixel`, before the psTopRight mirroring.
    int PixelToValue(int pixel) const;
    // Where the thumb was last drawn; the cross-axis coordinate is kept centred.
    TRect ThumbRect() const;
    int ThumbWidth() const { return FThumbWidth; }
    int ThumbHeight() const { return FThumbHeight; }

protected:
    void Paint() override;
    void Loaded() override;
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    bool WantsKey(TKey key, TShiftState shift) const override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    // The gutter's width and the scale's offset grow with the scale.
    void ChangeScale(int m, int d) override;
    // The hand point over the thumb, and all through a drag.
    TCursor CursorAt(TPoint client) const override;

private:
    bool Horizontal() const { return FOrientation == TGaugeOrientation::voHorizontal; }
    TRect InnerRect() const;
    int TrackStart() const;
    int TrackLength() const;
    TRect GutterRect() const;
    void LoadThumb();
    void CentreThumb();
    void DrawTicks(int base, int endLength, int otherLength);
    int TickStepMultiple() const;
    void DrawThumb();
    // The value read at `pixel`, with psTopRight's mirrored end.
    int ValueAtPixel(int pixel) const;
    void MoveToPixel(int pixel);
    void ReleaseCursorClip();
    void UpdateThumbHot(int x, int y);

    int FMinValue = 0;
    int FMaxValue = 100;
    int FPosition = 0;
    TGaugeOrientation FOrientation = TGaugeOrientation::voHorizontal;
    TGaugeProgressStyle FStyle = TGaugeProgressStyle::psBottomLeft;
    TTrackBarOptions FOptions{TTrackBarOption::toActiveClick, TTrackBarOption::toMouseClip,
                              TTrackBarOption::toHandPoint, TTrackBarOption::toThumbOpaque};
    int FFrequency = 10;
    int FBorderWidth = 10;
    TBevel FGutterBevel;
    int FGutterWidth = 9;
    TColor FGutterColor = clBlack;
    TTickMarks FTickMarks = TTickMarks::tmBoth;
    TColor FTickColor = clBlack;
    int FThumbStates = 1;
    int FBackImageIndex = -1;
    int FThumbImageIndex = -1;
    TBitmapList* FBitmapList = nullptr;
    TChangeLink FBitmapListLink;
    int FScaleOffset = 5;
    TColor FFocusColor = clBlack;
    int FFocusOffset = 0;

    TBitmap FThumbBitmap;
    int FThumbWidth = 0;
    int FThumbHeight = 0;
    int FThumbLeft = 0;
    int FThumbTop = 0;
    bool FDragging = false;
    bool FThumbHot = false;
    bool FCursorClipped = false;
    bool FHasFocus = false;
    int FGrabOffset = 0;
};
