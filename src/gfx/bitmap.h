// A 32-bit off-screen image, the surface every control and form draws into before one copy
// reaches the screen.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "gfx/color.h"
#include "gfx/geometry.h"

class TCanvas;

// Leaves new pixels uninitialised, so that a bitmap growing is not cleared twice: SetSize
// paints the new pixels white itself.
template <class T> struct TUninitialisedAllocator : std::allocator<T> {
    template <class U> struct rebind {
        using other = TUninitialisedAllocator<U>;
    };
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

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
    // Gives the pixels' memory back: the bitmap is empty, its other settings kept.
    void Release();

    // Sets the pixels of `area` (clipped to the bitmap) to the plain RGB value `rgb`.
    void Fill(const TRect& area, std::uint32_t rgb);

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
    using Pixels = std::vector<std::uint32_t, TUninitialisedAllocator<std::uint32_t>>;

    int FWidth = 0;
    int FHeight = 0;
    Pixels FBits;
    std::unique_ptr<TCanvas> FCanvas;
};

// Copies pixels a row at a time: `area` of `dest` receives the pixels of `source` whose
// top-left is `sourceAt`; whatever falls outside either bitmap is left out. Overlapping copies
// within one bitmap come out as if through a temporary, as BitBlt does.
void CopyPixels(TBitmap& dest, const TRect& area, const TBitmap& source, TPoint sourceAt);
