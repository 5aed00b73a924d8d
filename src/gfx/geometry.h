// Points, sizes and half-open rectangles in pixels, the coordinate vocabulary of gfx and ui.
#pragma once

#include <algorithm>
#include <climits>

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Covers x in [left, right) and y in [top, bottom), like a Win32 RECT.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(TPoint p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    TPoint TopLeft() const { return {left, top}; }
    TPoint BottomRight() const { return {right, bottom}; }

    TRect& Offset(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    // Grows every side outwards by dx / dy (negative values shrink), like InflateRect.
    TRect& Inflate(int dx, int dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
        return *this;
    }
    // The common part; an empty intersection is the all-zero rectangle, as IntersectRect gives.
    TRect Intersect(const TRect& o) const
    {
        TRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
        return r.IsEmpty() ? TRect{} : r;
    }

    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
// Right and bottom stop at the largest int: a window placed near the end of the coordinate
// range (a settings file may say so) keeps a valid rectangle instead of wrapping around.
inline TRect Bounds(int left, int top, int width, int height)
{
    const auto end = [](int from, int extent) {
        return static_cast<int>(
            std::clamp<long long>(static_cast<long long>(from) + extent, INT_MIN, INT_MAX));
    };
    return {left, top, end(left, width), end(top, height)};
}
