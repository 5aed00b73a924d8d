// Cursors: the X cursor font's shapes for the stock ids, and the program's own pictures as
// two-colour pixmap cursors (dark pixels black, light ones white, the transparent colour
// showing the screen), which every X server can show without extensions.
#include <X11/cursorfont.h>

#include "ui/x11/x11_backend.h"

namespace {

unsigned FontShapeOf(TCursor id)
{
    switch (id) {
    case crCross:
        return XC_crosshair;
    case crIBeam:
        return XC_xterm;
    case crHourGlass:
        return XC_watch;
    case crNo:
        return XC_X_cursor;
    case crHandPoint:
        return XC_hand2;
    case crSizeAll:
        return XC_fleur;
    default:
        return XC_left_ptr;
    }
}

bool Dark(std::uint32_t bgr)
{
    const unsigned r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    return r * 30 + g * 59 + b * 11 < 128 * 100;
}

}  // namespace

std::uintptr_t X11Backend::LoadStockCursor(TCursor id)
{
    auto [at, added] = FStockCursors.try_emplace(id, 0);
    if (!added)
        return at->second;
    if (id == crNone) {
        const TBitmap blank(1, 1);
        at->second = MakeCursor(blank, blank.Pixel(0, 0), {0, 0});
        FMadeCursors.pop_back();  // freed with the stock cursors
    } else {
        at->second = XCreateFontCursor(FDisplay, FontShapeOf(id));
    }
    return at->second;
}

std::uintptr_t X11Backend::MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot)
{
    if (image.Empty())
        return 0;
    const int width = image.Width(), height = image.Height();
    const int stride = (width + 7) / 8;
    std::vector<char> source(static_cast<std::size_t>(stride) * height);
    std::vector<char> mask(source.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = image.Pixel(x, y) & 0xFFFFFF;
            const auto bit = static_cast<char>(1 << (x % 8));
            if (transparent != clNone && pixel == (transparent & 0xFFFFFF))
                continue;
            mask[y * stride + x / 8] |= bit;
            if (Dark(pixel))
                source[y * stride + x / 8] |= bit;
        }
    const Pixmap sourceMap =
        XCreateBitmapFromData(FDisplay, FRoot, source.data(), static_cast<unsigned>(width),
                              static_cast<unsigned>(height));
    const Pixmap maskMap = XCreateBitmapFromData(
        FDisplay, FRoot, mask.data(), static_cast<unsigned>(width), static_cast<unsigned>(height));
    XColor black{}, white{};
    white.red = white.green = white.blue = 0xFFFF;
    const Cursor cursor =
        XCreatePixmapCursor(FDisplay, sourceMap, maskMap, &black, &white,
                            static_cast<unsigned>(std::clamp(hotSpot.x, 0, width - 1)),
                            static_cast<unsigned>(std::clamp(hotSpot.y, 0, height - 1)));
    XFreePixmap(FDisplay, sourceMap);
    XFreePixmap(FDisplay, maskMap);
    FMadeCursors.push_back(cursor);
    return cursor;
}

// On the window the pointer is over; 0 is the arrow.
void X11Backend::SetCursorShape(std::uintptr_t cursor)
{
    if (FPointerWindow == 0)
        return;
    XDefineCursor(FDisplay, FPointerWindow,
                  cursor != 0 ? static_cast<Cursor>(cursor) : LoadStockCursor(crArrow));
}
