// The track bar: value setters, the geometry between values and thumb pixels, the painted
// picture (background, ticks, gutter, focus frame, thumb) and the mouse and key interaction.
#include "controls/track_bar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "controls/gauge_cursor.h"
#include "controls/gauge_resources.h"
#include "gfx/rounding.h"
#include "ui/application.h"
#include "ui/scaling.h"

namespace {

constexpr TShiftState AnyModifierOrButton = ssShift | ssAlt | ssCtrl | ssLeft | ssRight | ssMiddle;

}  // namespace

TTrackBar::TTrackBar(TComponent* owner) : TGaugeCustomImageControl(owner)
{
    RegisterGaugeCursors();
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(false);
    FGutterBevel.SetInnerStyle(TBevelStyle::bsNone);
    FGutterBevel.SetInnerSpace(0);
    FGutterBevel.SetInnerOutline(TBevelOutlineStyle::osNone);
    FGutterBevel.SetOuterStyle(TBevelStyle::bsLowered);
    FGutterBevel.SetOuterSpace(0);
    FGutterBevel.SetOuterOutline(TBevelOutlineStyle::osNone);
    FGutterBevel.OnChange = [this](TObject*) { RequestRepaint(); };
    FBitmapListLink.OnChange = [this](TSharedComponent*) {
        LoadThumb();
        RequestRepaint();
    };
    LoadThumb();
    SetBounds(Left(), Top(), 175, 45);
}

TTrackBar::~TTrackBar() { ReleaseCursorClip(); }

void TTrackBar::SetPosition(int value)
{
    value = std::min(std::max(value, FMinValue), FMaxValue);
    if (value == FPosition)
        return;
    FPosition = value;
    RequestRepaint();
    if (OnChange)
        OnChange(this);
}

void TTrackBar::SetMinValue(int value)
{
    if (value == FMinValue)
        return;
    FMinValue = value;
    if (value > FPosition)
        SetPosition(value);
    else
        RequestRepaint();
}

void TTrackBar::SetMaxValue(int value)
{
    if (value == FMaxValue)
        return;
    FMaxValue = value;
    if (value < FPosition)
        SetPosition(value);
    else
        RequestRepaint();
}

void TTrackBar::SetOrientation(TGaugeOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    if (!IsLoading())
        SetBounds(Left(), Top(), Height(), Width());
    LoadThumb();
    RequestRepaint();
}

void TTrackBar::SetStyle(TGaugeProgressStyle value) { Change(FStyle, value); }
void TTrackBar::SetOptions(TTrackBarOptions value) { Change(FOptions, value); }
void TTrackBar::SetFrequency(int value) { Change(FFrequency, value); }
void TTrackBar::SetBorderWidth(int value) { Change(FBorderWidth, value); }
void TTrackBar::SetGutterWidth(int value) { Change(FGutterWidth, value); }

void TTrackBar::ChangeScale(int m, int d)
{
    TGaugeCustomImageControl::ChangeScale(m, d);
    SetGutterWidth(MulDivRound(FGutterWidth, m, d));
    SetScaleOffset(MulDivRound(FScaleOffset, m, d));
}

void TTrackBar::SetGutterColor(TColor value) { Change(FGutterColor, value); }
void TTrackBar::SetTickMarks(TTickMarks value) { Change(FTickMarks, value); }
void TTrackBar::SetTickColor(TColor value) { Change(FTickColor, value); }
void TTrackBar::SetBackImageIndex(int value) { Change(FBackImageIndex, value); }
void TTrackBar::SetScaleOffset(int value) { Change(FScaleOffset, value); }
void TTrackBar::SetFocusColor(TColor value) { Change(FFocusColor, value); }
void TTrackBar::SetFocusOffset(int value) { Change(FFocusOffset, value); }

void TTrackBar::SetThumbImageIndex(int value)
{
    if (value == FThumbImageIndex)
        return;
    FThumbImageIndex = value;
    LoadThumb();
    RequestRepaint();
}

void TTrackBar::SetThumbStates(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == FThumbStates)
        return;
    FThumbStates = value;
    if (!IsLoading())
        LoadThumb();
    RequestRepaint();
}

