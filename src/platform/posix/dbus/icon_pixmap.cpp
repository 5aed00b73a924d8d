// Nearest neighbour keeps the pictures' hard edges: they are drawn pixel by pixel at one size.
#include "platform/posix/dbus/icon_pixmap.h"

#include <cstddef>

namespace sw {

std::vector<std::uint8_t> ArgbPixmap(const IconImage& image, int size)
{
    const auto count =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.Empty() || size <= 0 || image.pixels.size() < count)
        return {};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
    for (int y = 0; y < size; ++y) {
        const int sourceY = y * image.height / size;
        for (int x = 0; x < size; ++x) {
            const auto at =
                static_cast<std::size_t>(sourceY * image.width + x * image.width / size);
            const bool seeThrough = at < image.mask.size() && image.mask[at] != 0;
            // Colours are 0x00BBGGRR.
            const std::uint32_t pixel = seeThrough ? 0 : image.pixels[at];
            bytes.push_back(seeThrough ? 0 : 0xFF);
            bytes.push_back(static_cast<std::uint8_t>(pixel));
            bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
            bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
        }
    }
    return bytes;
}

}  // namespace sw
