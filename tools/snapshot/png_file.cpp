// PNG output through libpng's simplified write API.
#include "png_file.h"

#include <png.h>

#include <cstdint>
#include <vector>

#include "gfx/bitmap.h"
#include "gfx/color.h"

bool WritePng(const TBitmap& image, const std::string& path)
{
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(image.Width()) * image.Height() * 3);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const TColor c = image.Pixel(x, y);
            rgb.push_back(static_cast<std::uint8_t>(GetRValue(c)));
            rgb.push_back(static_cast<std::uint8_t>(GetGValue(c)));
            rgb.push_back(static_cast<std::uint8_t>(GetBValue(c)));
        }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.Width());
    png.height = static_cast<png_uint_32>(image.Height());
    png.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok;
}
