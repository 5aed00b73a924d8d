// An icon as plain pixels and a see-through mask, the form in which a picture leaves the toolkit
// for a platform that makes an icon of it (the notification area, a window's icon).
#pragma once

#include <cstdint>
#include <vector>

namespace sw {

// Colour pixels 0x00BBGGRR, row-major from the top, and a mask that is non-zero where the icon
// is see-through.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint8_t> mask;

    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const IconImage&, const IconImage&) = default;
};

}  // namespace sw
