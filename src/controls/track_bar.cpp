// The track bar: value setters, the geometry between values and thumb pixels, the painted
// picture (background, ticks, gutter, focus frame, thumb) and the mouse and key interaction.
#include "controls/track_bar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "controls/gauge_resources.h"
#include "ui/backend.h"

namespace {

// Round to nearest with halves to even, the processor's default mode.
int RoundEven(long double x) { return static_cast<int>(std::nearbyint(x)); }
std::int64_t RoundEven64(long double x) { return std::llrint(x); }

constexpr TShiftState AnyModifierOrButton = ssShift | ssAlt | ssCtrl | ssLeft | ssRight | ssMiddle;

}  // namespace

TVrTrackBar::TVrTrackBar(TComponent* owner) : TVrCustomImageControl(owner)
{
    RegisterVrCursors();
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(false);
    FGutterBevel.SetInnerStyle(TVrBevelStyle::bsNone);
    FGutterBevel.SetInnerSpace(0);
    FGutterBevel.SetInnerOutline(TVrBevelOutlineStyle::osNone);
    FGutterBevel.SetOuterStyle(TVrBevelStyle::bsLowered);
    FGutterBevel.SetOuterSpace(0);
    FGutterBevel.SetOuterOutline(TVrBevelOutlineStyle::osNone);
    FGutterBevel.OnChange = [this](TObject*) { RequestRepaint(); };
    FBitmapListLink.OnChange = [this](TVrSharedComponent*) {
        LoadThumb();
        RequestRepaint();
    };
    LoadThumb();
    SetBounds(Left(), Top(), 175, 45);
}

TVrTrackBar::~TVrTrackBar() { ReleaseCursorClip(); }

void TVrTrackBar::SetPosition(int value)
{
    value = std::min(std::max(value, FMinValue), FMaxValue);
    if (value == FPosition)
        return;
    FPosition = value;
    RequestRepaint();
    if (OnChange)
        OnChange(this);
}

void TVrTrackBar::SetMinValue(int value)
{
    if (value == FMinValue)
        return;
    FMinValue = value;
    if (value > FPosition)
        SetPosition(value);
    else
        RequestRepaint();
}

void TVrTrackBar::SetMaxValue(int value)
{
    if (value == FMaxValue)
        return;
    FMaxValue = value;
    if (value < FPosition)
        SetPosition(value);
    else
        RequestRepaint();
}

void TVrTrackBar::SetOrientation(TVrOrientation value)
{
    if (value == FOrientation)
        return;
    FOrientation = value;
    if (!IsLoading())
        SetBounds(Left(), Top(), Height(), Width());
    LoadThumb();
    RequestRepaint();
}

void TVrTrackBar::SetStyle(TVrProgressStyle value) { Change(FStyle, value); }
void TVrTrackBar::SetOptions(TVrTrackBarOptions value) { Change(FOptions, value); }
void TVrTrackBar::SetFrequency(int value) { Change(FFrequency, value); }
void TVrTrackBar::SetBorderWidth(int value) { Change(FBorderWidth, value); }
void TVrTrackBar::SetGutterWidth(int value) { Change(FGutterWidth, value); }
void TVrTrackBar::SetGutterColor(TColor value) { Change(FGutterColor, value); }
void TVrTrackBar::SetTickMarks(TVrTickMarks value) { Change(FTickMarks, value); }
void TVrTrackBar::SetTickColor(TColor value) { Change(FTickColor, value); }
void TVrTrackBar::SetBackImageIndex(int value) { Change(FBackImageIndex, value); }
void TVrTrackBar::SetScaleOffset(int value) { Change(FScaleOffset, value); }
void TVrTrackBar::SetFocusColor(TColor value) { Change(FFocusColor, value); }
void TVrTrackBar::SetFocusOffset(int value) { Change(FFocusOffset, value); }

void TVrTrackBar::SetThumbImageIndex(int value)
{
    if (value == FThumbImageIndex)
        return;
    FThumbImageIndex = value;
    LoadThumb();
    RequestRepaint();
}

