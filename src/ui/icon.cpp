// Icon pixels and their change notification.
#include "ui/icon.h"

#include <cstddef>

void TIcon::SetImage(const TBitmap& image, TColor transparentColor)
{
    FImage = image;
    FTransparentColor = transparentColor;
    if (OnChange)
        OnChange(nullptr);
}

sw::IconImage IconImageOf(const TBitmap& image, TColor transparent)
{
    sw::IconImage icon;
    if (image.Empty())
        return icon;
    icon.width = image.Width();
    icon.height = image.Height();
    const std::size_t count = static_cast<std::size_t>(icon.width) * icon.height;
    icon.pixels.assign(image.Bits(), image.Bits() + count);
    icon.mask.assign(count, 0);
    if (transparent == clNone)
        return icon;
    const TColor key =
        transparent == clDefault ? image.Pixel(0, icon.height - 1) : ColorToRGB(transparent);
    for (std::size_t i = 0; i < count; ++i)
        icon.mask[i] = (icon.pixels[i] & 0xFFFFFF) == key ? 1 : 0;
    return icon;
}
