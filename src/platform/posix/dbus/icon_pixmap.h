// The icon as a status item hands it to the desktop: square pixmaps at the sizes panels ask for,
// each pixel four bytes A, R, G, B (network order), see-through where the mask says so.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/icon_image.h"

namespace sw {

// Panels pick the nearest size they need; these cover small panels to high-dpi ones.
inline constexpr std::array<int, 5> kPixmapSizes = {16, 22, 24, 32, 48};

// `image` scaled to size x size by nearest neighbour; empty for an empty image.
std::vector<std::uint8_t> ArgbPixmap(const IconImage& image, int size);

}  // namespace sw