void TTrackBar::SetBitmapList(TBitmapList* value)
{
    // The link is taken out and put back even for the same list, moving it to the end of the
    // list's notification order.
    if (FBitmapList) {
        FBitmapList->RemoveLink(FBitmapListLink);
        RemoveFreeNotification(FBitmapList);
    }
    FBitmapList = value;
    if (FBitmapList) {
        FBitmapList->InsertLink(FBitmapListLink);
        FreeNotification(FBitmapList);
    }
    LoadThumb();
    RequestRepaint();
}

void TTrackBar::Notification(TComponent* component, TOperation operation)
{
    TGaugeCustomImageControl::Notification(component, operation);
    // The list has already dropped its links; only forget it and fall back to the built-in thumb.
    if (operation == TOperation::opRemove && component == FBitmapList) {
        FBitmapList = nullptr;
        LoadThumb();
        RequestRepaint();
    }
}

void TTrackBar::Loaded()
{
    TGaugeCustomImageControl::Loaded();
    LoadThumb();
}

void TTrackBar::Resize()
{
    CentreThumb();
    RequestRepaint();
    TGaugeCustomImageControl::Resize();
}

TRect TTrackBar::InnerRect() const
{
    TRect inner = ClientRect();
    inner.Inflate(-FBorderWidth, -FBorderWidth);
    return inner;
}

int TTrackBar::TrackStart() const
{
    const TRect inner = InnerRect();
    return std::max(0, Horizontal() ? inner.left : inner.top);
}

int TTrackBar::TrackLength() const
{
    const TRect inner = InnerRect();
    return Horizontal() ? inner.Width() - FThumbWidth : inner.Height() - FThumbHeight;
}

int TTrackBar::ValueToPixel(int value) const
{
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    // An empty range puts every value at the start instead of dividing by zero.
    const long double ratio =
        range == 0 ? 0.0L : (static_cast<long double>(value) - FMinValue) / range;
    int pixel = TrackStart() + RoundHalfEven(TrackLength() * ratio);
    const TRect inner = InnerRect();
    if (!Horizontal() && FStyle == TGaugeProgressStyle::psBottomLeft)
        pixel = inner.top + inner.bottom - pixel - FThumbHeight;
    else if (Horizontal() && FStyle == TGaugeProgressStyle::psTopRight)
        pixel = inner.left + inner.right - pixel - FThumbWidth;
    return pixel;
}

int TTrackBar::PixelToValue(int pixel) const
{
    if (!Horizontal())
        pixel = ClientHeight() - pixel - FThumbHeight;
    const int length = TrackLength();
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    // A track without room for the thumb to move reads as its minimum.
    int value = length == 0 ? 0 : RoundHalfEven((pixel - TrackStart()) * range / length);
    if (FOptions.Contains(TTrackBarOption::toFixedPoints) && FFrequency != 0)
        value = RoundHalfEven(static_cast<long double>(value) / FFrequency) * FFrequency;
    return std::min(std::max(value, 0) + FMinValue, FMaxValue);
}

TRect TTrackBar::ThumbRect() const
{
    return Bounds(FThumbLeft, FThumbTop, FThumbWidth, FThumbHeight);
}

void TTrackBar::LoadThumb()
{
    FThumbBitmap = TBitmap();
    if (FBitmapList)
        if (const TBitmap* picture = FBitmapList->GetBitmap(FThumbImageIndex))
            FThumbBitmap = *picture;
    if (FThumbBitmap.Empty())
        FThumbBitmap = LoadGaugeBitmap(Horizontal() ? "VRTB_HORI" : "VRTB_VERT");
    FThumbHeight = FThumbBitmap.Height();
    FThumbWidth = FThumbBitmap.Width() / FThumbStates;
    CentreThumb();
}

void TTrackBar::CentreThumb()
{
    if (Horizontal())
        FThumbTop = (Height() - FThumbHeight) / 2;
    else
        FThumbLeft = (Width() - FThumbWidth) / 2;
}

TRect TTrackBar::GutterRect() const
{
    if (Horizontal())
        return Bounds(FBorderWidth, (ClientHeight() - FGutterWidth) / 2,
                      ClientWidth() - 2 * FBorderWidth, FGutterWidth);
    return Bounds((ClientWidth() - FGutterWidth) / 2, FBorderWidth, FGutterWidth,
                  ClientHeight() - 2 * FBorderWidth);
}

