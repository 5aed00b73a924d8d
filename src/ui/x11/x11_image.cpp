// The toolkit keeps pixels as 0x00BBGGRR; a TrueColor visual says where its red, green and blue
// go, so the rows are rearranged per put, a band at a time through a small buffer kept between
// puts: a buffer for the whole window would cost as much memory as the window's picture.
#include "ui/x11/x11_image.h"

#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace {

// Pixels converted per band: 64 KiB, a few requests' worth of the X connection's buffer.
constexpr int kBandPixels = 16384;

struct TChannelShifts {
    int red = 16;
    int green = 8;
    int blue = 0;

    friend bool operator==(const TChannelShifts&, const TChannelShifts&) = default;
};

int ShiftOf(unsigned long mask) { return mask == 0 ? 0 : std::countr_zero(mask); }

std::uint32_t ToVisual(std::uint32_t bgr, const TChannelShifts& shifts)
{
    const std::uint32_t r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    return (r << shifts.red) | (g << shifts.green) | (b << shifts.blue);
}

// Red and blue swapped, as nearly every TrueColor visual wants it. Four pixels a step, so the
// compiler turns each step into a few vector instructions: a refresh presents the whole window,
// and the general conversion takes over twenty instructions a pixel.
std::uint32_t SwappedRedAndBlue(std::uint32_t p)
{
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

void SwapRedAndBlue(const std::uint32_t* __restrict from, int count, std::uint32_t* __restrict to)
{
    int x = 0;
    for (; x + 4 <= count; x += 4)
        for (int k = 0; k < 4; ++k)
            to[x + k] = SwappedRedAndBlue(from[x + k]);
    for (; x < count; ++x)
        to[x] = SwappedRedAndBlue(from[x]);
}

// The pixels of `area` in the visual's layout, row after row.
void ConvertRows(const TBitmap& image, TRect area, const TChannelShifts& shifts, std::uint32_t* to)
{
    const bool swap = shifts == TChannelShifts{};
    for (int y = area.top; y < area.bottom; ++y, to += area.Width()) {
        const std::uint32_t* from = image.Bits() + y * image.Width() + area.left;
        if (swap) {
            SwapRedAndBlue(from, area.Width(), to);
            continue;
        }
        for (int x = 0; x < area.Width(); ++x)
            to[x] = ToVisual(from[x], shifts);
    }
}

}  // namespace

bool PutBitmap(Display* display, Drawable target, GC gc, const TBitmap& image, TRect dirty)
{
    dirty = dirty.Intersect(image.BoundsRect());
    Visual* visual = DefaultVisual(display, DefaultScreen(display));
    const int depth = DefaultDepth(display, DefaultScreen(display));
    if (dirty.IsEmpty() || visual->c_class != TrueColor || (depth != 24 && depth != 32))
        return false;
    const TChannelShifts shifts{ShiftOf(visual->red_mask), ShiftOf(visual->green_mask),
                                ShiftOf(visual->blue_mask)};
    const int width = dirty.Width();
    const int band = std::max(1, kBandPixels / width);
    // Grown, never shrunk: presents of a small part and of the whole window take turns.
    static thread_local std::vector<std::uint32_t> rows;
    rows.resize(
        std::max(rows.size(), static_cast<std::size_t>(width) * std::min(band, dirty.Height())));
    for (int top = dirty.top; top < dirty.bottom; top += band) {
        const int height = std::min(band, dirty.bottom - top);
        ConvertRows(image, {dirty.left, top, dirty.right, top + height}, shifts, rows.data());
        XImage* ximage = XCreateImage(display, visual, depth, ZPixmap, 0,
                                      reinterpret_cast<char*>(rows.data()), width, height, 32, 0);
        if (ximage == nullptr)
            return false;
        XPutImage(display, target, gc, ximage, 0, 0, dirty.left, top, width, height);
        // The pixels belong to the kept buffer, not to the image.
        ximage->data = nullptr;
        XDestroyImage(ximage);
    }
    return true;
}
