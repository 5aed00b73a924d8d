// The gauge family's shared base: change notification, bevel rings, palettes, the control
// bases with their image buffers, the shared bitmap list and the percentage arithmetic.
#include "controls/gauge_base.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "controls/gauge_resources.h"
#include "gfx/bitmap_stream.h"
#include "ui/application.h"
#include "ui/backend.h"
#include "ui/errors.h"

void TGaugePersistent::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    NotifyChange();
}

void TGaugePersistent::NotifyChange()
{
    if (FUpdateCount == 0 && OnChange)
        OnChange(this);
}

template <class T> void TBevel::Change(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    NotifyChange();
}

void TBevel::SetBorderWidth(int value) { Change(FBorderWidth, std::max(value, 0)); }
void TBevel::SetBorderColor(TColor value) { Change(FBorderColor, value); }
void TBevel::SetOuterOutline(TBevelOutlineStyle value) { Change(FOuterOutline, value); }
void TBevel::SetOuterStyle(TBevelStyle value) { Change(FOuterStyle, value); }
void TBevel::SetOuterWidth(int value) { Change(FOuterWidth, std::max(value, 1)); }
void TBevel::SetOuterShadow(TColor value) { Change(FOuterShadow, value); }
void TBevel::SetOuterHighlight(TColor value) { Change(FOuterHighlight, value); }
void TBevel::SetOuterSpace(int value) { Change(FOuterSpace, std::max(value, 0)); }
void TBevel::SetOuterColor(TColor value) { Change(FOuterColor, value); }
void TBevel::SetInnerOutline(TBevelOutlineStyle value) { Change(FInnerOutline, value); }
void TBevel::SetInnerStyle(TBevelStyle value) { Change(FInnerStyle, value); }
void TBevel::SetInnerWidth(int value) { Change(FInnerWidth, std::max(value, 1)); }
void TBevel::SetInnerShadow(TColor value) { Change(FInnerShadow, value); }
void TBevel::SetInnerHighlight(TColor value) { Change(FInnerHighlight, value); }
void TBevel::SetInnerSpace(int value) { Change(FInnerSpace, std::max(value, 0)); }
void TBevel::SetInnerColor(TColor value) { Change(FInnerColor, value); }
void TBevel::SetVisible(bool value) { Change(FVisible, value); }

void TBevel::Assign(const TBevel& source)
{
    BeginUpdate();
    SetBorderWidth(source.FBorderWidth);
    SetBorderColor(source.FBorderColor);
    SetOuterOutline(source.FOuterOutline);
    SetOuterStyle(source.FOuterStyle);
    SetOuterWidth(source.FOuterWidth);
    SetOuterShadow(source.FOuterShadow);
    SetOuterHighlight(source.FOuterHighlight);
    SetOuterSpace(source.FOuterSpace);
    SetOuterColor(source.FOuterColor);
    SetInnerOutline(source.FInnerOutline);
    SetInnerStyle(source.FInnerStyle);
    SetInnerWidth(source.FInnerWidth);
    SetInnerShadow(source.FInnerShadow);
    SetInnerHighlight(source.FInnerHighlight);
    SetInnerSpace(source.FInnerSpace);
    SetInnerColor(source.FInnerColor);
    SetVisible(source.FVisible);
    EndUpdate();
}

namespace {

void DrawFlatRing(TCanvas& canvas, TRect& rect, TColor color, int width)
{
    DrawFrame3D(canvas, rect, color, color, width);
}

void DrawOutline(TCanvas& canvas, TRect& rect) { DrawFlatRing(canvas, rect, clBlack, 1); }

void DrawStyledRing(TCanvas& canvas, TRect& rect, TBevelStyle style, TColor highlight,
                    TColor shadow, int width)
{
    if (style == TBevelStyle::bsRaised)
        DrawFrame3D(canvas, rect, highlight, shadow, width);
    else if (style == TBevelStyle::bsLowered)
        DrawFrame3D(canvas, rect, shadow, highlight, width);
}

}  // namespace

