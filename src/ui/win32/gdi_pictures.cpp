// The toolkit's pictures as GDI objects: DIB sections for blits and menus, icons and cursors
// with their see-through masks.
#include "ui/win32/win32_internal.h"

#include <algorithm>

#include "ui/icon.h"

namespace win32ui {

std::vector<std::uint32_t> DibPixels(const TBitmap& image)
{
    std::vector<std::uint32_t> out;
    DibPixels(image, image.BoundsRect(), out);
    return out;
}

void DibPixels(const TBitmap& image, TRect part, std::vector<std::uint32_t>& out)
{
    const std::size_t count = static_cast<std::size_t>(part.Width()) * part.Height();
    if (out.size() < count)
        out.resize(count);
    auto to = out.begin();
    for (int y = part.top; y < part.bottom; ++y) {
        const std::uint32_t* in = image.Bits() + static_cast<std::size_t>(y) * image.Width();
        for (int x = part.left; x < part.right; ++x) {
            const std::uint32_t p = in[x];
            *to++ = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
        }
    }
}

HBITMAP MakeDib(const TBitmap& image)
{
    BITMAPINFO info = sw::DibHeader(image.Width(), image.Height());
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib != nullptr) {
        std::vector<std::uint32_t> pixels = DibPixels(image);
        std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    }
    return dib;
}

// An icon, or a cursor with its hot spot when `hotSpot` is given.
HICON MakeIcon(const TBitmap& image, TColor transparent, const TPoint* hotSpot)
{
    if (hotSpot == nullptr)
        return sw::MakeIconHandle(IconImageOf(image, transparent));
    const POINT spot{hotSpot->x, hotSpot->y};
    return sw::MakeIconHandle(IconImageOf(image, transparent), &spot);
}

}  // namespace win32ui