void TTrackBar::Paint()
{
    ClearImage();
    TCanvas& canvas = ImageCanvas();
    const TBitmap* background = FBitmapList ? FBitmapList->GetBitmap(FBackImageIndex) : nullptr;
    if (background) {
        canvas.CopyRect(ClientRect(), *background, background->BoundsRect());
    } else {
        canvas.Brush.style = TBrushStyle::bsSolid;
        canvas.Brush.color = Color();
        canvas.FillRect(ClientRect());
    }
    canvas.Pen.color = FTickColor;
    TRect gutter = GutterRect();
    const bool topLeft = FTickMarks == TTickMarks::tmBoth || FTickMarks == TTickMarks::tmTopLeft;
    const bool bottomRight =
        FTickMarks == TTickMarks::tmBoth || FTickMarks == TTickMarks::tmBottomRight;
    if (topLeft)
        DrawTicks((Horizontal() ? gutter.top : gutter.left) - FScaleOffset, -4, -3);
    if (bottomRight)
        DrawTicks((Horizontal() ? gutter.bottom : gutter.right) + FScaleOffset, 4, 3);
    if (FGutterBevel.Visible()) {
        FGutterBevel.DrawBevel(canvas, gutter);
        canvas.Brush.style = TBrushStyle::bsSolid;
        canvas.Brush.color = FGutterColor;
        canvas.FillRect(gutter);
    }
    if (FHasFocus && FFocusOffset >= 0) {
        TRect frame = ClientRect();
        frame.Inflate(-FFocusOffset, -FFocusOffset);
        canvas.Brush.style = TBrushStyle::bsSolid;
        canvas.Brush.color = FFocusColor;
        canvas.FrameRect(frame);
    }
    (Horizontal() ? FThumbLeft : FThumbTop) = ValueToPixel(FPosition);
    DrawThumb();
    TGaugeCustomImageControl::Paint();
}

