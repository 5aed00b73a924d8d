// TCanvas shapes, pixels and bitmap copies with GDI's pixel rules (see canvas.h).
#include "gfx/canvas.h"

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

#include "gfx/line_raster.h"

namespace {

constexpr TRect NoClip{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2};

// SetROP2: the mode's number is a truth table over (pen bit, destination bit).
std::uint32_t Mix(TPenMode mode, std::uint32_t pen, std::uint32_t dst)
{
    const unsigned table = static_cast<unsigned>(mode);
    std::uint32_t out = 0;
    if (table & 1)
        out |= ~pen & ~dst;
    if (table & 2)
        out |= ~pen & dst;
    if (table & 4)
        out |= pen & ~dst;
    if (table & 8)
        out |= pen & dst;
    return out & 0xFFFFFF;
}

// On/off run lengths of the cosmetic pen styles, as GDI draws them.
std::span<const int> DashPattern(TPenStyle style)
{
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case TPenStyle::psDash:
        return dash;
    case TPenStyle::psDot:
        return dot;
    case TPenStyle::psDashDot:
        return dashDot;
    case TPenStyle::psDashDotDot:
        return dashDotDot;
    default:
        return {};
    }
}

bool DashOn(std::span<const int> pattern, int pos)
{
    int period = 0;
    for (int run : pattern)
        period += run;
    pos %= period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pos < pattern[i])
            return i % 2 == 0;
        pos -= pattern[i];
    }
    return true;
}

TRect Normalized(TRect r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

// The pixels of a horizontal or vertical line, its end pixel left out.
TRect AxisLine(TPoint from, TPoint to)
{
    if (from.y == to.y)
        return from.x <= to.x ? TRect{from.x, from.y, to.x, from.y + 1}
                              : TRect{to.x + 1, from.y, from.x + 1, from.y + 1};
    return from.y <= to.y ? TRect{from.x, from.y, from.x + 1, to.y}
                          : TRect{from.x, to.y + 1, from.x + 1, from.y + 1};
}

}  // namespace

TCanvas::TCanvas(TBitmap& target) : FTarget(&target), FClip(NoClip) { }

void TCanvas::ResetClipRect() { FClip = NoClip; }

TRect TCanvas::DeviceClip() const { return FClip.Intersect(FTarget->BoundsRect()); }

void TCanvas::PutPixel(int x, int y, TColor rgb, TPenMode mode, const TRect& clip)
{
    if (!clip.Contains({x, y}))
        return;
    std::uint32_t& dst = FTarget->Bits()[static_cast<std::size_t>(y) * FTarget->Width() + x];
    dst = mode == TPenMode::pmCopy ? rgb : Mix(mode, rgb, dst);
}

void TCanvas::FillDevice(TRect r, TColor rgb, TPenMode mode)
{
    r = r.Intersect(DeviceClip());
    if (mode == TPenMode::pmCopy) {
        FTarget->Fill(r, rgb);
        return;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint32_t* row = FTarget->Bits() + static_cast<std::size_t>(y) * FTarget->Width();
        for (int x = r.left; x < r.right; ++x)
            row[x] = Mix(mode, rgb, row[x]);
    }
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.style == TBrushStyle::bsClear)
        return;
    FillDevice(Normalized(r).Offset(FOrigin.x, FOrigin.y), ColorToRGB(Brush.color),
               TPenMode::pmCopy);
}

void TCanvas::FillColumns(const TRect& rect, std::span<const TColor> columnColors)
{
    TRect device = Normalized(rect).Offset(FOrigin.x, FOrigin.y);
    if (columnColors.size() < static_cast<std::size_t>(std::max(device.Width(), 0)))
        device.right = device.left + static_cast<int>(columnColors.size());
    const TRect visible = device.Intersect(DeviceClip());
    if (visible.IsEmpty())
        return;
    // Resolved once, then every row is one copy of the same span.
    std::vector<std::uint32_t> span(static_cast<std::size_t>(visible.Width()));
    const std::size_t first = static_cast<std::size_t>(visible.left - device.left);
    for (std::size_t i = 0; i < span.size(); ++i)
        span[i] = ColorToRGB(columnColors[first + i]);
    for (int y = visible.top; y < visible.bottom; ++y)
        std::copy(span.begin(), span.end(),
                  FTarget->Bits() + static_cast<std::size_t>(y) * FTarget->Width() + visible.left);
}

