// A colour bitmap and a monochrome mask made from an IconImage and joined into an icon handle.
#include "platform/win32/win32_icon.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sw {

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

HICON MakeIconHandle(const IconImage& image, const POINT* hotSpot)
{
    if (image.Empty())
        return nullptr;
    const int w = image.width;
    const int h = image.height;
    std::vector<std::uint32_t> colour(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < colour.size() && i < image.pixels.size(); ++i) {
        const std::uint32_t bgr = image.pixels[i];
        // The DIB wants 0x00RRGGBB; the image keeps 0x00BBGGRR.
        colour[i] = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    }
    // Monochrome rows are padded to 16 bits.
    const int maskStride = ((w + 15) / 16) * 2;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskStride) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (i < image.mask.size() && image.mask[i]) {
                mask[static_cast<std::size_t>(y) * maskStride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
                colour[i] = 0;
            }
        }
    const BITMAPINFO info = DibHeader(w, h);
    HDC screen = GetDC(nullptr);
    HBITMAP colourBitmap =
        CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, colour.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, mask.data());
    ICONINFO iconInfo{};
    iconInfo.fIcon = hotSpot == nullptr ? TRUE : FALSE;
    if (hotSpot != nullptr) {
        iconInfo.xHotspot = static_cast<DWORD>(hotSpot->x);
        iconInfo.yHotspot = static_cast<DWORD>(hotSpot->y);
    }
    iconInfo.hbmColor = colourBitmap;
    iconInfo.hbmMask = maskBitmap;
    HICON icon = CreateIconIndirect(&iconInfo);
    DeleteObject(colourBitmap);
    DeleteObject(maskBitmap);
    return icon;
}

}  // namespace sw