void TBevel::DrawBevel(TCanvas& canvas, TRect& rect) const
{
    if (!FVisible)
        return;
    DrawFlatRing(canvas, rect, FBorderColor, FBorderWidth);
    if (FOuterOutline == TBevelOutlineStyle::osOuter)
        DrawOutline(canvas, rect);
    DrawStyledRing(canvas, rect, FOuterStyle, FOuterHighlight, FOuterShadow, FOuterWidth);
    if (FOuterOutline == TBevelOutlineStyle::osInner)
        DrawOutline(canvas, rect);
    DrawFlatRing(canvas, rect, FOuterColor, FOuterSpace);
    if (FInnerOutline == TBevelOutlineStyle::osOuter)
        DrawOutline(canvas, rect);
    DrawStyledRing(canvas, rect, FInnerStyle, FInnerHighlight, FInnerShadow, FInnerWidth);
    if (FInnerOutline == TBevelOutlineStyle::osInner)
        DrawOutline(canvas, rect);
    DrawFlatRing(canvas, rect, FInnerColor, FInnerSpace);
}

namespace {

// Ring and percentage arithmetic stops with the toolkit's overflow error rather than wrapping.
int CheckedInt(long double value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw EIntOverflow();
    return static_cast<int>(value);
}

}  // namespace

int TBevel::TotalWidth() const
{
    if (!FVisible)
        return 0;
    long long total = static_cast<long long>(FBorderWidth) + FInnerSpace + FOuterSpace;
    if (FInnerOutline != TBevelOutlineStyle::osNone)
        ++total;
    if (FOuterOutline != TBevelOutlineStyle::osNone)
        ++total;
    if (FInnerStyle != TBevelStyle::bsNone)
        total += FInnerWidth;
    if (FOuterStyle != TBevelStyle::bsNone)
        total += FOuterWidth;
    return CheckedInt(total);
}

void TBevel::ShrinkToInterior(TRect& rect) const
{
    const long long total = TotalWidth();
    rect = TRect{CheckedInt(rect.left + total), CheckedInt(rect.top + total),
                 CheckedInt(rect.right - total), CheckedInt(rect.bottom - total)};
}

void TGaugePalette::SetLow(TColor value)
{
    if (FLow == value)
        return;
    FLow = value;
    NotifyChange();
}

void TGaugePalette::SetHigh(TColor value)
{
    if (FHigh == value)
        return;
    FHigh = value;
    NotifyChange();
}

void TGaugePalette::Assign(const TGaugePalette& source)
{
    BeginUpdate();
    SetLow(source.FLow);
    SetHigh(source.FHigh);
    EndUpdate();
}

void DrawFrame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width)
{
    canvas.Pen.width = 1;
    // The edges become inclusive for the ring drawing and get their pixel back at the end.
    --rect.right;
    --rect.bottom;
    for (int ring = 0; ring < width; ++ring) {
        canvas.Pen.color = topColor;
        const TPoint topLeft[] = {
            {rect.left, rect.bottom}, {rect.left, rect.top}, {rect.right, rect.top}};
        canvas.Polyline(topLeft);
        canvas.Pen.color = bottomColor;
        const TPoint bottomRight[] = {
            {rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left - 1, rect.bottom}};
        canvas.Polyline(bottomRight);
        rect.Inflate(-1, -1);
    }
    ++rect.right;
    ++rect.bottom;
}

int PercentOf(int percent, int whole)
{
    // 0.01L is a little below 0.01, so exact percentages of round numbers can come out one low.
    constexpr long double onePercent = 0.01L;
    const long double share = percent * onePercent;
    const long double result = std::trunc(whole * share);
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max())
        throw ERangeError();
    return static_cast<int>(result);
}

int PercentOfValue(int value, int whole)
{
    if (whole == 0)
        return 0;
    return CheckedInt(std::trunc(value * 100.0L / whole));
}

void RegisterGaugeCursors()
{
    std::uintptr_t& handle = Screen().Cursors(crGaugeHandPoint);
    if (handle != 0)
        return;
    const TCursorResource& hand = LoadGaugeCursor("VRCURSORHANDPOINT");
    const TBitmap picture = CursorPicture(hand);
    handle = CurrentBackend().MakeCursor(picture, picture.TransparentColor, hand.hotSpot);
    // A platform that cannot make it still shows a hand: its own.
    if (handle == 0)
        handle = CurrentBackend().LoadStockCursor(crHandPoint);
}