void TVrTrackBar::SetThumbStates(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == FThumbStates)
        return;
    FThumbStates = value;
    if (!IsLoading())
        LoadThumb();
    RequestRepaint();
}

void TVrTrackBar::SetBitmapList(TVrBitmapList* value)
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

void TVrTrackBar::Notification(TComponent* component, TOperation operation)
{
    TVrCustomImageControl::Notification(component, operation);
    // The list has already dropped its links; only forget it and fall back to the built-in thumb.
    if (operation == opRemove && component == FBitmapList) {
        FBitmapList = nullptr;
        LoadThumb();
        RequestRepaint();
    }
}

void TVrTrackBar::Loaded()
{
    TVrCustomImageControl::Loaded();
    LoadThumb();
}

void TVrTrackBar::Resize()
{
    CentreThumb();
    RequestRepaint();
    TVrCustomImageControl::Resize();
}

TRect TVrTrackBar::InnerRect() const
{
    TRect inner = ClientRect();
    inner.Inflate(-FBorderWidth, -FBorderWidth);
    return inner;
}

int TVrTrackBar::TrackStart() const
{
    const TRect inner = InnerRect();
    return std::max(0, Horizontal() ? inner.left : inner.top);
}

int TVrTrackBar::TrackLength() const
{
    const TRect inner = InnerRect();
    return Horizontal() ? inner.Width() - FThumbWidth : inner.Height() - FThumbHeight;
}

int TVrTrackBar::ValueToPixel(int value) const
{
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    // An empty range puts every value at the start instead of dividing by zero.
    const long double ratio =
        range == 0 ? 0.0L : (static_cast<long double>(value) - FMinValue) / range;
    int pixel = TrackStart() + RoundEven(TrackLength() * ratio);
    const TRect inner = InnerRect();
    if (!Horizontal() && FStyle == TVrProgressStyle::psBottomLeft)
        pixel = inner.top + inner.bottom - pixel - FThumbHeight;
    else if (Horizontal() && FStyle == TVrProgressStyle::psTopRight)
        pixel = inner.left + inner.right - pixel - FThumbWidth;
    return pixel;
}

int TVrTrackBar::PixelToValue(int pixel) const
{
    if (!Horizontal())
        pixel = ClientHeight() - pixel - FThumbHeight;
    const int length = TrackLength();
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    // A track without room for the thumb to move reads as its minimum.
    int value = length == 0 ? 0 : RoundEven((pixel - TrackStart()) * range / length);
    if (FOptions.Contains(TVrTrackBarOption::toFixedPoints) && FFrequency != 0)
        value = RoundEven(static_cast<long double>(value) / FFrequency) * FFrequency;
    return std::min(std::max(value, 0) + FMinValue, FMaxValue);
}

TRect TVrTrackBar::ThumbRect() const
{
    return Bounds(FThumbLeft, FThumbTop, FThumbWidth, FThumbHeight);
}

void TVrTrackBar::LoadThumb()
{
    FThumbBitmap = TBitmap();
    if (FBitmapList)
        if (const TBitmap* picture = FBitmapList->GetBitmap(FThumbImageIndex))
            FThumbBitmap = *picture;
    if (FThumbBitmap.Empty())
        FThumbBitmap = LoadVrBitmapResource(Horizontal() ? "VRTB_HORI" : "VRTB_VERT");
    FThumbHeight = FThumbBitmap.Height();
    FThumbWidth = FThumbBitmap.Width() / FThumbStates;
    CentreThumb();
}

void TVrTrackBar::CentreThumb()
{
    if (Horizontal())
        FThumbTop = (Height() - FThumbHeight) / 2;
    else
        FThumbLeft = (Width() - FThumbWidth) / 2;
}