void TCanvas::FrameRect(const TRect& rect)
{
    const TRect r = Normalized(rect);
    if (r.IsEmpty() || Brush.style == TBrushStyle::bsClear)
        return;
    const TColor rgb = ColorToRGB(Brush.color);
    const auto fill = [&](TRect part) {
        FillDevice(part.Offset(FOrigin.x, FOrigin.y), rgb, TPenMode::pmCopy);
    };
    fill({r.left, r.top, r.right, r.top + 1});
    fill({r.left, r.bottom - 1, r.right, r.bottom});
    fill({r.left, r.top + 1, r.left + 1, r.bottom - 1});
    fill({r.right - 1, r.top + 1, r.right, r.bottom - 1});
}

void TCanvas::StrokeSegment(TPoint from, TPoint to, int& dashPos)
{
    const TRect clip = DeviceClip();
    const TColor penRgb = ColorToRGB(Pen.color);
    const bool opaqueGaps =
        FBkMode == TBackgroundMode::bkOpaque && Brush.style == TBrushStyle::bsSolid;
    const TColor gapRgb = ColorToRGB(Brush.color);
    // GDI turns a styled pen wider than one pixel into a solid one.
    const int width = std::max(Pen.width, 1);
    const auto pattern = width > 1 ? std::span<const int>{} : DashPattern(Pen.style);
    // Frames and bevels are mostly solid thin lines along an axis: one fill each.
    if (width == 1 && pattern.empty() && (from.x == to.x || from.y == to.y)) {
        FillDevice(AxisLine(from, to), penRgb, Pen.mode);
        return;
    }
    RasterizeLine(from, to, [&](int x, int y) {
        const bool on = pattern.empty() || DashOn(pattern, dashPos);
        ++dashPos;
        if (!on && !opaqueGaps)
            return;
        const TColor rgb = on ? penRgb : gapRgb;
        if (width == 1) {
            PutPixel(x, y, rgb, Pen.mode, clip);
            return;
        }
        const int lo = -(width - 1) / 2;
        for (int dy = lo; dy < lo + width; ++dy)
            for (int dx = lo; dx < lo + width; ++dx)
                PutPixel(x + dx, y + dy, rgb, Pen.mode, clip);
    });
}

void TCanvas::StrokePath(std::span<const TPoint> logicalPoints)
{
    if (Pen.style == TPenStyle::psClear || logicalPoints.size() < 2)
        return;
    int dashPos = 0;
    for (std::size_t i = 1; i < logicalPoints.size(); ++i) {
        const TPoint a{logicalPoints[i - 1].x + FOrigin.x, logicalPoints[i - 1].y + FOrigin.y};
        const TPoint b{logicalPoints[i].x + FOrigin.x, logicalPoints[i].y + FOrigin.y};
        StrokeSegment(a, b, dashPos);
    }
}

void TCanvas::MoveTo(int x, int y) { FPenPos = {x, y}; }

void TCanvas::LineTo(int x, int y)
{
    const std::array<TPoint, 2> path{FPenPos, TPoint{x, y}};
    StrokePath(path);
    FPenPos = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points) { StrokePath(points); }