template <class TBase> void TGaugeControl<TBase>::RequestRepaint()
{
    if (!IsLoading())
        this->Repaint();
}

template <class TBase> void TGaugeImageControl<TBase>::ClearImage()
{
    FImage.SetSize(this->Width(), this->Height());
    TCanvas& canvas = FImage.Canvas();
    canvas.Brush.style = TBrushStyle::bsSolid;
    canvas.Brush.color = this->Color();
    canvas.FillRect(FImage.BoundsRect());
}

// Puts the finished picture on the control's screen canvas in one copy.
template <class TBase> void TGaugeImageControl<TBase>::Paint()
{
    const TRect area{0, 0, this->Width(), this->Height()};
    this->Canvas().CopyRect(area, FImage, area);
}

template class TGaugeControl<TGraphicControl>;
template class TGaugeControl<TCustomControl>;
template class TGaugeImageControl<TGraphicControl>;
template class TGaugeImageControl<TCustomControl>;

TChangeLink::~TChangeLink()
{
    if (FSender)
        FSender->RemoveLink(*this);
}

TSharedComponent::~TSharedComponent()
{
    while (!FLinks.empty())
        RemoveLink(*FLinks.back());
}

void TSharedComponent::InsertLink(TChangeLink& link)
{
    link.FSender = this;
    FLinks.push_back(&link);
}

void TSharedComponent::RemoveLink(TChangeLink& link)
{
    const auto found = std::find(FLinks.begin(), FLinks.end(), &link);
    if (found == FLinks.end())
        return;
    link.FSender = nullptr;
    FLinks.erase(found);
}

void TSharedComponent::NotifyLinks()
{
    // A handler may unregister its link, so walk a copy.
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (link->OnChange)
            link->OnChange(link->FSender);
}

const TBitmap* TGaugeBitmaps::Bitmap(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &FBitmaps[static_cast<std::size_t>(index)];
}

void TGaugeBitmaps::Add(const TBitmap& bitmap)
{
    FBitmaps.push_back(bitmap);
    NotifyChange();
}

void TGaugeBitmaps::Clear()
{
    BeginUpdate();
    FBitmaps.clear();
    EndUpdate();
}

namespace {

constexpr std::uint32_t kBitmapsSignature = 0x00355462;

void PutU32(std::ostream& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.put(static_cast<char>((value >> shift) & 0xFF));
}

// Any short read of the list's own header is the same failure as a wrong signature.
std::uint32_t GetU32(std::istream& in)
{
    unsigned char bytes[4];
    if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes))
        throw EInvalidGraphic("Invalid file format");
    return bytes[0] | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) |
           (std::uint32_t{bytes[3]} << 24);
}

std::vector<TBitmap> ReadBitmaps(std::istream& in)
{
    if (GetU32(in) != kBitmapsSignature)
        throw EInvalidGraphic("Invalid file format");
    const auto count = static_cast<std::int32_t>(GetU32(in));
    if (count < 0)
        throw EInvalidGraphic("Invalid file format");
    std::vector<TBitmap> bitmaps;
    for (std::int32_t i = 0; i < count; ++i)
        bitmaps.push_back(ReadBitmapStream(in));
    return bitmaps;
}

}  // namespace

void TGaugeBitmaps::LoadFromStream(std::istream& in)
{
    BeginUpdate();
    FBitmaps.clear();
    try {
        FBitmaps = ReadBitmaps(in);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TGaugeBitmaps::SaveToStream(std::ostream& out) const
{
    PutU32(out, kBitmapsSignature);
    PutU32(out, static_cast<std::uint32_t>(Count()));
    for (const TBitmap& bitmap : FBitmaps)
        WriteBitmapStream(out, bitmap);
}

TBitmapList::TBitmapList(TComponent* owner) : TSharedComponent(owner)
{
    FBitmaps.OnChange = [this](TObject*) {
        NotifyLinks();
        if (OnChange)
            OnChange(this);
    };
}
