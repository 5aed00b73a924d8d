// TBitmap storage: a top-down array of 0x00BBGGRR pixels and the bitmap's own canvas.
#include "gfx/bitmap.h"

#include <algorithm>
#include <utility>

#include "gfx/canvas.h"

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

void TBitmap::SetSize(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight)
        return;
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height, clWhite);
    const int keepW = std::min(width, FWidth);
    const int keepH = std::min(height, FHeight);
    for (int y = 0; y < keepH; ++y)
        std::copy_n(FBits.begin() + static_cast<std::ptrdiff_t>(y) * FWidth, keepW,
                    bits.begin() + static_cast<std::ptrdiff_t>(y) * width);
    FBits = std::move(bits);
    FWidth = width;
    FHeight = height;
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