TRect TVrTrackBar::GutterRect() const
{
    if (Horizontal())
        return Bounds(FBorderWidth, (ClientHeight() - FGutterWidth) / 2,
                      ClientWidth() - 2 * FBorderWidth, FGutterWidth);
    return Bounds((ClientWidth() - FGutterWidth) / 2, FBorderWidth, FGutterWidth,
                  ClientHeight() - 2 * FBorderWidth);
}

void TVrTrackBar::Paint()
{
    ClearImage();
    TCanvas& canvas = ImageCanvas();
    const TBitmap* background = FBitmapList ? FBitmapList->GetBitmap(FBackImageIndex) : nullptr;
    if (background) {
        canvas.CopyRect(ClientRect(), *background, background->BoundsRect());
    } else {
        canvas.Brush.style = bsSolid;
        canvas.Brush.color = Color();
        canvas.FillRect(ClientRect());
    }
    canvas.Pen.color = FTickColor;
    TRect gutter = GutterRect();
    const bool topLeft =
        FTickMarks == TVrTickMarks::tmBoth || FTickMarks == TVrTickMarks::tmTopLeft;
    const bool bottomRight =
        FTickMarks == TVrTickMarks::tmBoth || FTickMarks == TVrTickMarks::tmBottomRight;
    if (topLeft)
        DrawTicks((Horizontal() ? gutter.top : gutter.left) - FScaleOffset, -4, -3);
    if (bottomRight)
        DrawTicks((Horizontal() ? gutter.bottom : gutter.right) + FScaleOffset, 4, 3);
    if (FGutterBevel.Visible()) {
        FGutterBevel.DrawBevel(canvas, gutter);
        canvas.Brush.style = bsSolid;
        canvas.Brush.color = FGutterColor;
        canvas.FillRect(gutter);
    }
    if (FHasFocus && FFocusOffset >= 0) {
        TRect frame = ClientRect();
        frame.Inflate(-FFocusOffset, -FFocusOffset);
        canvas.Brush.style = bsSolid;
        canvas.Brush.color = FFocusColor;
        canvas.FrameRect(frame);
    }
    (Horizontal() ? FThumbLeft : FThumbTop) = ValueToPixel(FPosition);
    DrawThumb();
    TVrCustomImageControl::Paint();
}

// The smallest multiple k of Frequency whose ticks lie at least 4 pixels apart (or as far
// apart as the track allows). Spacing only grows with k, so a bisection finds it.
int TVrTrackBar::TickStepMultiple() const
{
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    const int length = TrackLength();
    const auto spacingFits = [&](std::int64_t k) {
        const std::int64_t count =
            RoundEven64(range / (static_cast<long double>(k) * FFrequency)) + 1;
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

void TVrTrackBar::DrawTicks(int base, int endLength, int otherLength)
{
    // Ticks need a positive step between marks.
    if (FFrequency <= 0)
        return;
    TCanvas& canvas = ImageCanvas();
    const std::int64_t step = static_cast<std::int64_t>(TickStepMultiple()) * FFrequency;
    const long double range = static_cast<long double>(FMaxValue) - FMinValue;
    const std::int64_t count = RoundEven64(range / step) + 1;
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

void TVrTrackBar::DrawThumb()
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
    if (FOptions.Contains(TVrTrackBarOption::toThumbOpaque)) {
        canvas.CopyRect(ThumbRect(), FThumbBitmap, source);
        return;
    }
    TBitmap picture(FThumbWidth, FThumbHeight);
    picture.Canvas().CopyRect(picture.BoundsRect(), FThumbBitmap, source);
    picture.Transparent = true;
    picture.TransparentColor = FThumbBitmap.Pixel(0, FThumbBitmap.Height() - 1);
    canvas.Draw(FThumbLeft, FThumbTop, picture);
}

int TVrTrackBar::ValueAtPixel(int pixel) const
{
    const int value = PixelToValue(pixel);
    return FStyle == TVrProgressStyle::psTopRight ? FMaxValue - value + FMinValue : value;
}

void TVrTrackBar::MoveToPixel(int pixel)
{
    const int start = TrackStart();
    const int end = start + TrackLength();
    pixel = std::clamp(pixel, start, std::max(start, end));
    if (FOptions.Contains(TVrTrackBarOption::toFixedPoints))
        pixel = std::clamp(ValueToPixel(ValueAtPixel(pixel)), start, std::max(start, end));
    SetPosition(ValueAtPixel(pixel));
}

void TVrTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TVrCustomImageControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft)
        return;
    if (TabStop())
        SetFocus();
    if (ThumbRect().Contains({x, y})) {
        FDragging = true;
        FGrabOffset = Horizontal() ? x - FThumbLeft : y - FThumbTop;
        if (FOptions.Contains(TVrTrackBarOption::toMouseClip)) {
            const TPoint topLeft = ClientToScreen({0, 0});
            const TRect screen = Bounds(topLeft.x, topLeft.y, ClientWidth(), ClientHeight());
            CurrentBackend().ClipCursor(&screen);
            FCursorClipped = true;
        }
        RequestRepaint();
    } else if (FOptions.Contains(TVrTrackBarOption::toActiveClick)) {
        MoveToPixel(Horizontal() ? x - FThumbWidth / 2 : y - FThumbHeight / 2);
    }
}

void TVrTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    TVrCustomImageControl::MouseMove(shift, x, y);
    if (FDragging)
        MoveToPixel((Horizontal() ? x : y) - FGrabOffset);
    else
        UpdateThumbHot(x, y);
}

void TVrTrackBar::UpdateThumbHot(int x, int y)
{
    const bool overThumb = ThumbRect().Contains({x, y});
    if (overThumb == FThumbHot)
        return;
    FThumbHot = overThumb;
    RequestRepaint();
}

TCursor TVrTrackBar::CursorAt(TPoint client) const
{
    if (!IsDesigning() && FOptions.Contains(TVrTrackBarOption::toHandPoint) &&
        (FDragging || ThumbRect().Contains(client)))
        return crVrHandPoint;
    return TVrCustomImageControl::CursorAt(client);
}

void TVrTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TVrCustomImageControl::MouseUp(button, shift, x, y);
    if (FDragging) {
        FDragging = false;
        RequestRepaint();
    }
    ReleaseCursorClip();
}

void TVrTrackBar::ReleaseCursorClip()
{
    if (!FCursorClipped)
        return;
    CurrentBackend().ClipCursor(nullptr);
    FCursorClipped = false;
}

void TVrTrackBar::KeyDown(std::uint16_t& key, TShiftState shift)
{
    if ((shift & AnyModifierOrButton) == 0) {
        const int sign = FStyle == TVrProgressStyle::psTopRight ? -1 : 1;
        const int step = sign * FFrequency;
        if (key == VK_HOME)
            SetPosition(FMaxValue);
        else if (key == VK_END)
            SetPosition(FMinValue);
        else if (Horizontal() && key == VK_LEFT)
            SetPosition(FPosition - step);
        else if (Horizontal() && key == VK_RIGHT)
            SetPosition(FPosition + step);
        else if (!Horizontal() && key == VK_UP)
            SetPosition(FPosition + step);
        else if (!Horizontal() && key == VK_DOWN)
            SetPosition(FPosition - step);
    }
    TVrCustomImageControl::KeyDown(key, shift);
}

bool TVrTrackBar::WantsKey(std::uint16_t key, TShiftState) const
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void TVrTrackBar::DoEnter()
{
    TVrCustomImageControl::DoEnter();
    if (!FHasFocus) {
        FHasFocus = true;
        RequestRepaint();
    }
}

void TVrTrackBar::DoExit()
{
    TVrCustomImageControl::DoExit();
    if (FHasFocus) {
        FHasFocus = false;
        RequestRepaint();
    }
}

void TVrTrackBar::CMEnabledChanged()
{
    TVrCustomImageControl::CMEnabledChanged();
    RequestRepaint();
}
