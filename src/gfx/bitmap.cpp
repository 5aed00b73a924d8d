// TBitmap storage: a top-down array of 0x00BBGGRR pixels and the bitmap's own canvas.
#include "gfx/bitmap.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "gfx/canvas.h"

namespace {

// Below this many pixels a row is cheaper to store pixel by pixel than to block-copy.
constexpr int kShortRow = 8;

// Fills one row by doubling what is already filled: a few block copies, not a store per pixel.
void FillRow(std::uint32_t* first, int count, std::uint32_t value)
{
    std::fill_n(first, std::min(count, kShortRow), value);
    for (int done = kShortRow; done < count;) {
        const int step = std::min(done, count - done);
        std::memcpy(first + done, first, static_cast<std::size_t>(step) * sizeof value);
        done += step;
    }
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other)
    : Transparent(other.Transparent), TransparentColor(other.TransparentColor),
      FWidth(other.FWidth), FHeight(other.FHeight), FBits(other.FBits)
{
}

TBitmap& TBitmap::operator=(const TBitmap& other)
{
    if (this != &other) {
        Transparent = other.Transparent;
        TransparentColor = other.TransparentColor;
        FWidth = other.FWidth;
        FHeight = other.FHeight;
        FBits = other.FBits;
    }
    return *this;
}

// The canvas stays with its bitmap: a moved-from bitmap keeps (and retargets) nothing.
TBitmap::TBitmap(TBitmap&& other) noexcept
    : Transparent(other.Transparent), TransparentColor(other.TransparentColor),
      FWidth(std::exchange(other.FWidth, 0)), FHeight(std::exchange(other.FHeight, 0)),
      FBits(std::move(other.FBits))
{
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept
{
    if (this != &other) {
        Transparent = other.Transparent;
        TransparentColor = other.TransparentColor;
        FWidth = std::exchange(other.FWidth, 0);
        FHeight = std::exchange(other.FHeight, 0);
        FBits = std::move(other.FBits);
    }
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::Release()
{
    Pixels().swap(FBits);
    FWidth = 0;
    FHeight = 0;
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight)
        return;
    const int keepH = std::min(height, FHeight);
    // Rows are contiguous, so a new height alone keeps every row where it is.
    if (width == FWidth) {
        FBits.resize(static_cast<std::size_t>(width) * height);
        FHeight = height;
        Fill({0, keepH, width, height}, clWhite);
        return;
    }
    Pixels bits(static_cast<std::size_t>(width) * height);
    const int keepW = std::min(width, FWidth);
    for (int y = 0; y < keepH; ++y)
        std::copy_n(FBits.begin() + static_cast<std::ptrdiff_t>(y) * FWidth, keepW,
                    bits.begin() + static_cast<std::ptrdiff_t>(y) * width);
    FBits = std::move(bits);
    const int oldWidth = FWidth;
    FWidth = width;
    FHeight = height;
    Fill({oldWidth, 0, width, keepH}, clWhite);
    Fill({0, keepH, width, height}, clWhite);
}

void TBitmap::Fill(const TRect& area, std::uint32_t rgb)
{
    const TRect r = area.Intersect(BoundsRect());
    if (r.IsEmpty())
        return;
    std::uint32_t* first = FBits.data() + static_cast<std::size_t>(r.top) * FWidth + r.left;
    if (r.Width() <= kShortRow) {
        for (int y = 0; y < r.Height(); ++y)
            std::fill_n(first + static_cast<std::ptrdiff_t>(y) * FWidth, r.Width(), rgb);
        return;
    }
    // One row is filled, the others copied from it.
    FillRow(first, r.Width(), rgb);
    for (int y = 1; y < r.Height(); ++y)
        std::memcpy(first + static_cast<std::ptrdiff_t>(y) * FWidth, first,
                    static_cast<std::size_t>(r.Width()) * sizeof(std::uint32_t));
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight)
        return clNone;
    return FBits[static_cast<std::size_t>(y) * FWidth + x];
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (x < 0 || y < 0 || x >= FWidth || y >= FHeight)
        return;
    FBits[static_cast<std::size_t>(y) * FWidth + x] = ColorToRGB(color);
}

TCanvas& TBitmap::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TCanvas>(*this);
    return *FCanvas;
}

TColor TBitmap::EffectiveTransparentColor() const
{
    if (TransparentColor != clDefault)
        return ColorToRGB(TransparentColor);
    return FHeight > 0 ? Pixel(0, FHeight - 1) : clNone;
}

void CopyPixels(TBitmap& dest, const TRect& area, const TBitmap& source, TPoint sourceAt)
{
    const int shiftX = sourceAt.x - area.left;
    const int shiftY = sourceAt.y - area.top;
    const TRect to =
        area.Intersect(dest.BoundsRect()).Intersect(source.BoundsRect().Offset(-shiftX, -shiftY));
    if (to.IsEmpty())
        return;
    const std::size_t rowBytes = static_cast<std::size_t>(to.Width()) * sizeof(std::uint32_t);
    const auto copyRow = [&](int y) {
        const std::uint32_t* from = source.Bits() +
                                    static_cast<std::ptrdiff_t>(y + shiftY) * source.Width() +
                                    (to.left + shiftX);
        std::memmove(dest.Bits() + static_cast<std::ptrdiff_t>(y) * dest.Width() + to.left, from,
                     rowBytes);
    };
    // Within one bitmap, a copy downwards must start at the bottom so no row is read after
    // it was overwritten.
    if (&dest == &source && shiftY < 0) {
        for (int y = to.bottom - 1; y >= to.top; --y)
            copyRow(y);
    } else {
        for (int y = to.top; y < to.bottom; ++y)
            copyRow(y);
    }
}
