// The toolkit keeps pixels as 0x00BBGGRR; a TrueColor visual says where its red, green and blue
// go, so the rows are rearranged once per put into a buffer that is kept between puts.
#include "ui/x11/x11_image.h"

#include <X11/Xutil.h>

#include <bit>
#include <cstdint>
#include <vector>

namespace {

struct TChannelShifts {
    int red = 16;
    int green = 8;
    int blue = 0;
};

int ShiftOf(unsigned long mask) { return mask == 0 ? 0 : std::countr_zero(mask); }

std::uint32_t ToVisual(std::uint32_t bgr, const TChannelShifts& shifts)
{
    const std::uint32_t r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    return (r << shifts.red) | (g << shifts.green) | (b << shifts.blue);
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
    const int width = dirty.Width(), height = dirty.Height();
    static thread_local std::vector<std::uint32_t> rows;
    rows.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* from = image.Bits() + (dirty.top + y) * image.Width() + dirty.left;
        std::uint32_t* to = rows.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x)
            to[x] = ToVisual(from[x], shifts);
    }
    XImage* ximage = XCreateImage(display, visual, depth, ZPixmap, 0,
                                  reinterpret_cast<char*>(rows.data()), width, height, 32, 0);
    if (ximage == nullptr)
        return false;
    XPutImage(display, target, gc, ximage, 0, 0, dirty.left, dirty.top, width, height);
    // The pixels belong to the kept buffer, not to the image.
    ximage->data = nullptr;
    XDestroyImage(ximage);
    return true;
}
