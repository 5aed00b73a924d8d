// A 32-bit off-screen image, the surface every control and form draws into before one copy
// reaches the screen.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/color.h"
#include "gfx/geometry.h"

class TCanvas;

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap();

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    TRect BoundsRect() const { return {0, 0, FWidth, FHeight}; }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }
    // Keeps the pixels of the common part; new pixels are white, as a fresh platform bitmap.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }

    // Pixels outside the bitmap read as clNone and ignore writes.
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);
    // Row-major, top-down, Width() values per row, each 0x00BBGGRR.
    const std::uint32_t* Bits() const { return FBits.data(); }
    std::uint32_t* Bits() { return FBits.data(); }

    // The bitmap's own canvas: origin (0, 0), no clip rectangle beyond the bitmap.
    TCanvas& Canvas();

    // Where TransparentColor is clDefault, the bottom-left pixel is the transparent colour.
    TColor EffectiveTransparentColor() const;

    bool Transparent = false;
    TColor TransparentColor = clDefault;

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint32_t> FBits;
    std::unique_ptr<TCanvas> FCanvas;
};