// The smallest multiple k of Frequency whose ticks lie at least 4 pixels apart (or as far
// apart as the track allows). Spacing only grows with k, so a bisection finds it.
int TTrackBar::TickStepMultiple() const
{
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    const int length = TrackLength();
    const auto spacingFits = [&](std::int64_t k) {
        const std::int64_t count =
            RoundHalfEven64(range / (static_cast<long double>(k) * FFrequency)) + 1;
        const std::int64_t spacing = count <= 1 ? length : length / (count - 1);
        return spacing >= 4 || spacing >= length;
    };
    std::int64_t low = 1;
    std::int64_t high = 2 * static_cast<std::int64_t>(std::abs(range)) / FFrequency + 1;
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        if (spacingFits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return static_cast<int>(low);
}

void TTrackBar::DrawTicks(int base, int endLength, int otherLength)
{
    // Ticks need a positive step between marks.
    if (FFrequency <= 0)
        return;
    TCanvas& canvas = ImageCanvas();
    const std::int64_t step = static_cast<std::int64_t>(TickStepMultiple()) * FFrequency;
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    const std::int64_t count = RoundHalfEven64(range / step) + 1;
    const int centre = Horizontal() ? FThumbWidth / 2 : FThumbHeight / 2;
    for (std::int64_t j = 1; j <= count; ++j) {
        const int value = j == count ? FMaxValue : static_cast<int>(FMinValue + (j - 1) * step);
        const int length = value == FMinValue || value == FMaxValue ? endLength : otherLength;
        const int along = ValueToPixel(value) + centre;
        const int from = std::min(base, base + length);
        const int to = std::max(base, base + length);
        if (Horizontal()) {
            canvas.MoveTo(along, from);
            canvas.LineTo(along, to);
        } else {
            canvas.MoveTo(from, along);
            canvas.LineTo(to, along);
        }
    }
}

void TTrackBar::DrawThumb()
{
    int frame = 0;
    if (!Enabled())
        frame = 1;
    if (FDragging)
        frame = 2;
    if (FThumbHot && !FDragging)
        frame = 3;
    if (frame > FThumbStates - 1)
        frame = 0;
    if (FThumbBitmap.Empty())
        return;
    const TRect source = Bounds(frame * FThumbWidth, 0, FThumbWidth, FThumbHeight);
    TCanvas& canvas = ImageCanvas();
    if (FOptions.Contains(TTrackBarOption::toThumbOpaque)) {
        canvas.CopyRect(ThumbRect(), FThumbBitmap, source);
        return;
    }
    TBitmap picture(FThumbWidth, FThumbHeight);
    picture.Canvas().CopyRect(picture.BoundsRect(), FThumbBitmap, source);
    picture.Transparent = true;
    picture.TransparentColor = FThumbBitmap.Pixel(0, FThumbBitmap.Height() - 1);
    canvas.Draw(FThumbLeft, FThumbTop, picture);
}

int TTrackBar::ValueAtPixel(int pixel) const
{
    const int value = PixelToValue(pixel);
    return FStyle == TGaugeProgressStyle::psTopRight ? FMaxValue - value + FMinValue : value;
}

void TTrackBar::MoveToPixel(int pixel)
{
    const int start = TrackStart();
    const int end = start + TrackLength();
    pixel = std::clamp(pixel, start, std::max(start, end));
    if (FOptions.Contains(TTrackBarOption::toFixedPoints))
        pixel = std::clamp(ValueToPixel(ValueAtPixel(pixel)), start, std::max(start, end));
    SetPosition(ValueAtPixel(pixel));
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGaugeCustomImageControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    if (TabStop())
        SetFocus();
    if (ThumbRect().Contains({x, y})) {
        FDragging = true;
        FGrabOffset = Horizontal() ? x - FThumbLeft : y - FThumbTop;
        if (FOptions.Contains(TTrackBarOption::toMouseClip)) {
            const TPoint topLeft = ClientToScreen({0, 0});
            const TRect screen = Bounds(topLeft.x, topLeft.y, ClientWidth(), ClientHeight());
            Screen().ClipCursor(&screen);
            FCursorClipped = true;
        }
        RequestRepaint();
    } else if (FOptions.Contains(TTrackBarOption::toActiveClick)) {
        MoveToPixel(Horizontal() ? x - FThumbWidth / 2 : y - FThumbHeight / 2);
    }
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    TGaugeCustomImageControl::MouseMove(shift, x, y);
    if (FDragging)
        MoveToPixel((Horizontal() ? x : y) - FGrabOffset);
    else
        UpdateThumbHot(x, y);
}

void TTrackBar::UpdateThumbHot(int x, int y)
{
    const bool overThumb = ThumbRect().Contains({x, y});
    if (overThumb == FThumbHot)
        return;
    FThumbHot = overThumb;
    RequestRepaint();
}

TCursor TTrackBar::CursorAt(TPoint client) const
{
    if (!IsDesigning() && FOptions.Contains(TTrackBarOption::toHandPoint) &&
        (FDragging || ThumbRect().Contains(client)))
        return crGaugeHandPoint;
    return TGaugeCustomImageControl::CursorAt(client);
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGaugeCustomImageControl::MouseUp(button, shift, x, y);
    if (FDragging) {
        FDragging = false;
        RequestRepaint();
    }
    ReleaseCursorClip();
}

void TTrackBar::ReleaseCursorClip()
{
    if (!FCursorClipped)
        return;
    Screen().ClipCursor(nullptr);
    FCursorClipped = false;
}

void TTrackBar::KeyDown(TKey& key, TShiftState shift)
{
    if ((shift & AnyModifierOrButton) == 0) {
        const int sign = FStyle == TGaugeProgressStyle::psTopRight ? -1 : 1;
        const int step = sign * FFrequency;
        if (key == TKey::Home)
            SetPosition(FMaxValue);
        else if (key == TKey::End)
            SetPosition(FMinValue);
        else if (Horizontal() && key == TKey::Left)
            SetPosition(FPosition - step);
        else if (Horizontal() && key == TKey::Right)
            SetPosition(FPosition + step);
        else if (!Horizontal() && key == TKey::Up)
            SetPosition(FPosition + step);
        else if (!Horizontal() && key == TKey::Down)
            SetPosition(FPosition - step);
    }
    TGaugeCustomImageControl::KeyDown(key, shift);
}

bool TTrackBar::WantsKey(TKey key, TShiftState) const
{
    return key == TKey::Left || key == TKey::Right || key == TKey::Up || key == TKey::Down;
}

void TTrackBar::DoEnter()
{
    TGaugeCustomImageControl::DoEnter();
    if (!FHasFocus) {
        FHasFocus = true;
        RequestRepaint();
    }
}

void TTrackBar::DoExit()
{
    TGaugeCustomImageControl::DoExit();
    if (FHasFocus) {
        FHasFocus = false;
        RequestRepaint();
    }
}

void TTrackBar::EnabledChanged()
{
    TGaugeCustomImageControl::EnabledChanged();
    RequestRepaint();
}
