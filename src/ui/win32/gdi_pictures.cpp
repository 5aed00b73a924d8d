// The toolkit's pictures as GDI objects: DIB sections for blits and menus, icons and cursors
// with their see-through masks.
#include "ui/win32/win32_internal.h"

#include <algorithm>

namespace win32ui {

std::vector<std::uint32_t> DibPixels(const TBitmap& image)
{
    std::vector<std::uint32_t> out(static_cast<std::size_t>(image.Width()) * image.Height());
    const std::uint32_t* in = image.Bits();
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::uint32_t p = in[i];
        out[i] = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    }
    return out;
}

BITMAPINFO DibHeader(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

HBITMAP MakeDib(const TBitmap& image)
{
    BITMAPINFO info = DibHeader(image.Width(), image.Height());
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
    if (image.Empty())
        return nullptr;
    // The mask is 1 where the picture is see-through; the colour there is black, so the
    // screen shows unchanged through the XOR step.
    TBitmap colorImage = image;
    TBitmap maskImage(image.Width(), image.Height());
    TColor key = transparent == clNone ? clNone : ColorToRGB(transparent);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const bool clear = image.Pixel(x, y) == key;
            maskImage.SetPixel(x, y, clear ? clWhite : clBlack);
            if (clear)
                colorImage.SetPixel(x, y, clBlack);
        }
    HBITMAP color = MakeDib(colorImage);
    HBITMAP mask = MakeDib(maskImage);
    ICONINFO info{};
    info.fIcon = hotSpot == nullptr ? TRUE : FALSE;
    if (hotSpot != nullptr) {
        info.xHotspot = static_cast<DWORD>(hotSpot->x);
        info.yHotspot = static_cast<DWORD>(hotSpot->y);
    }
    info.hbmColor = color;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

}  // namespace win32ui
