// Cursors: the X cursor font's shapes for the stock ids, and the program's own pictures as
// two-colour pixmap cursors (dark pixels black, light ones white, the transparent colour
// showing the screen), which every X server can show without extensions.
#include <X11/cursorfont.h>

#include <algorithm>
#include <utility>

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
    } else {
        LazyCursor font;
        font.fontShape = FontShapeOf(id);
        FCursors.push_back(std::move(font));
        at->second = FCursors.size();
    }
    return at->second;
}

std::uintptr_t X11Backend::MakeCursor(const TBitmap& image, TColor transparent, TPoint hotSpot)
{
    if (image.Empty())
        return 0;
    const int width = image.Width(), height = image.Height();
    const int stride = (width + 7) / 8;
    LazyCursor shape;
    shape.width = static_cast<unsigned>(width);
    shape.height = static_cast<unsigned>(height);
    shape.source.resize(static_cast<std::size_t>(stride) * height);
    shape.mask.resize(shape.source.size());
    shape.hotSpot = {std::clamp(hotSpot.x, 0, width - 1), std::clamp(hotSpot.y, 0, height - 1)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = image.Pixel(x, y) & 0xFFFFFF;
            const auto bit = static_cast<char>(1 << (x % 8));
            if (transparent != clNone && pixel == (transparent & 0xFFFFFF))
                continue;
            shape.mask[y * stride + x / 8] |= bit;
            if (Dark(pixel))
                shape.source[y * stride + x / 8] |= bit;
        }
    FCursors.push_back(std::move(shape));
    return FCursors.size();
}

// Making the first X cursor loads the cursor theme library and searches the themes: the start
// would wait for that, so each cursor is made when it is first shown.
Cursor X11Backend::CursorOf(std::uintptr_t handle)
{
    if (handle == 0 || handle > FCursors.size())
        return CursorOf(LoadStockCursor(crArrow));
    LazyCursor& shape = FCursors[handle - 1];
    if (shape.made != 0)
        return shape.made;
    if (shape.fontShape) {
        shape.made = XCreateFontCursor(FDisplay, *shape.fontShape);
        return shape.made;
    }
    const Pixmap source =
        XCreateBitmapFromData(FDisplay, FRoot, shape.source.data(), shape.width, shape.height);
    const Pixmap mask =
        XCreateBitmapFromData(FDisplay, FRoot, shape.mask.data(), shape.width, shape.height);
    XColor black{}, white{};
    white.red = white.green = white.blue = 0xFFFF;
    shape.made = XCreatePixmapCursor(FDisplay, source, mask, &black, &white,
                                     static_cast<unsigned>(shape.hotSpot.x),
                                     static_cast<unsigned>(shape.hotSpot.y));
    XFreePixmap(FDisplay, source);
    XFreePixmap(FDisplay, mask);
    return shape.made;
}

// On the window the pointer is over; 0 is the arrow.
void X11Backend::SetCursorShape(std::uintptr_t cursor)
{
    if (FPointerWindow == 0)
        return;
    XDefineCursor(FDisplay, FPointerWindow, CursorOf(cursor));
}
