#include "app/transparency.h"

#include <cmath>

std::uint8_t AlphaForTransparency(int percent)
{
    // The product is a 32-bit integer that wraps, the division real.
    const auto product = static_cast<std::int32_t>(static_cast<std::int64_t>(percent) * 255);
    const auto fade = static_cast<std::int64_t>(std::trunc(product / 100.0));
    return static_cast<std::uint8_t>((255 - fade) & 0xFF);
}

int TransparencyOrDefault(int percent)
{
    return percent >= 0 && percent <= kMostTransparency ? percent : kDefaultTransparency;
}