void TCanvas::Rectangle(const TRect& rect)
{
    const TRect r = Normalized(rect);
    if (r.IsEmpty())
        return;
    const TColor brushRgb = ColorToRGB(Brush.color);
    const TRect device = TRect(r).Offset(FOrigin.x, FOrigin.y);
    // Without an outline GDI fills one pixel less to the right and bottom.
    if (Pen.style == TPenStyle::psClear) {
        if (Brush.style == TBrushStyle::bsSolid)
            FillDevice({device.left, device.top, device.right - 1, device.bottom - 1}, brushRgb,
                       Pen.mode);
        return;
    }
    if (Brush.style == TBrushStyle::bsSolid)
        FillDevice({device.left + 1, device.top + 1, device.right - 1, device.bottom - 1}, brushRgb,
                   Pen.mode);
    // A one-pixel-thin rectangle is a single bar; the closed walk would touch it twice.
    if (r.Width() == 1 || r.Height() == 1) {
        const std::array<TPoint, 2> bar{
            TPoint{r.left, r.top},
            TPoint{r.Height() == 1 ? r.right : r.left, r.Width() == 1 ? r.bottom : r.top}};
        StrokePath(bar);
        return;
    }
    // Counter-clockwise from the top-right corner, as GDI walks it (it matters for dashes).
    const std::array<TPoint, 5> outline{
        TPoint{r.right - 1, r.top}, TPoint{r.left, r.top}, TPoint{r.left, r.bottom - 1},
        TPoint{r.right - 1, r.bottom - 1}, TPoint{r.right - 1, r.top}};
    StrokePath(outline);
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    const TRect r = Normalized(rect).Offset(FOrigin.x, FOrigin.y);
    if (r.IsEmpty())
        return;
    const TRect clip = DeviceClip();
    // A checkerboard aligned to the bitmap: every other border pixel is inverted.
    const auto invert = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            PutPixel(x, y, clWhite, TPenMode::pmXor, clip);
    };
    for (int x = r.left; x < r.right; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 > r.top)
            invert(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        invert(r.left, y);
        if (r.right - 1 > r.left)
            invert(r.right - 1, y);
    }
}

TColor TCanvas::Pixel(int x, int y) const
{
    const TPoint p{x + FOrigin.x, y + FOrigin.y};
    return DeviceClip().Contains(p) ? FTarget->Pixel(p.x, p.y) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    PutPixel(x + FOrigin.x, y + FOrigin.y, ColorToRGB(color), TPenMode::pmCopy, DeviceClip());
}

void TCanvas::Draw(int x, int y, const TBitmap& source)
{
    const TRect dest = Bounds(x + FOrigin.x, y + FOrigin.y, source.Width(), source.Height())
                           .Intersect(DeviceClip());
    if (!source.Transparent) {
        CopyPixels(*FTarget, dest, source, {dest.left - x - FOrigin.x, dest.top - y - FOrigin.y});
        return;
    }
    // Row by row: `dest` lies inside the source, so no pixel needs its own bounds check.
    const TColor key = source.EffectiveTransparentColor();
    const int fromX = dest.left - x - FOrigin.x;
    for (int dy = dest.top; dy < dest.bottom; ++dy) {
        const std::uint32_t* from =
            source.Bits() + static_cast<std::size_t>(dy - y - FOrigin.y) * source.Width() + fromX;
        std::uint32_t* to = FTarget->Bits() + static_cast<std::size_t>(dy) * FTarget->Width();
        for (int dx = dest.left; dx < dest.right; ++dx, ++from)
            if (*from != key)
                to[dx] = *from;
    }
}

void TCanvas::CopyRect(const TRect& destRect, const TBitmap& source, const TRect& sourceRect)
{
    const TRect dest = Normalized(destRect).Offset(FOrigin.x, FOrigin.y);
    const TRect src = Normalized(sourceRect);
    if (dest.IsEmpty() || src.IsEmpty())
        return;
    const TRect visible = dest.Intersect(DeviceClip());
    if (dest.Width() == src.Width() && dest.Height() == src.Height()) {
        CopyPixels(*FTarget, visible, source,
                   {src.left + visible.left - dest.left, src.top + visible.top - dest.top});
        return;
    }
    for (int dy = visible.top; dy < visible.bottom; ++dy) {
        const int sy = src.top + static_cast<int>(static_cast<long long>(dy - dest.top) *
                                                  src.Height() / dest.Height());
        for (int dx = visible.left; dx < visible.right; ++dx) {
            const int sx = src.left + static_cast<int>(static_cast<long long>(dx - dest.left) *
                                                       src.Width() / dest.Width());
            const TColor c = source.Pixel(sx, sy);
            if (c != clNone)
                FTarget->Bits()[static_cast<std::size_t>(dy) * FTarget->Width() + dx] = c;
        }
    }
}
